// The system colour chooser: opened with the current colour, gives the chosen one or nothing
// when the user cancelled. The Qt back-end shows QColorDialog; tests answer with a colour.
#pragma once

#include <cstdint>
#include <optional>

namespace karvo {

struct RgbColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const RgbColour&) const = default;
};

class ColourDialog {
  public:
    virtual ~ColourDialog() = default;
    // Modal on the window thread.
    virtual std::optional<RgbColour> choose(RgbColour initial) = 0;
};

}  // namespace karvo
