// The shipped skin: every language folder parses, places every control the code relies on
// inside its picture with the same geometry as the others, and carries every text the program
// reads; after the build every picture exists with the size its window implies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>

#include "services/language_text.h"
#include "services/language_text_index.h"
#include "services/program_paths.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/layout_index.h"
#include "ui/skin/main_skin.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(KARVO_SOURCE_DATA_DIR) / "skins";

std::vector<int> languages() {
    std::vector<int> all;
    for (int i = 0; i <= 26; ++i) {
        if (!languageFolderName(i).empty())
            all.push_back(i);
    }
    return all;
}

fs::path folderOf(int language) {
    return kSource / languageFolderName(language);
}

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Picture sizes from the file headers: PNG's IHDR, or a JPEG's start-of-frame marker.
std::optional<Size> pictureSize(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto byte = [&b](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    const auto be16 = [&](std::size_t i) { return byte(i) << 8 | byte(i + 1); };
    if (b.size() > 24 && b.compare(1, 3, "PNG") == 0)
        return Size{be16(18), be16(22)};
    for (std::size_t i = 2; i + 9 < b.size();) {
        if (byte(i) != 0xFF)
            return std::nullopt;
        const int marker = byte(i + 1);
        if (marker >= 0xC0 && marker <= 0xC2)
            return Size{be16(i + 7), be16(i + 5)};
        i += 2 + static_cast<std::size_t>(be16(i + 2));
    }
    return std::nullopt;
}

// The base size of each window's pictures.
Size windowSize(LayoutFile file) {
    switch (file) {
        case LayoutFile::Warning:
            return {440, 204};
        case LayoutFile::Keyset:
            return {360, 200};
        case LayoutFile::Shortcut:
            return {480, 330};
        case LayoutFile::Sound:
            return {520, 340};
        case LayoutFile::Gun:
            return {560, 380};
        default:
            return {1100, 700};
    }
}

SkinLayout readLayout(int language, LayoutFile file, RecordingNotifier& notifier) {
    const auto d = DialogLayout::load(folderOf(language), file, 1, notifier);
    return d ? d->layout() : SkinLayout();
}

TEST(ShippedSkin, EveryLanguageFolderLoadsWithoutANotice) {
    for (const int language : languages()) {
        RecordingNotifier notifier;
        MainSkin skin;
        EXPECT_EQ(skin.load(folderOf(language), 1, "x", notifier), MainSkin::Load::Loaded)
            << language;
        for (const LayoutFile f :
             {LayoutFile::Keyset, LayoutFile::Shortcut, LayoutFile::Sound, LayoutFile::Gun})
            EXPECT_TRUE(DialogLayout::load(folderOf(language), f, 1, notifier)) << language;
        LanguageTextTable texts;
        EXPECT_EQ(texts.load(folderOf(language), notifier), LanguageTextTable::Load::Loaded);
        EXPECT_TRUE(notifier.notices.empty()) << language;
        EXPECT_FALSE(skin.webAddress().empty()) << language;
        // The optional functions fill the sub-menu rows 1, 2, 3 ... without gaps.
        for (int row = 1; row <= skin.functions().extraRowCount(); ++row)
            EXPECT_TRUE(skin.functions().extraCodeAt(row)) << language << " row " << row;
    }
}

TEST(ShippedSkin, EveryControlTheCodeUsesLiesInsideItsPicture) {
    RecordingNotifier notifier;
    for (const auto& window : skin::allWindowControls()) {
        const Size size = windowSize(window.file);
        const SkinLayout layout = readLayout(1, window.file, notifier);
        std::set<int> seen;
        for (const skin::Control& c : window.controls) {
            const SkinRect r = layout.rect(c.index);
            const std::string what = std::string(layoutFileInfo(window.file).fileName) + " " +
                                     std::to_string(c.index) + " (" + std::string(c.name) + ")";
            EXPECT_TRUE(seen.insert(c.index).second) << what << " is listed twice";
            EXPECT_LT(static_cast<std::size_t>(c.index), layoutFileInfo(window.file).entries)
                << what;
            EXPECT_FALSE(r.empty()) << what;
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.width <= size.width &&
                        r.y + r.height <= size.height)
                << what;
        }
    }
    // The DPI slider is exactly as long as the page computes it.
    EXPECT_EQ(readLayout(1, LayoutFile::Advance, notifier).rect(skin::advanced::kDpiSlider).width,
              skin::advanced::kDpiSliderLength);
}

TEST(ShippedSkin, EveryLanguageKeepsTheSharedPicturesGeometry) {
    RecordingNotifier notifier;
    for (const auto& info : kLayoutFiles) {
        const SkinLayout english = readLayout(1, info.id, notifier);
        for (const int language : languages()) {
            const SkinLayout other = readLayout(language, info.id, notifier);
            ASSERT_EQ(other.size(), english.size());
            for (std::size_t i = 0; i < english.size(); ++i) {
                EXPECT_EQ(other.rect(static_cast<int>(i)), english.rect(static_cast<int>(i)))
                    << info.fileName << " entry " << i << " of language " << language;
            }
        }
    }
}

