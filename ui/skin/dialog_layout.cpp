// Loading a dialog's layout file; see dialog_layout.h.
#include "ui/skin/dialog_layout.h"

#include <string>

namespace karvo {

std::optional<DialogLayout> DialogLayout::load(const std::filesystem::path& languageFolder,
                                               LayoutFile file, int scale, Notifier& notifier) {
    const LayoutFileInfo& info = layoutFileInfo(file);
    const ini::IniSnapshot snapshot(languageFolder / info.fileName);
    if (!snapshot.exists()) {
        notifier.message(kMissingFileText);
        return std::nullopt;
    }
    DialogLayout d;
    d.layout_ =
        info.reader == LayoutReader::Dialog
            ? SkinLayout::readDialog(snapshot, kButtonSection, info.entries, scale, notifier)
            : SkinLayout::read(snapshot, kButtonSection, info.entries, scale);
    for (int i = 0; i < 3; ++i) {
        d.editFields_[static_cast<std::size_t>(i)] =
            SkinLayout::readBox(snapshot, kEditSection, std::to_string(i), scale);
    }
    return d;
}

}  // namespace karvo
