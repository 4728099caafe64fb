// Pointer speed and wheel lines through the desktops' own settings: the shared speed scale,
// the choice of back-end per session, and the exact commands each back-end runs, against a
// recording runner and, where the tool is installed, against GNOME's real gsettings (with its
// keyfile back-end in a scratch folder).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "../../support/temp_dir.h"
#include "platform/command_runner.h"
#include "platform/linux/desktop_pointer_settings.h"
#include "platform/linux/gnome_pointer_settings.h"
#include "platform/linux/kde_pointer_settings.h"
#include "platform/linux/settings_text.h"
#include "platform/pointer_speed_scale.h"

namespace karvo {
namespace {

using Argv = std::vector<std::string>;

// Records every command and answers from a table (prefix of the command line -> output);
// a command without an answer fails.
class RecordingRunner final : public CommandRunner {
  public:
    std::optional<std::string> run(const Argv& argv) override {
        calls.push_back(argv);
        std::string line;
        for (const std::string& a : argv)
            line += (line.empty() ? "" : " ") + a;
        for (const auto& [prefix, out] : answers) {
            if (line.rfind(prefix, 0) == 0)
                return out;
        }
        return std::nullopt;
    }
    std::vector<std::pair<std::string, std::string>> answers;
    std::vector<Argv> calls;
};

TEST(PointerSpeedScale, SpreadsTheTwentyStepsOverTheDesktopsRange) {
    const std::pair<int, double> cases[] = {{1, -1.0}, {4, -2.0 / 3}, {10, 0.0}, {11, 0.1},
                                            {15, 0.5}, {20, 1.0},     {0, -1.0}, {25, 1.0}};
    for (const auto& [speed, value] : cases)
        EXPECT_NEAR(libinputSpeedOf(speed), value, 1e-9) << speed;
    for (int s = 1; s <= 20; ++s)
        EXPECT_EQ(speedOfLibinput(libinputSpeedOf(s)), s);
    EXPECT_EQ(speedOfLibinput(0.04), 10);
    EXPECT_EQ(speedOfLibinput(0.06), 11);
    EXPECT_EQ(speedOfLibinput(-7), 1);
    EXPECT_EQ(speedOfLibinput(3), 20);
    EXPECT_EQ(speedOfLibinput(std::nan("")), 10);
}

TEST(SettingsText, NumbersAreReadAndWrittenWithAPointWhateverTheLocale) {
    EXPECT_EQ(settings_text::parseDouble("  -0.25\n"), -0.25);
    EXPECT_EQ(settings_text::parseDouble("0.5 x"), std::nullopt);
    EXPECT_EQ(settings_text::parseDouble(""), std::nullopt);
    EXPECT_EQ(settings_text::parseDouble("inf"), std::nullopt);
    EXPECT_EQ(settings_text::parseInt("3\n"), 3);
    EXPECT_EQ(settings_text::parseInt("3.5"), std::nullopt);
    EXPECT_EQ(settings_text::formatDouble(0.5), "0.5");
    EXPECT_EQ(settings_text::formatDouble(-1), "-1");
    EXPECT_EQ(settings_text::formatDouble(-0.0), "0");
    EXPECT_EQ(settings_text::formatDouble(2.0 / 3), "0.666667");
}

TEST(DesktopPointerSettings, EachSessionGetsItsDesktopsOwnSettings) {
    const struct {
        const char* desktop;
        const char* type;
        const char* display;
        const char* wayland;
        PointerBackend expected;
    } cases[] = {
        {"GNOME", "wayland", ":0", "wayland-0", PointerBackend::Gnome},
        {"ubuntu:GNOME", "x11", ":0", "", PointerBackend::Gnome},
        {"gnome", "", "", "", PointerBackend::Gnome},
        {"KDE", "x11", ":0", "", PointerBackend::KdeX11},
        {"KDE", "wayland", ":1", "wayland-0", PointerBackend::KdeWayland},
        {"KDE", "", ":1", "wayland-0", PointerBackend::KdeWayland},
        {"XFCE", "x11", ":0", "", PointerBackend::X11Libinput},
        {"", "", ":0", "", PointerBackend::X11Libinput},
        {"sway", "wayland", ":0", "wayland-1", PointerBackend::UnsupportedWayland},
        {"Hyprland", "wayland", "", "", PointerBackend::UnsupportedWayland},
        {"GNOMEish", "", "", "", PointerBackend::None},  // a name, not a substring
        {"", "tty", "", "", PointerBackend::None},
    };
    for (const auto& c : cases) {
        DesktopSession s;
        s.currentDesktop = c.desktop;
        s.sessionType = c.type;
        s.display = c.display;
        s.waylandDisplay = c.wayland;
        EXPECT_EQ(pointerBackendFor(s), c.expected) << c.desktop << " " << c.type;
    }
    EXPECT_FALSE(pointerBackendNotice(PointerBackend::UnsupportedWayland).empty());
    EXPECT_TRUE(pointerBackendNotice(PointerBackend::Gnome).empty());
    EXPECT_TRUE(pointerBackendNotice(PointerBackend::None).empty());

    // A session that cannot be served still gets an object that reads as unavailable.
    RecordingRunner runner;
    DesktopSession wayland;
    wayland.waylandDisplay = "wayland-0";
    const DesktopPointerSettings d = openDesktopPointerSettings(wayland, runner);
    ASSERT_NE(d.settings, nullptr);
    EXPECT_FALSE(d.settings->pointerSpeed());
    EXPECT_FALSE(d.settings->wheelLines());
    EXPECT_TRUE(runner.calls.empty());
}

TEST(GnomePointerSettings, ReadsAndSetsTheMouseSpeedThroughGsettings) {
    RecordingRunner runner;
    runner.answers = {{"gsettings get org.gnome.desktop.peripherals.mouse speed", "0.5\n"},
                      {"gsettings set org.gnome.desktop.peripherals.mouse speed", ""}};
    GnomePointerSettings gnome(runner);
    EXPECT_EQ(gnome.pointerSpeed(), 15);
    EXPECT_TRUE(gnome.setPointerSpeed(4));
    EXPECT_EQ(runner.calls.back(), (Argv{"gsettings", "set", "org.gnome.desktop.peripherals.mouse",
                                         "speed", "-0.666667"}));
    EXPECT_FALSE(gnome.wheelLines());  // GNOME has none
    runner.answers.clear();
    EXPECT_FALSE(gnome.pointerSpeed());
    EXPECT_FALSE(gnome.setPointerSpeed(10));
}

TEST(GnomePointerSettings, TheRealGsettingsKeepsWhatWasSet) {
    if (!SystemCommandRunner::available("gsettings"))
        GTEST_SKIP() << "gsettings is not installed";
    testing::TempDir home;
    // gsettings' keyfile back-end stores into $XDG_CONFIG_HOME/glib-2.0/settings/keyfile.
    const std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("GSETTINGS_BACKEND", "keyfile", 1);
    ::setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
    SystemCommandRunner runner;
    if (!runner.run(
            {"gsettings", "get", GnomePointerSettings::kSchema, GnomePointerSettings::kKey})) {
        ::unsetenv("GSETTINGS_BACKEND");
        GTEST_SKIP() << "GNOME's desktop schemas are not installed";
    }
    GnomePointerSettings gnome(runner);
    for (const int speed : {3, 10, 18}) {
        EXPECT_TRUE(gnome.setPointerSpeed(speed));
        EXPECT_EQ(gnome.pointerSpeed(), speed);
    }
    ::unsetenv("GSETTINGS_BACKEND");
    if (saved.empty())
        ::unsetenv("XDG_CONFIG_HOME");
    else
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST(KdePointerSettings, WheelLinesGoThroughPlasmasConfigurationAndAreAnnounced) {
    RecordingRunner runner;
    runner.answers = {{"kreadconfig6 --file kdeglobals --group KDE --key WheelScrollLines", "5\n"},
                      {"kwriteconfig6", ""},
                      {"dbus-send", ""}};
    KdePointerSettings kde(runner, 6, nullptr);
    EXPECT_EQ(kde.wheelLines(), 5);
    EXPECT_TRUE(kde.setWheelLines(7));
    ASSERT_GE(runner.calls.size(), 3u);
    EXPECT_EQ(runner.calls[1], (Argv{"kwriteconfig6", "--file", "kdeglobals", "--group", "KDE",
                                     "--key", "WheelScrollLines", "7"}));
    EXPECT_EQ(runner.calls[2],
              (Argv{"dbus-send", "--session", "--type=signal", "/KGlobalSettings",
                    "org.kde.KGlobalSettings.notifyChange", "int32:3", "int32:0"}));
    // Without a pointer back-end the speed is unavailable, not an error.
    EXPECT_FALSE(kde.pointerSpeed());
    EXPECT_FALSE(kde.setPointerSpeed(10));
    // Plasma 5 has its own tools; a failing tool reads as unavailable.
    RecordingRunner none;
    KdePointerSettings plasma5(none, 5, nullptr);
    EXPECT_FALSE(plasma5.wheelLines());
    EXPECT_FALSE(plasma5.setWheelLines(3));
    EXPECT_EQ(none.calls.front().front(), "kreadconfig5");
}

TEST(KwinPointerSettings, SetsEveryMouseButNotTheTouchpad) {
    RecordingRunner runner;
    const std::string get =
        "dbus-send --session --print-reply --dest=org.kde.KWin /org/kde/KWin/InputDevice";
    const std::string prop = " org.freedesktop.DBus.Properties.Get string:org.kde.KWin.InputDevice";
    runner.answers = {
        {get + " org.freedesktop.DBus.Properties.Get string:org.kde.KWin.InputDeviceManager",
         "method return time=1 sender=:1.5 -> destination=:1.9 serial=3 reply_serial=2\n"
         "   variant       array [\n         string \"event3\"\n         string \"event7\"\n"
         "         string \"../x\"\n      ]\n"},
        // Longest first: the answers are matched by prefix.
        {get + "/event3" + prop + " string:pointerAcceleration", "   variant       double 0.2\n"},
        {get + "/event3" + prop + " string:pointer", "   variant       boolean true\n"},
        {get + "/event3" + prop + " string:touchpad", "   variant       boolean false\n"},
        {get + "/event7" + prop + " string:pointer", "   variant       boolean true\n"},
        {get + "/event7" + prop + " string:touchpad", "   variant       boolean true\n"},
        {get + "/event3 org.freedesktop.DBus.Properties.Set", ""},
    };
    KwinPointerSettings kwin(runner);
    EXPECT_EQ(kwin.pointerSpeed(), 12);
    runner.calls.clear();
    EXPECT_TRUE(kwin.setPointerSpeed(20));
    std::vector<Argv> sets;
    for (const Argv& c : runner.calls) {
        if (c.size() > 5 && c[5] == "org.freedesktop.DBus.Properties.Set")
            sets.push_back(c);
    }
    ASSERT_EQ(sets.size(), 1u);  // event7 is a touchpad, "../x" no device name
    EXPECT_EQ(sets[0][4], "/org/kde/KWin/InputDevice/event3");
    EXPECT_EQ(sets[0].back(), "variant:double:1");
}

TEST(KwinPointerSettings, RepliesAreReadOnlyWhereTheyHoldTheType) {
    EXPECT_EQ(KwinPointerSettings::replyStrings("array [ string \"a\" string \"b\" ]"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(KwinPointerSettings::replyBoolean("variant boolean false"), false);
    EXPECT_EQ(KwinPointerSettings::replyBoolean("variant int32 1"), std::nullopt);
    EXPECT_EQ(KwinPointerSettings::replyDouble("variant double -0.5"), -0.5);
    EXPECT_EQ(KwinPointerSettings::replyDouble("Error org.freedesktop.DBus"), std::nullopt);
}

TEST(SystemCommandRunner, GivesTheOutputOfASuccessOnly) {
    SystemCommandRunner runner(std::chrono::milliseconds(2000));
    EXPECT_EQ(runner.run({"printf", "%s", "a b"}), "a b");
    EXPECT_EQ(runner.run({"false"}), std::nullopt);
    EXPECT_EQ(runner.run({"no-such-program-karvo"}), std::nullopt);
    EXPECT_EQ(runner.run({}), std::nullopt);
    SystemCommandRunner quick(std::chrono::milliseconds(100));
    EXPECT_EQ(quick.run({"sleep", "5"}), std::nullopt);  // killed at the time-out
    EXPECT_TRUE(SystemCommandRunner::available("sh"));
    EXPECT_FALSE(SystemCommandRunner::available("no-such-program-karvo"));
}

}  // namespace
}  // namespace karvo
