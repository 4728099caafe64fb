// Loading the main window's six layout files; see main_skin.h.
#include "ui/skin/main_skin.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

constexpr int kDpiSteps = 17;

std::size_t slotOf(LayoutFile file) {
    const auto it = std::find(kMainWindowFiles.begin(), kMainWindowFiles.end(), file);
    return static_cast<std::size_t>(it - kMainWindowFiles.begin());
}

}  // namespace

const SkinLayout& MainSkin::layout(LayoutFile file) const {
    static const SkinLayout kNone;
    const std::size_t slot = slotOf(file);
    return slot < layouts_.size() ? layouts_[slot] : kNone;
}

MainSkin::Load MainSkin::load(const std::filesystem::path& languageFolder, int scale,
                              std::string_view disabledFunctionName, Notifier& notifier) {
    scale = std::clamp(scale, 1, 2);
    // Every file is read once into a snapshot, so the checks and the reads see the same file.
    std::vector<ini::IniSnapshot> files;
    files.reserve(kMainWindowFiles.size());
    for (const LayoutFile id : kMainWindowFiles) {
        files.emplace_back(languageFolder / layoutFileInfo(id).fileName);
        if (!files.back().exists()) {
            notifier.tipText(4);
            return Load::MissingFile;
        }
    }

    MainSkin next;
    next.scale_ = scale;
    for (std::size_t i = 0; i < kMainWindowFiles.size(); ++i) {
        const LayoutFileInfo& info = layoutFileInfo(kMainWindowFiles[i]);
        next.layouts_[i] = SkinLayout::read(files[i], kButtonSection, info.entries, scale);
    }
    const ini::IniSnapshot& mainFile = files[slotOf(LayoutFile::Main)];
    const ini::IniSnapshot& macFile = files[slotOf(LayoutFile::Mac)];
    next.webAddress_ =
        next.layouts_[slotOf(LayoutFile::Main)].takeText(skin::main_window::kWebsite);
    next.functions_ = FunctionNames::read(mainFile, disabledFunctionName);
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        next.editFields_[at] = SkinLayout::readBox(macFile, kEditSection, std::to_string(i), scale);
        next.macroDisplays_[at] =
            SkinLayout::readBox(macFile, kMacroDisplaySection, std::to_string(i + 1), scale);
    }
    next.dpiSlider_.length = skin::advanced::kDpiSliderLength * scale;
    next.dpiSlider_.origin = next.advanced().rect(skin::advanced::kDpiSlider).x;
    next.dpiSlider_.step =
        static_cast<float>(next.dpiSlider_.length) / static_cast<float>(kDpiSteps);
    *this = std::move(next);
    return Load::Loaded;
}

}  // namespace karvo
