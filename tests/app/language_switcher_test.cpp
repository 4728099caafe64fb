// The run-time language switch: every text, layout and macro path comes from the new language
// folder, config.ini changes in VER_SEL alone, switching back restores it byte for byte, and
// an incomplete folder is refused without a change.
#include "app/language_switcher.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/null_pointer_settings.h"
#include "services/language_text_index.h"
#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramFolder = fs::path(KARVO_DATA_OUT_DIR).parent_path();

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string withoutLanguage(const std::string& config) {
    std::istringstream in(config);
    std::string line, out;
    while (std::getline(in, line)) {
        if (!line.starts_with("VER_SEL="))
            out += line + '\n';
    }
    return out;
}

class RecordingPlatform final : public StartupPlatform {
  public:
    TextSize screenSize() override { return {1920, 1080}; }
    int logicalDpi() override { return 96; }
    bool applyFonts(const FontChoice& choice, const fs::path&) override {
        fonts.push_back(choice);
        return true;
    }
    void setWindowTitle(const std::string& t) override { title = t; }
    void setWindowIcon(const std::string&) override {}
    TextSize pictureSize(const std::string&) override { return {1100, 700}; }
    void shapeWindow(TextSize) override {}
    void createChildControls(const MainSkin&) override { ++childControls; }
    hid::HidBackend& hidBackend() override { std::abort(); }
    hid::DeviceNotifier* deviceNotifier() override { return nullptr; }
    PointerSettings& pointerSettings() override { return pointer; }

    std::vector<FontChoice> fonts;
    std::string title;
    int childControls = 0;
    NullPointerSettings pointer;
};

class LanguageSwitcherTest : public ::testing::Test {
  protected:
    LanguageSwitcherTest() {
        fs::copy(kProgramFolder / "skins", dir / "skins", fs::copy_options::recursive);
        state.language = state.store.readLanguage();
        state.paths.setLanguage(state.language);
        state.description = DeviceDescription::read(state.paths.configFile, notifier);
        for (int p = 0; p < kProfiles; ++p)
            state.store.loadProfile(state.settings, p, ProfileStore::Source::Config);
        EXPECT_EQ(state.texts.load(state.paths.languageFolder, notifier),
                  LanguageTextTable::Load::Loaded);
        EXPECT_EQ(state.skin.load(state.paths.languageFolder, 1, "x", notifier),
                  MainSkin::Load::Loaded);
        state.macros.load(state.paths, state.language);
        // Open a macro, so the switch has one to save.
        state.macros.withGroups([](MacroGroup& g) { g.selectLine(1); });
    }

    karvo::testing::TempDir dir;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    ProgramState state{ProgramPaths::build(dir.path(), 1), notifier, pointer};
    RecordingPlatform platform;
    int afterSwitch = 0;
    LanguageSwitcher languages{{state, platform, notifier, nullptr, [this] { ++afterSwitch; },
                                [](int position) -> std::optional<int> {
                                    // The menu's order: 0, 1, 2 ...
                                    return position >= 0 && position < 25
                                               ? std::optional<int>(position)
                                               : std::nullopt;
                                }}};
};

