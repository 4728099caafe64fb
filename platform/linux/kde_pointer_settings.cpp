// Plasma's wheel lines and KWin's pointer speed; see kde_pointer_settings.h.
#include "platform/linux/kde_pointer_settings.h"

#include <algorithm>
#include <regex>
#include <sstream>

#include "platform/linux/settings_text.h"
#include "platform/pointer_speed_scale.h"

namespace karvo {

namespace {

constexpr const char* kKwin = "org.kde.KWin";
constexpr const char* kDevicePath = "/org/kde/KWin/InputDevice";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";

// A device's name is a kernel event node name ("event5"): letters and digits only, so it can
// never change the object path it is put into.
bool plainName(const std::string& name) {
    return !name.empty() && name.size() < 64 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

}  // namespace

KdePointerSettings::KdePointerSettings(CommandRunner& runner, int plasmaVersion,
                                       std::unique_ptr<PointerSettings> pointer)
    : runner_(runner),
      readTool_(plasmaVersion >= 6 ? "kreadconfig6" : "kreadconfig5"),
      writeTool_(plasmaVersion >= 6 ? "kwriteconfig6" : "kwriteconfig5"),
      pointer_(std::move(pointer)) {}

std::optional<int> KdePointerSettings::pointerSpeed() {
    return pointer_ ? pointer_->pointerSpeed() : std::nullopt;
}

bool KdePointerSettings::setPointerSpeed(int speed) {
    return pointer_ && pointer_->setPointerSpeed(speed);
}

std::optional<int> KdePointerSettings::wheelLines() {
    // Plasma's default of 3 is what an unset key means.
    const auto out = runner_.run({readTool_, "--file", "kdeglobals", "--group", "KDE", "--key",
                                  "WheelScrollLines", "--default", "3"});
    if (!out)
        return std::nullopt;
    return settings_text::parseInt(*out);
}

bool KdePointerSettings::setWheelLines(int lines) {
    const int n = std::clamp(lines, 1, 100);
    if (!runner_.run({writeTool_, "--file", "kdeglobals", "--group", "KDE", "--key",
                      "WheelScrollLines", std::to_string(n)}))
        return false;
    // KGlobalSettings::notifyChange(SettingsChanged = 3, SETTINGS_MOUSE = 0): running
    // applications read the new value.
    runner_.run({"dbus-send", "--session", "--type=signal", "/KGlobalSettings",
                 "org.kde.KGlobalSettings.notifyChange", "int32:3", "int32:0"});
    return true;
}

std::vector<std::string> KwinPointerSettings::replyStrings(const std::string& reply) {
    std::vector<std::string> strings;
    static const std::regex item("string \"([^\"]*)\"");
    for (auto it = std::sregex_iterator(reply.begin(), reply.end(), item);
         it != std::sregex_iterator(); ++it)
        strings.push_back((*it)[1]);
    return strings;
}

std::optional<bool> KwinPointerSettings::replyBoolean(const std::string& reply) {
    static const std::regex item("boolean (true|false)");
    std::smatch m;
    if (!std::regex_search(reply, m, item))
        return std::nullopt;
    return m[1] == "true";
}

std::optional<double> KwinPointerSettings::replyDouble(const std::string& reply) {
    static const std::regex item("double (\\S+)");
    std::smatch m;
    if (!std::regex_search(reply, m, item))
        return std::nullopt;
    return settings_text::parseDouble(m[1].str());
}

std::optional<std::string> KwinPointerSettings::property(const std::string& device,
                                                         const std::string& name) {
    return runner_.run({"dbus-send", "--session", "--print-reply", std::string("--dest=") + kKwin,
                        std::string(kDevicePath) + "/" + device, std::string(kProperties) + ".Get",
                        "string:org.kde.KWin.InputDevice", "string:" + name});
}

std::vector<std::string> KwinPointerSettings::mice() {
    std::vector<std::string> found;
    const auto names =
        runner_.run({"dbus-send", "--session", "--print-reply", std::string("--dest=") + kKwin,
                     kDevicePath, std::string(kProperties) + ".Get",
                     "string:org.kde.KWin.InputDeviceManager", "string:devicesSysNames"});
    if (!names)
        return found;
    for (const std::string& device : replyStrings(*names)) {
        if (!plainName(device))
            continue;
        const auto pointer = property(device, "pointer");
        const auto touchpad = property(device, "touchpad");
        if (pointer && replyBoolean(*pointer) == true && touchpad &&
            replyBoolean(*touchpad) == false)
            found.push_back(device);
    }
    return found;
}

std::optional<int> KwinPointerSettings::pointerSpeed() {
    for (const std::string& device : mice()) {
        if (const auto reply = property(device, "pointerAcceleration")) {
            if (const auto value = replyDouble(*reply))
                return speedOfLibinput(*value);
        }
    }
    return std::nullopt;
}

bool KwinPointerSettings::setPointerSpeed(int speed) {
    bool any = false;
    for (const std::string& device : mice()) {
        any = runner_
                  .run({"dbus-send", "--session", "--print-reply", std::string("--dest=") + kKwin,
                        std::string(kDevicePath) + "/" + device, std::string(kProperties) + ".Set",
                        "string:org.kde.KWin.InputDevice", "string:pointerAcceleration",
                        "variant:double:" + settings_text::formatDouble(libinputSpeedOf(speed))})
                  .has_value() ||
              any;
    }
    return any;
}

}  // namespace karvo
