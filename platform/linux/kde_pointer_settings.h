// Pointer speed and wheel lines under KDE Plasma, where Plasma's own settings keep them:
//  - wheel lines: [KDE] WheelScrollLines of kdeglobals, written with kwriteconfig and announced
//    to running applications with KGlobalSettings' change signal, as the Mouse panel does;
//  - pointer speed: on Wayland KWin's input devices over D-Bus (pointerAcceleration of every
//    pointer that is not a touchpad), on X11 the libinput driver's property (another back-end,
//    given to this one).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/command_runner.h"
#include "platform/pointer_settings.h"

namespace karvo {

class KdePointerSettings final : public PointerSettings {
  public:
    // `plasmaVersion` picks the tools (kreadconfig5 or kreadconfig6); `pointer` sets the speed
    // (nothing: no speed). `runner` outlives the back-end.
    KdePointerSettings(CommandRunner& runner, int plasmaVersion,
                       std::unique_ptr<PointerSettings> pointer);

    std::optional<int> pointerSpeed() override;
    bool setPointerSpeed(int speed) override;
    std::optional<int> wheelLines() override;
    bool setWheelLines(int lines) override;

  private:
    CommandRunner& runner_;
    std::string readTool_;
    std::string writeTool_;
    std::unique_ptr<PointerSettings> pointer_;
};

// KWin's input devices on D-Bus (org.kde.KWin, /org/kde/KWin/InputDevice), reached with
// dbus-send: the pointer speed of every device that is a pointer and not a touchpad.
class KwinPointerSettings final : public PointerSettings {
  public:
    explicit KwinPointerSettings(CommandRunner& runner) : runner_(runner) {}

    std::optional<int> pointerSpeed() override;  // of the first such device
    bool setPointerSpeed(int speed) override;    // all of them; false when there is none
    std::optional<int> wheelLines() override { return std::nullopt; }
    bool setWheelLines(int) override { return false; }

    // The strings, booleans or doubles of a `dbus-send --print-reply` answer, in order.
    static std::vector<std::string> replyStrings(const std::string& reply);
    static std::optional<bool> replyBoolean(const std::string& reply);
    static std::optional<double> replyDouble(const std::string& reply);

  private:
    std::vector<std::string> mice();
    std::optional<std::string> property(const std::string& device, const std::string& name);

    CommandRunner& runner_;
};

}  // namespace karvo
