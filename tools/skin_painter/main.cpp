// skin_painter: draws every picture of the skin at build time.
//   skin_painter <data/skins> <bin/skins> <contact-sheet.png>
// Reads the layout files and language texts from the source tree, writes the pictures into the
// build's skin folder (and each language folder's own pictures), then the contact sheet.
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "services/language_text.h"
#include "services/language_text_index.h"
#include "services/program_paths.h"
#include "tools/skin_painter/contact_sheet.h"
#include "tools/skin_painter/dialog_pictures.h"
#include "tools/skin_painter/list_icons.h"
#include "tools/skin_painter/menu_pictures.h"
#include "tools/skin_painter/page_pictures.h"
#include "tools/skin_painter/program_icon.h"

namespace {

using namespace karvo;
using namespace karvo::painter;

// A page as the window shows it: the current tab and profile pressed, one control hovered,
// and the layout texts on top.
QImage preview(const PagePictures& pages, const MainSkin& skin, int page, int hot) {
    QImage (PagePictures::*draw)(State) const = page == 0   ? &PagePictures::buttonsPage
                                                : page == 1 ? &PagePictures::advancedPage
                                                : page == 2 ? &PagePictures::macroPage
                                                            : &PagePictures::lightingPage;
    QImage canvas = (pages.*draw)(State::Normal);
    const QImage over = (pages.*draw)(State::Over);
    const QImage down = (pages.*draw)(State::Down);
    const SkinLayout& table = page == 0   ? skin.main()
                              : page == 1 ? skin.advanced()
                              : page == 2 ? skin.macro()
                                          : skin.lighting();
    {
        QPainter p(&canvas);
        for (const int i : {6 + page, 10}) {
            const QRect r = toQRect(skin.main().rect(i));
            p.drawImage(r.topLeft(), down.copy(r));
        }
        if (hot >= 0) {
            const QRect r = toQRect(table.rect(hot));
            p.drawImage(r.topLeft(), over.copy(r));
        }
        if (page == 1) {
            for (const int i : {60, 47, 48, 49, 35, 39}) {
                const QRect r = toQRect(table.rect(i));
                p.drawImage(r.topLeft(), down.copy(r));
            }
            const QColor colours[] = {QColor(255, 59, 107), QColor(255, 179, 46),
                                      QColor(59, 232, 139), QColor(7, 188, 255),
                                      QColor(138, 92, 255), QColor(240, 240, 240)};
            for (int k = 0; k < 6; ++k)
                p.fillRect(toQRect(table.rect(77 + k)), colours[k]);
            p.fillRect(toQRect(table.rect(83)), QColor(255, 120, 40));
            for (const auto& [entry, fill] :
                 {std::pair{66, 7 * 303 / 17}, std::pair{1, 6 * 360 / 11},
                  std::pair{18, 3 * 360 / 11}, std::pair{31, 90 * 360 / 300}}) {
                QRect r = toQRect(table.rect(entry));
                r.setWidth(fill);
                p.drawImage(r.topLeft(), down.copy(r));
                const int top = entry == 66 ? r.top() + 13 : r.top();
                p.drawImage(QPoint(r.right() + 1 - (entry == 66 ? 5 : 6), top), PainterKit::knob());
            }
        }
        if (page == 3) {
            for (const int i : {17, 7, 8, 9, 51, 52, 53, 47, 14}) {
                const QRect r = toQRect(table.rect(i));
                p.drawImage(r.topLeft(), down.copy(r));
            }
            const QColor colours[] = {QColor(255, 59, 107), QColor(255, 179, 46),
                                      QColor(59, 232, 139), QColor(7, 188, 255),
                                      QColor(138, 92, 255), QColor(240, 240, 240),
                                      QColor(255, 120, 40)};
            for (int k = 0; k < 7; ++k)
                p.fillRect(toQRect(table.rect(k)), colours[k]);
        }
        if (page == 0) {
            const int functions[] = {1, 2, 3, 4, 5, 13, 14, 19};
            p.setFont(PainterKit::font(13));
            p.setPen(Qt::white);
            for (int n = 0; n < 8; ++n) {
                p.drawText(toQRect(table.rect(35 + n)), Qt::AlignCenter,
                           QString::fromStdString(skin.functions().name(functions[n])));
            }
            for (const int i : {31, 47, 48, 49, 50}) {
                const QRect r = toQRect(table.rect(i));
                p.drawImage(r.topLeft(), down.copy(r));
            }
        }
    }
    canvas = ContactSheet::withTexts(canvas, skin.main(), 0, 18);
    return ContactSheet::withTexts(canvas, table, page == 0 ? 20 : 0, page == 0 ? 79 : 137);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: skin_painter <data/skins> <bin/skins> <contact-sheet.png>\n");
        return 2;
    }
    const std::filesystem::path source = argv[1];
    const QString out = QString::fromLocal8Bit(argv[2]);
    const std::filesystem::path english = source / languageFolderName(1);

    MainSkin skin;
    RecordingNotifier notices;
    if (skin.load(english, 1, "Disabled", notices) != MainSkin::Load::Loaded) {
        std::fprintf(stderr, "skin_painter: the English layout files are missing in %s\n",
                     english.c_str());
        return 1;
    }
    SkinWriter writer(out);
    const PagePictures pages(skin);
    pages.write(writer);
    DialogPictures(english).write(writer);
    MenuPictures().write(writer);
    writer.save(QStringLiteral("karvo_icon.png"), programIcon(64));
    ListIcons::write(writer);
    const char* englishNames[] = {"Chinese (Simplified)",
                                  "English",
                                  "French",
                                  "Belgian",
                                  "German",
                                  "Spanish",
                                  "Italian",
                                  "Russian",
                                  "Turkish",
                                  "Portuguese",
                                  "Thai",
                                  "Korean",
                                  "Japanese",
                                  "Arabic",
                                  "Polish",
                                  "Czech",
                                  "Swedish",
                                  "Dutch",
                                  "Portuguese (Brazil)",
                                  "Chinese (Traditional)",
                                  "Dutch (Belgium)",
                                  "Danish",
                                  "Slovenian",
                                  "Persian",
                                  "Ukrainian",
                                  "",
                                  "Hungarian"};
    for (int index = 0; index <= 26; ++index) {
        const std::string_view folder = languageFolderName(index);
        if (folder.empty())
            continue;
        LanguageTextTable texts;
        if (texts.load(source / folder, notices) != LanguageTextTable::Load::Loaded)
            continue;
        DialogPictures::writeLanguage(
            writer, QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size())),
            QString::fromStdString(texts.text(TextSection::Other, text::other::kMacroBadge)),
            QString::fromStdString(texts.text(TextSection::Other, text::other::kLanguageName)),
            QString::fromLatin1(englishNames[index]));
    }

    const std::vector<QImage> previews = {preview(pages, skin, 0, 20), preview(pages, skin, 1, 62),
                                          preview(pages, skin, 2, 4), preview(pages, skin, 3, 35)};
    const QImage sheet = ContactSheet::build(previews, writer.written());
    if (!sheet.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "skin_painter: cannot write %s\n", argv[3]);
        return 1;
    }
    for (const auto& n : notices.notices)
        std::fprintf(stderr, "skin_painter: notice %d %s\n", n.tipText, n.text.c_str());
    return notices.notices.empty() ? 0 : 1;
}
