// The X11 libinput pointer back-end; see x11_pointer_settings.h. A device can vanish between
// listing and setting (unplugged), which the server answers with an X error; Xlib's default
// handler would end the program, so the calls run under a handler that only counts errors.
#include "platform/linux/x11_pointer_settings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "platform/pointer_speed_scale.h"

namespace karvo {
namespace {

std::atomic<int> xErrors{0};

int countError(Display*, XErrorEvent*) {
    ++xErrors;
    return 0;
}

// Installs the counting handler for the life of the object; the program's only Xlib user is
// this back-end (Qt talks to the server through xcb).
class ErrorTrap {
  public:
    explicit ErrorTrap(Display* d) : display_(d), previous_(XSetErrorHandler(countError)) {
        XSync(display_, False);
        start_ = xErrors.load();
    }
    ~ErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    bool failed() {
        XSync(display_, False);
        return xErrors.load() != start_;
    }

  private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
    int start_ = 0;
};

bool hasProperty(Display* d, int device, Atom property) {
    int count = 0;
    Atom* atoms = XIListProperties(d, device, &count);
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || atoms[i] == property;
    if (atoms)
        XFree(atoms);
    return found;
}

}  // namespace

std::unique_ptr<X11PointerSettings> X11PointerSettings::openSession() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return nullptr;
    return open(display);
}

std::unique_ptr<X11PointerSettings> X11PointerSettings::open(const std::string& displayName) {
    if (displayName.empty())
        return nullptr;
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr)
        return nullptr;
    int opcode = 0, event = 0, error = 0;
    int major = 2, minor = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<X11PointerSettings>(new X11PointerSettings(display));
}

X11PointerSettings::~X11PointerSettings() {
    XCloseDisplay(display_);
}

std::vector<int> X11PointerSettings::mice() {
    const std::lock_guard lock(mutex_);
    ErrorTrap trap(display_);
    std::vector<int> ids;
    const Atom speed = XInternAtom(display_, kSpeedProperty, True);
    if (speed == None)
        return ids;  // no device has ever had the property
    const Atom touchpad = XInternAtom(display_, kTouchpadProperty, True);
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const XIDeviceInfo& d = devices[i];
        if (d.use != XISlavePointer && d.use != XIFloatingSlave)
            continue;
        if (!hasProperty(display_, d.deviceid, speed))
            continue;
        if (touchpad != None && hasProperty(display_, d.deviceid, touchpad))
            continue;
        ids.push_back(d.deviceid);
    }
    if (devices)
        XIFreeDeviceInfo(devices);
    return ids;
}

std::optional<float> X11PointerSettings::speedOf(int device) {
    const Atom speed = XInternAtom(display_, kSpeedProperty, True);
    const Atom floatType = XInternAtom(display_, "FLOAT", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<float> value;
    if (speed != None &&
        XIGetProperty(display_, device, speed, 0, 1, False, floatType, &type, &format, &items,
                      &after, &data) == Success &&
        type == floatType && format == 32 && items >= 1 && data) {
        float v = 0;
        std::memcpy(&v, data, sizeof v);
        value = v;
    }
    if (data)
        XFree(data);
    return value;
}

std::optional<int> X11PointerSettings::pointerSpeed() {
    for (const int device : mice()) {
        const std::lock_guard lock(mutex_);
        ErrorTrap trap(display_);
        const auto v = speedOf(device);
        if (v && !trap.failed())
            return speedOfLibinput(*v);
    }
    return std::nullopt;
}

bool X11PointerSettings::setPointerSpeed(int speed) {
    const float value = static_cast<float>(libinputSpeedOf(speed));
    bool any = false;
    for (const int device : mice()) {
        const std::lock_guard lock(mutex_);
        ErrorTrap trap(display_);
        const Atom property = XInternAtom(display_, kSpeedProperty, True);
        const Atom floatType = XInternAtom(display_, "FLOAT", False);
        // 32-bit property items travel as longs in Xlib's buffers.
        long item = 0;
        std::memcpy(&item, &value, sizeof value);
        XIChangeProperty(display_, device, property, floatType, 32, XIPropModeReplace,
                         reinterpret_cast<unsigned char*>(&item), 1);
        if (!trap.failed())
            any = true;
    }
    return any;
}

}  // namespace karvo
