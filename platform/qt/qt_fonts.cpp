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
    // A language with a script of its own takes a system face that carries the script when
    // the named face (a Windows one, often) is not installed.
    if (choice.source == FontChoice::Source::System && choice.script != Script::Latin) {
        const QString script = scriptFamily(choice.script);
        if (!script.isEmpty() && !QFontDatabase::families().contains(face))
            face = script;
    }
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        fonts_[i] = QFont(face);
        fonts_[i].setPointSizeF(choice.sizes[i] / 10.0);
    }
    return ok;
}

QString QtFonts::scriptFamily(Script script) {
    QFontDatabase::WritingSystem system = QFontDatabase::Latin;
    QStringList preferred;
    switch (script) {
        case Script::Thai:
            system = QFontDatabase::Thai;
            preferred = {QStringLiteral("Noto Sans Thai"), QStringLiteral("Loma")};
            break;
        case Script::Arabic:
            system = QFontDatabase::Arabic;
            preferred = {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Cairo")};
            break;
        case Script::Korean:
            system = QFontDatabase::Korean;
            preferred = {QStringLiteral("Noto Sans CJK KR")};
            break;
        case Script::Japanese:
            system = QFontDatabase::Japanese;
            preferred = {QStringLiteral("Noto Sans CJK JP")};
            break;
        case Script::SimplifiedChinese:
            system = QFontDatabase::SimplifiedChinese;
            preferred = {QStringLiteral("Noto Sans CJK SC")};
            break;
        case Script::TraditionalChinese:
            system = QFontDatabase::TraditionalChinese;
            preferred = {QStringLiteral("Noto Sans CJK TC")};
            break;
        case Script::Latin:
            return {};
    }
    const QStringList families = QFontDatabase::families(system);
    for (const QString& name : preferred) {
        if (families.contains(name))
            return name;
    }
    return families.isEmpty() ? QString() : families.front();
}

const QFont& QtFonts::font(FontRole role) const {
    const int i = static_cast<int>(role) - 1;
    return fonts_[static_cast<std::size_t>(i < 0 || i > 5 ? 1 : i)];
}

}  // namespace karvo::qt