TEST_F(LanguageSwitcherTest, EverythingComesFromTheNewFolderAndOnlyVerSelChanges) {
    ASSERT_EQ(state.language, 1);
    const std::string before = readAll(state.paths.configFile);
    const std::string englishTip = state.texts.text(TextSection::TipText, text::tip::kNotPossible);

    ASSERT_TRUE(languages.switchToLanguage(4));
    const fs::path german = dir / "skins" / "4_INI_DE";
    EXPECT_EQ(state.language, 4);
    EXPECT_EQ(state.settings.snapshot().language, 4);
    EXPECT_EQ(state.paths.languageFolder, german);
    EXPECT_EQ(state.paths.macroFolder, german / "macro");
    EXPECT_EQ(state.macros.withGroups([](MacroGroup& g) { return g.macroFolder(); }),
              german / "macro");
    EXPECT_EQ(state.store.readLanguage(), 4);

    // Texts and layouts as the German folder has them.
    LanguageTextTable germanTexts;
    ASSERT_EQ(germanTexts.load(german, notifier), LanguageTextTable::Load::Loaded);
    for (const TextSection section : kTextSections) {
        for (int i = 0; i < LanguageTextTable::kTextsPerSection; ++i)
            ASSERT_EQ(state.texts.text(section, i), germanTexts.text(section, i));
    }
    EXPECT_NE(state.texts.text(TextSection::TipText, text::tip::kNotPossible), englishTip);
    MainSkin germanSkin;
    ASSERT_EQ(germanSkin.load(german, 1, germanTexts.text(TextSection::Other, 1), notifier),
              MainSkin::Load::Loaded);
    for (const LayoutFile file : kMainWindowFiles) {
        const SkinLayout& now = state.skin.layout(file);
        const SkinLayout& expected = germanSkin.layout(file);
        ASSERT_EQ(now.size(), expected.size());
        for (std::size_t i = 0; i < now.size(); ++i) {
            EXPECT_EQ(now.rect(static_cast<int>(i)), expected.rect(static_cast<int>(i)));
            EXPECT_EQ(now.text(static_cast<int>(i)), expected.text(static_cast<int>(i)));
        }
    }
    EXPECT_EQ(state.skin.functions().name(2), germanSkin.functions().name(2));
    EXPECT_EQ(platform.title, state.description.productName(4));
    EXPECT_EQ(afterSwitch, 1);
    EXPECT_TRUE(notifier.notices.empty());

    const std::string during = readAll(state.paths.configFile);
    EXPECT_NE(during, before);
    EXPECT_EQ(withoutLanguage(during), withoutLanguage(before));

    ASSERT_TRUE(languages.switchToLanguage(1));
    EXPECT_EQ(readAll(state.paths.configFile), before);
    EXPECT_EQ(state.paths.macroFolder, dir / "skins" / "1_INI_EN" / "macro");
}

TEST_F(LanguageSwitcherTest, AFolderWithoutAllItsFilesIsRefusedAndNothingChanges) {
    fs::remove(dir / "skins" / "4_INI_DE" / "skin_mac.ini");
    const std::string before = readAll(state.paths.configFile);
    const std::string tip = state.texts.text(TextSection::TipText, 6);
    EXPECT_FALSE(languages.switchToLanguage(4));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].tipText, text::tip::kMissingFile);
    EXPECT_NE(notifier.notices[0].text.find("skin_mac.ini"), std::string::npos);
    EXPECT_EQ(state.language, 1);
    EXPECT_EQ(state.texts.text(TextSection::TipText, 6), tip);
    EXPECT_EQ(readAll(state.paths.configFile), before);
    EXPECT_EQ(afterSwitch, 0);
    EXPECT_FALSE(
        languages.switchToLanguage(25));  // no folder: its files are not in the skin folder
}

TEST_F(LanguageSwitcherTest, TheWindowsSeamSwitchesByMenuPosition) {
    languages.switchTo(2);  // the third row
    EXPECT_EQ(state.language, 2);
    languages.switchTo(40);  // past the menu: nothing
    EXPECT_EQ(state.language, 2);
    languages.fontsChanged();
    ASSERT_EQ(platform.fonts.size(), 1u);
}

TEST_F(LanguageSwitcherTest, TheFontRefreshChoosesTheNewLanguagesFaceAndRegistersEmbeddedOnce) {
    ASSERT_TRUE(languages.switchToLanguage(0));
    languages.refreshFonts();
    ASSERT_EQ(platform.fonts.size(), 1u);
    EXPECT_EQ(platform.fonts[0].face, "微软雅黑");
    EXPECT_TRUE(platform.fonts[0].registerEmbedded);
    ASSERT_TRUE(languages.switchToLanguage(1));
    languages.refreshFonts();
    ASSERT_EQ(platform.fonts.size(), 2u);
    EXPECT_EQ(platform.fonts[1].face, "Arial");
    EXPECT_FALSE(platform.fonts[1].registerEmbedded);
}

}  // namespace
}  // namespace karvo
