// The X11 libinput back-end against a real server: a private Xvfb whose pointer devices are
// given the libinput driver's speed property (Xvfb's own devices have none), one of them marked
// as a touchpad. The speed is set on the mouse and read back; the touchpad and the core
// pointer control keep theirs.
#include "platform/linux/x11_pointer_settings.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/command_runner.h"
#include "platform/pointer_speed_scale.h"

extern char** environ;

namespace karvo {
namespace {

// Xvfb on a display number it picks itself (-displayfd), ended with the test.
class PrivateXvfb {
  public:
    PrivateXvfb() {
        if (!SystemCommandRunner::available("Xvfb"))
            return;
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        const std::string fd = std::to_string(fds[1]);
        std::vector<std::string> args = {"Xvfb", "-displayfd", fd,          "-screen",
                                         "0",    "640x480x24", "-nolisten", "tcp"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        if (::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        std::string number;
        char c;
        while (pid_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (!number.empty())
            display_ = ":" + number;
    }
    ~PrivateXvfb() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};

void setFloat(Display* d, int device, const char* name, float value) {
    long item = 0;
    std::memcpy(&item, &value, sizeof value);
    XIChangeProperty(d, device, XInternAtom(d, name, False), XInternAtom(d, "FLOAT", False), 32,
                     XIPropModeReplace, reinterpret_cast<unsigned char*>(&item), 1);
}

float getFloat(Display* d, int device, const char* name) {
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    float v = -99;
    if (XIGetProperty(d, device, XInternAtom(d, name, False), 0, 1, False, AnyPropertyType, &type,
                      &format, &items, &after, &data) == Success &&
        data && items == 1)
        std::memcpy(&v, data, sizeof v);
    if (data)
        XFree(data);
    return v;
}

TEST(X11PointerBackEnd, IsAbsentWithoutAReachableDisplay) {
    EXPECT_EQ(X11PointerSettings::open(""), nullptr);
    EXPECT_EQ(X11PointerSettings::open(":4711"), nullptr);  // no server there
}

TEST(X11PointerBackEnd, SetsTheLibinputSpeedOfMiceAndLeavesTouchpadsAndTheCoreControl) {
    PrivateXvfb server;
    if (server.display().empty())
        GTEST_SKIP() << "Xvfb is not installed or did not start";
    Display* d = XOpenDisplay(server.display().c_str());
    ASSERT_NE(d, nullptr);

    auto session = X11PointerSettings::open(server.display());
    ASSERT_NE(session, nullptr);
    // Without libinput devices there is nothing to set, and nothing pretends otherwise.
    EXPECT_TRUE(session->mice().empty());
    EXPECT_FALSE(session->pointerSpeed());
    EXPECT_FALSE(session->setPointerSpeed(12));

    std::vector<int> pointers;
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(d, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        if (devices[i].use == XISlavePointer)
            pointers.push_back(devices[i].deviceid);
    }
    XIFreeDeviceInfo(devices);
    ASSERT_GE(pointers.size(), 2u) << "Xvfb has a mouse and the XTEST pointer";
    const int mouse = pointers[0];
    const int touchpad = pointers[1];
    setFloat(d, mouse, X11PointerSettings::kSpeedProperty, 0.0f);
    setFloat(d, touchpad, X11PointerSettings::kSpeedProperty, 0.25f);
    unsigned char on = 1;
    XIChangeProperty(d, touchpad, XInternAtom(d, X11PointerSettings::kTouchpadProperty, False),
                     XA_INTEGER, 8, XIPropModeReplace, &on, 1);
    int num = 0, den = 0, threshold = 0;
    XGetPointerControl(d, &num, &den, &threshold);
    XSync(d, False);

    EXPECT_EQ(session->mice(), std::vector<int>{mouse});
    for (const int speed : {4, 10, 17}) {
        ASSERT_TRUE(session->setPointerSpeed(speed));
        EXPECT_EQ(session->pointerSpeed(), speed);
        EXPECT_FLOAT_EQ(getFloat(d, mouse, X11PointerSettings::kSpeedProperty),
                        static_cast<float>(libinputSpeedOf(speed)));
    }
    EXPECT_FLOAT_EQ(getFloat(d, touchpad, X11PointerSettings::kSpeedProperty), 0.25f);
    int num2 = 0, den2 = 0, threshold2 = 0;
    XGetPointerControl(d, &num2, &den2, &threshold2);
    EXPECT_EQ(std::vector<int>({num, den, threshold}), std::vector<int>({num2, den2, threshold2}));
    EXPECT_FALSE(session->wheelLines());
    XCloseDisplay(d);
}

}  // namespace
}  // namespace karvo
