// The sensitivity each DPI step stands for, in DPI: the window's DPI slider and karvoctl show
// levels in DPI and take DPI values, while config.ini and the mouse keep the step (DPI_SET).
// The mouse model's table is the device description's [DPI_TABLE] STEP0=200, STEP1=400 ... of
// config.ini, the one the window shows; without it, the description's built-in table.
#pragma once

#include <filesystem>
#include <vector>

namespace karvo {

class DpiSteps {
  public:
    // The steps the window's slider offers (DPI_SET 0 to 16).
    static constexpr int kSteps = 17;

    // The built-in table.
    DpiSteps();
    // The table of the configuration file; a missing, non-positive or non-rising entry makes
    // the whole table fall back to the built-in one, so a damaged file never yields a table
    // that rounds to the wrong step.
    static DpiSteps read(const std::filesystem::path& configFile);

    int count() const { return static_cast<int>(dpi_.size()); }
    // The DPI of a step; steps beyond the table read as the nearest end.
    int dpi(int step) const;

    struct Nearest {
        int step = 0;
        int dpi = 0;         // the DPI of that step
        bool exact = false;  // the value asked for is that step's DPI
    };
    // The step whose DPI lies nearest to `dpi`; of two equally near, the lower.
    Nearest nearest(int dpi) const;

  private:
    std::vector<int> dpi_;
};

}  // namespace karvo
