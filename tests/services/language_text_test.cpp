// The language text table: piece 1 of each value, the six sections, the bounds of the table,
// the font keys, and what a missing file does.
#include "services/language_text.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"
#include "ui/skin/skin_layout.h"

namespace karvo {
namespace {

using testing::TempDir;

TEST(LanguageText, EachTextIsTheSecondPieceOfItsValue) {
    TempDir dir;
    dir.write("LanguageText.ini",
              "[TipText]\r\n"
              "1=T1,No mouse was found:\r\n"
              "2=no comma at all\r\n"
              "3=a,b,c,d\r\n"  // three commas: the whole value is piece 0
              "4=T4,Missing file,\r\n"
              "5=T5,first,second\r\n"
              "6=l,1,2,3,4,5,6\r\n"  // five or more: split at every comma
              "49=last,Forty-nine\r\n"
              "50=beyond,Fifty\r\n");
    LanguageTextTable table;
    RecordingNotifier notifier;
    ASSERT_EQ(table.load(dir.path(), notifier), LanguageTextTable::Load::Loaded);
    const std::pair<int, const char*> cases[] = {
        {1, "No mouse was found:"},
        {2, ""},
        {3, ""},
        {4, "Missing file"},
        {5, "first"},
        {6, "1"},
        {7, ""},
        {49, "Forty-nine"},
        {50, ""},
        {-1, ""},
    };
    for (const auto& [index, text] : cases)
        EXPECT_EQ(table.text(TextSection::TipText, index), text) << index;
    EXPECT_TRUE(notifier.notices.empty());
}

TEST(LanguageText, FillsAllSixSectionsFromTheirOwnNames) {
    TempDir dir;
    std::string body;
    for (const TextSection s : kTextSections)
        body += "[" + std::string(sectionName(s)) + "]\n7=x," + std::string(sectionName(s)) + "\n";
    dir.write("LanguageText.ini", body);
    LanguageTextTable table;
    RecordingNotifier notifier;
    ASSERT_EQ(table.load(dir.path(), notifier), LanguageTextTable::Load::Loaded);
    for (const TextSection s : kTextSections) {
        EXPECT_EQ(table.text(s, 7), sectionName(s));
        EXPECT_EQ(table.text(s, 8), "");
    }
}

TEST(LanguageText, ReadsTheFontKeysAsWritten) {
    TempDir dir;
    dir.write("LanguageText.ini",
              "[UniqueName_MouseKey]\nfontFlag=1\nfont=\\fonts\\Face.ttf\nfontName=Face\n");
    LanguageTextTable table;
    RecordingNotifier notifier;
    ASSERT_EQ(table.load(dir.path(), notifier), LanguageTextTable::Load::Loaded);
    EXPECT_EQ(table.fontKeys(), (FontKeys{"1", "\\fonts\\Face.ttf", "Face"}));
}

TEST(LanguageText, AMissingFileIsReportedTwiceAndKeepsThePreviousTexts) {
    TempDir good;
    good.write("LanguageText.ini", "[TipText]\n4=T4,Missing file\n");
    TempDir empty;
    LanguageTextTable table;
    RecordingNotifier notifier;
    ASSERT_EQ(table.load(good.path(), notifier), LanguageTextTable::Load::Loaded);
    EXPECT_EQ(table.load(empty.path(), notifier), LanguageTextTable::Load::MissingFile);
    const std::vector<RecordingNotifier::Notice> expected = {{-1, std::string(kMissingFileText)},
                                                             {4, ""}};
    EXPECT_EQ(notifier.notices, expected);
    EXPECT_EQ(table.text(TextSection::TipText, 4), "Missing file");
}

}  // namespace
}  // namespace karvo
