// DPI of each sensitivity step; see dpi_steps.h.
#include "settings/dpi_steps.h"

#include <cstdlib>
#include <string>

#include "platform/private_profile.h"
#include "settings/device_description.h"

namespace karvo {
namespace {

constexpr std::size_t kValueBuffer = 16;

}  // namespace

DpiSteps::DpiSteps() {
    for (const std::int32_t dpi : DeviceDescription::kDefaultDpiTable)
        dpi_.push_back(dpi);
}

DpiSteps DpiSteps::read(const std::filesystem::path& configFile) {
    const ini::IniSnapshot file(configFile);
    if (file.document().getString("DPI_TABLE", "STEP0", "", kValueBuffer).empty())
        return DpiSteps();
    DpiSteps table;
    table.dpi_.clear();
    for (int step = 0; step < kSteps; ++step) {
        const int value = file.getInt("DPI_TABLE", "STEP" + std::to_string(step), kValueBuffer);
        if (value <= 0 || (!table.dpi_.empty() && value <= table.dpi_.back()))
            return DpiSteps();
        table.dpi_.push_back(value);
    }
    return table;
}

int DpiSteps::dpi(int step) const {
    if (step < 0)
        return dpi_.front();
    if (step >= count())
        return dpi_.back();
    return dpi_[static_cast<std::size_t>(step)];
}

DpiSteps::Nearest DpiSteps::nearest(int dpi) const {
    Nearest best{0, dpi_.front(), false};
    for (int step = 0; step < count(); ++step) {
        const int value = dpi_[static_cast<std::size_t>(step)];
        if (std::abs(value - dpi) < std::abs(best.dpi - dpi))
            best = {step, value, false};
    }
    best.exact = best.dpi == dpi;
    return best;
}

}  // namespace karvo
