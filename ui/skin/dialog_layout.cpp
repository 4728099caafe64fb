// Loading a dialog's layout file; see dialog_layout.h.
#include "ui/skin/dialog_layout.h"

#include <string>

namespace karvo {

std::optional<DialogLayout> DialogLayout::load(const std::filesystem::path& languageFolder,
                                               LayoutFile file, int scale, Notifier& notifier) {
    const LayoutFileSpec& spec = layoutFileSpec(file);
    const ini::IniSnapshot snapshot(languageFolder / spec.fileName);
    if (!snapshot.exists()) {
        notifier.message(kMissingFileText);
        return std::nullopt;
    }
    DialogLayout d;
    d.layout_ =
        spec.reader == LayoutReader::Dialog
            ? SkinLayout::readDialog(snapshot, kButtonSection, spec.entries, scale, notifier)
            : SkinLayout::read(snapshot, kButtonSection, spec.entries, scale);
    for (int i = 0; i < 3; ++i) {
        d.editFields_[static_cast<std::size_t>(i)] =
            SkinLayout::readBox(snapshot, kEditSection, std::to_string(i), scale);
    }
    return d;
}

}  // namespace karvo
