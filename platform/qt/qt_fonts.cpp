// Font registration and the six role fonts.
#include "platform/qt/qt_fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace karvo::qt {

QtFonts::QtFonts() {
    const FontChoice fallback = chooseFonts({}, 1, 96, 1, true);
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        fonts_[i] = QFont(QString::fromStdString(fallback.face));
        fonts_[i].setPointSizeF(fallback.sizes[i] / 10.0);
    }
}

bool QtFonts::registerBuiltInRoboto() {
    static const bool done = [] {
        QFile file(QStringLiteral(":/karvo/fonts/Roboto-Regular.ttf"));
        if (!file.exists())
            return false;  // built without fonts-roboto: nothing to register, no message
        return QFontDatabase::addApplicationFont(file.fileName()) >= 0;
    }();
    return done || !QFile::exists(QStringLiteral(":/karvo/fonts/Roboto-Regular.ttf"));
}

bool QtFonts::apply(const FontChoice& choice, const std::filesystem::path& skinFolder) {
    bool ok = true;
    QString face = QString::fromStdString(choice.face);
    if (choice.source == FontChoice::Source::FontFile) {
        // The language file writes the path Windows-style, beginning with a backslash.
        std::string relative = choice.fontFile;
        for (char& c : relative)
            c = c == '\\' ? '/' : c;
        while (!relative.empty() && relative.front() == '/')
            relative.erase(0, 1);
        ok = QFontDatabase::addApplicationFont(
                 QString::fromStdString((skinFolder / relative).string())) >= 0;
    }
    if (choice.registerEmbedded)
        ok = registerBuiltInRoboto() && ok;
    // A language without a font of its own shows in Roboto where the program carries it.
    if (choice.source == FontChoice::Source::System &&
        QFontDatabase::families().contains(QStringLiteral("Roboto")) && face == "Arial")
        face = QStringLiteral("Roboto");
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        fonts_[i] = QFont(face);
        fonts_[i].setPointSizeF(choice.sizes[i] / 10.0);
    }
    return ok;
}

const QFont& QtFonts::font(FontRole role) const {
    const int i = static_cast<int>(role) - 1;
    return fonts_[static_cast<std::size_t>(i < 0 || i > 5 ? 1 : i)];
}

}  // namespace karvo::qt
