// The layout of an auxiliary dialog (key capture, combination key, sound-reactive lighting,
// gun presets), read from the language folder each time the dialog opens. A missing file
// closes the dialog instead of ending the program.
#pragma once

#include <array>
#include <filesystem>
#include <optional>

#include "platform/notifier.h"
#include "ui/skin/layout_files.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

class DialogLayout {
  public:
    // Reads the dialog's file with the reader the file table names for it. A missing file
    // shows "找不到配置文件" through `notifier` and gives nothing: the dialog closes.
    static std::optional<DialogLayout> load(const std::filesystem::path& languageFolder,
                                            LayoutFile file, int scale, Notifier& notifier);

    const SkinLayout& layout() const { return layout_; }
    // [EDIT] keys 0-2 (the gun dialog's value boxes); empty boxes for the other dialogs.
    const std::array<SkinBox, 3>& editFields() const { return editFields_; }

  private:
    SkinLayout layout_;
    std::array<SkinBox, 3> editFields_{};
};

}  // namespace karvo
