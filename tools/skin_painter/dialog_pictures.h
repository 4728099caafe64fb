// The auxiliary dialogs (warning, key capture, combination key, sound-reactive lighting, gun
// presets) with their masks, the weapon pictures, and the per-language pictures (the macro
// badge zhi.png and the language menu rows ver_normal.jpg / ver_over.jpg).
#pragma once

#include <QImage>
#include <filesystem>

#include "tools/skin_painter/painter_kit.h"
#include "tools/skin_painter/skin_writer.h"
#include "ui/skin/skin_layout.h"

namespace karvo::painter {

class DialogPictures {
  public:
    // Reads the dialog layouts from `englishFolder`.
    explicit DialogPictures(const std::filesystem::path& englishFolder);

    void write(SkinWriter& out) const;
    QImage dialog(LayoutFile file, State s) const;

    // The pictures of one language folder: its macro badge and its language menu row.
    static void writeLanguage(SkinWriter& out, const QString& folder, const QString& badge,
                              const QString& languageName, const QString& fallbackName);

  private:
    SkinLayout layoutOf(LayoutFile file) const;
    std::filesystem::path folder_;
};

}  // namespace karvo::painter
