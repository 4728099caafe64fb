// Pointer speed under GNOME: the mouse speed of GNOME's own settings
// (org.gnome.desktop.peripherals.mouse speed, -1 to 1), changed through gsettings as the
// Settings panel does, so GNOME shows and keeps it. GNOME has no wheel-lines setting: each
// application scrolls its own way, so that one reads as unavailable.
#pragma once

#include <optional>

#include "platform/command_runner.h"
#include "platform/pointer_settings.h"

namespace karvo {

class GnomePointerSettings final : public PointerSettings {
  public:
    static constexpr const char* kSchema = "org.gnome.desktop.peripherals.mouse";
    static constexpr const char* kKey = "speed";

    // `runner` outlives the back-end.
    explicit GnomePointerSettings(CommandRunner& runner) : runner_(runner) {}

    std::optional<int> pointerSpeed() override;
    bool setPointerSpeed(int speed) override;
    std::optional<int> wheelLines() override { return std::nullopt; }
    bool setWheelLines(int) override { return false; }

  private:
    CommandRunner& runner_;
};

}  // namespace karvo
