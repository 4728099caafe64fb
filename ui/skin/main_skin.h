// The skin of the main window: the six layout files it reads at start and on every language
// change (main, lighting, advanced, macro, warning, mac_color), the function names, the web
// address of entry 19, the macro page's edit and display rectangles and the DPI slider geometry.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/notifier.h"
#include "ui/skin/function_names.h"
#include "ui/skin/layout_files.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

// The advanced page's DPI slider: 303 pixels (times the layout scale) from the x of its entry,
// in 17 steps.
struct SliderGeometry {
    std::int32_t origin = 0;
    std::int32_t length = 0;
    float step = 0.0f;
};

class MainSkin {
  public:
    enum class Load {
        Loaded,
        // A file was missing: TipText 4 has been shown and the skin is unchanged. The program
        // ends, as it cannot draw its window without the file.
        MissingFile,
    };

    // Reads the six files from `languageFolder` in their fixed order, multiplying coordinates
    // by `scale` (1 or 2). `disabledFunctionName` is language text UniqueName_Other 1.
    // Nothing is replaced unless all six files exist, so a failed language switch leaves the
    // previous language's skin in place.
    Load load(const std::filesystem::path& languageFolder, int scale,
              std::string_view disabledFunctionName, Notifier& notifier);

    const SkinLayout& layout(LayoutFile file) const;
    const SkinLayout& main() const { return layout(LayoutFile::Main); }
    const SkinLayout& lighting() const { return layout(LayoutFile::Color); }
    const SkinLayout& advanced() const { return layout(LayoutFile::Advance); }
    const SkinLayout& macro() const { return layout(LayoutFile::Mac); }
    const SkinLayout& warning() const { return layout(LayoutFile::Warning); }

    // The text of main entry 19, opened with the system's browser; never drawn.
    const std::string& webAddress() const { return webAddress_; }
    const FunctionNames& functions() const { return functions_; }

    // [EDIT] keys 0-2 of skin_mac.ini, and [MACRODISPLAY] keys 1-3 at positions 0-2.
    const std::array<SkinBox, 3>& editFields() const { return editFields_; }
    const std::array<SkinBox, 3>& macroDisplays() const { return macroDisplays_; }

    const SliderGeometry& dpiSlider() const { return dpiSlider_; }
    int scale() const { return scale_; }

  private:
    std::array<SkinLayout, 6> layouts_;
    std::string webAddress_;
    FunctionNames functions_;
    std::array<SkinBox, 3> editFields_{};
    std::array<SkinBox, 3> macroDisplays_{};
    SliderGeometry dpiSlider_;
    int scale_ = 1;
};

}  // namespace karvo
