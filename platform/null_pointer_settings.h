// NullPointerSettings: the pointer settings of a session without a back-end (no display, the
// command-line tool, tests): every setting reads as unavailable, so a download skips them.
#pragma once

#include <optional>

#include "platform/pointer_settings.h"

namespace karvo {

class NullPointerSettings final : public PointerSettings {
  public:
    std::optional<int> pointerSpeed() override { return std::nullopt; }
    bool setPointerSpeed(int) override { return false; }
    std::optional<int> wheelLines() override { return std::nullopt; }
    bool setWheelLines(int) override { return false; }
};

}  // namespace karvo
