// The program's fonts in Qt: registers what a font choice names (a language's font file, or the
// Roboto face built into the program) and keeps one QFont per font role.
#pragma once

#include <array>
#include <filesystem>

#include <QFont>

#include "app/font_choice.h"
#include "ui/skin/canvas.h"

namespace karvo::qt {

class QtFonts {
  public:
    QtFonts();
    // False when a font file or the built-in face could not be registered; the fonts then use
    // whatever face the system substitutes.
    bool apply(const FontChoice& choice, const std::filesystem::path& skinFolder);
    const QFont& font(FontRole role) const;
    // A system face that carries `script`, preferring the Noto faces; empty when none does.
    static QString scriptFamily(Script script);
    // Registers the Roboto face built into the program; false when the build had none.
    static bool registerBuiltInRoboto();

  private:
    std::array<QFont, 6> fonts_;
};

}  // namespace karvo::qt