TEST(ShippedSkin, EveryLanguageFileHasEveryTextTheProgramReads) {
    for (const int language : languages()) {
        RecordingNotifier notifier;
        LanguageTextTable texts;
        ASSERT_EQ(texts.load(folderOf(language), notifier), LanguageTextTable::Load::Loaded);
        for (const text::TextKey& key : text::textsRead()) {
            EXPECT_FALSE(texts.text(key.section, key.index).empty())
                << sectionName(key.section) << " " << key.index << " (" << key.use
                << ") of language " << language;
        }
        EXPECT_EQ(texts.fontKeys().flag, "") << language;
    }
}

#ifdef KARVO_HAVE_PICTURES
const fs::path kBuilt =
    fs::path(std::getenv("KARVO_BIN_DIR") ? std::getenv("KARVO_BIN_DIR") : ".") / "skins";

void expectPicture(const std::string& name, std::optional<Size> size = std::nullopt) {
    const auto actual = pictureSize(kBuilt / name);
    ASSERT_TRUE(actual) << name << " is missing or unreadable";
    if (size) {
        EXPECT_EQ(*actual, *size) << name;
    }
}

TEST(ShippedPictures, PagesAndDialogsMatchTheirMasks) {
    const auto mask = pictureSize(kBuilt / "main_mask.jpg");
    ASSERT_TRUE(mask);
    EXPECT_EQ(*mask, windowSize(LayoutFile::Main));
    for (const char* page : {"main", "advanced", "mac", "led"}) {
        for (const char* state : {"normal", "over", "down"})
            expectPicture(std::string(page) + "_" + state + ".jpg", *mask);
    }
    for (const char* cover : {"led_null.jpg", "new_down.jpg"})
        expectPicture(cover, *mask);
    expectPicture("moveRect.png", Size{12, 12});
    struct Dialog {
        const char* stem;
        LayoutFile file;
        bool down;
    };
    for (const Dialog d :
         {Dialog{"warning", LayoutFile::Warning, false}, Dialog{"keyset", LayoutFile::Keyset, true},
          Dialog{"sound", LayoutFile::Sound, true}, Dialog{"gun", LayoutFile::Gun, true}}) {
        const std::string stem = d.stem;
        expectPicture(stem + "_mask.jpg", windowSize(d.file));
        for (const char* state : {"normal", "over"})
            expectPicture(stem + "_" + state + ".jpg", windowSize(d.file));
        if (d.down)
            expectPicture(stem + "_down.jpg", windowSize(d.file));
    }
    for (const char* state : {"normal", "over", "down"})
        expectPicture(std::string("combinationKey_") + state + ".jpg",
                      windowSize(LayoutFile::Shortcut));
    const Size weapon = windowSize(LayoutFile::Gun);
    const SkinRect slot = [] {
        RecordingNotifier n;
        return readLayout(1, LayoutFile::Gun, n).rect(skin::gun::kPicture);
    }();
    EXPECT_LE(slot.width, weapon.width);
    for (int n = 1; n <= skin::gun::kPresets; ++n)
        expectPicture("Gun/" + std::to_string(n) + ".jpg", Size{slot.width, slot.height});
}

TEST(ShippedPictures, MenusHaveWholeRowsInEveryState) {
    struct Menu {
        std::string stem;
        std::string suffix;
        int rows;
        bool mask;
        bool normal;
    };
    const Menu menus[] = {
        {"Profile", "", 4, true, true},
        {"menu1", "", 15, true, true},
        {"menu", "", 15, true, true},
        {"menu2", "", 15, true, true},
        {"more", "", 3, true, false},
        {"led_menu", "", 15, true, true},
        {"Macro_menu", "", 15, false, true},
        {"MacMenu/MacG", "", 15, true, true},
        {"MacMenu/MacR", "", 15, true, true},
        {"MacMenu/MacR", "2", 15, true, true},
        {"MacMenu/Insert", "", 15, true, true},
        {"MacMenu/Insert2th", "", 15, true, true},
        {"MacMenu/Insert3th", "", 15, true, true},
    };
    for (const Menu& m : menus) {
        const std::string base = m.stem + (m.mask ? "_mask" : "_normal") + m.suffix + ".jpg";
        const auto size = pictureSize(kBuilt / base);
        ASSERT_TRUE(size) << base;
        EXPECT_EQ(size->height % m.rows, 0) << base << ": rows must not be cut";
        std::vector<std::string> states = {"over", "down"};
        if (m.normal)
            states.push_back("normal");
        for (const auto& state : states)
            expectPicture(m.stem + "_" + state + m.suffix + ".jpg", *size);
    }
    // The language menu's rows come from each language folder, one menu2 row each.
    const auto menu2 = pictureSize(kBuilt / "menu2_mask.jpg");
    ASSERT_TRUE(menu2);
    for (const int language : languages()) {
        const std::string folder(languageFolderName(language));
        for (const char* row : {"/ver_normal.jpg", "/ver_over.jpg"})
            expectPicture(folder + row, Size{menu2->width, menu2->height / 15});
        expectPicture(folder + "/zhi.png");
    }
}
#endif

}  // namespace
}  // namespace karvo
