// Layout tables read from files: scaling, missing keys, the dialog reader's complaints, the
// corner rectangles and the bounds of the entry accessor.
#include "ui/skin/skin_layout.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"
#include "ui/skin/dialog_layout.h"

namespace karvo {
namespace {

using testing::TempDir;

ini::IniSnapshot snapshotOf(const TempDir& dir, std::string_view body) {
    return ini::IniSnapshot(dir.write("skin.ini", body));
}

TEST(SkinLayout, ScalesEveryCoordinateByTheLayoutScale) {
    TempDir dir;
    const auto file = snapshotOf(dir, "[BUTTONPOS]\r\n0=label,10,20,30,40,t\r\n");
    for (const auto& [scale, rect] :
         {std::pair{1, SkinRect{10, 20, 30, 40}}, std::pair{2, SkinRect{20, 40, 60, 80}}}) {
        const SkinLayout layout = SkinLayout::read(file, "BUTTONPOS", 1, scale);
        EXPECT_EQ(layout.rect(0), rect) << scale;
        EXPECT_EQ(layout.text(0), "t");
    }
}

TEST(SkinLayout, MissingAndMalformedEntriesStayEmptyAndCanNeverBeHit) {
    TempDir dir;
    const auto file = snapshotOf(dir,
                                 "[BUTTONPOS]\n"
                                 "0=a,1,2,3,4\n"        // four commas: whole value is a label
                                 "1=b,5x,  6,7,8,Go\n"  // numbers read up to their digits
                                 "3=c,1,2,3,4,Text,extra\n"
                                 "7=out of range,1,1,1,1,x\n");
    const SkinLayout layout = SkinLayout::read(file, "buttonpos", 4, 1);
    ASSERT_EQ(layout.size(), 4u);
    EXPECT_EQ(layout.rect(0), SkinRect{});
    EXPECT_EQ(layout.rect(1), (SkinRect{5, 6, 7, 8}));
    EXPECT_EQ(layout.text(1), "Go");
    EXPECT_EQ(layout.rect(2), SkinRect{});  // missing key
    EXPECT_EQ(layout.text(3), "Text");
    EXPECT_FALSE(layout.rect(0).contains(0, 0));
    EXPECT_FALSE(layout.rect(2).contains(0, 0));
}

TEST(SkinLayout, IndexesOutsideTheTableGiveAnEmptyEntry) {
    TempDir dir;
    const auto file = snapshotOf(dir, "[BUTTONPOS]\n0=a,1,2,3,4,x\n");
    SkinLayout layout = SkinLayout::read(file, "BUTTONPOS", 1, 1);
    for (const int index : {-1, 1, 255, 1 << 30}) {
        EXPECT_EQ(layout.rect(index), SkinRect{}) << index;
        EXPECT_EQ(layout.text(index), "") << index;
        EXPECT_EQ(layout.takeText(index), "") << index;
    }
    EXPECT_EQ(layout.takeText(0), "x");
    EXPECT_EQ(layout.text(0), "");
}

TEST(SkinRect, HoldsItsLeftAndTopEdgesButNotItsRightAndBottom) {
    const SkinRect r{10, 20, 30, 40};
    EXPECT_TRUE(r.contains(10, 20));
    EXPECT_TRUE(r.contains(39, 59));
    EXPECT_FALSE(r.contains(40, 30));
    EXPECT_FALSE(r.contains(20, 60));
    EXPECT_FALSE(r.contains(9, 30));
    EXPECT_FALSE((SkinRect{10, 10, -5, 5}).contains(8, 12));
}

TEST(SkinLayout, BoxesAreKeptByTheirCorners) {
    TempDir dir;
    const auto file = snapshotOf(dir, "[EDIT]\n0=e,10,20,30,40,\n1=e,1,2\n");
    EXPECT_EQ(SkinLayout::readBox(file, "EDIT", "0", 2), (SkinBox{20, 40, 80, 120}));
    EXPECT_EQ(SkinLayout::readBox(file, "EDIT", "1", 1), (SkinBox{1, 2, 1, 2}));
    EXPECT_EQ(SkinLayout::readBox(file, "EDIT", "9", 1), SkinBox{});
}

TEST(SkinLayout, TheDialogReaderComplainsAboutEachOverlongValueAndReadsOn) {
    TempDir dir;
    const auto file = snapshotOf(dir,
                                 "[BUTTONPOS]\n"
                                 "0=OK,1,2,3,4,Apply,\n"
                                 "1=OK,1,2,3,4,Apply\n"  // no comma after the text: no text
                                 "2=x,5,6,7,8,T,,extra\n");
    RecordingNotifier notifier;
    const SkinLayout layout = SkinLayout::readDialog(file, "BUTTONPOS", 3, 1, notifier);
    EXPECT_EQ(layout.text(0), "Apply");
    EXPECT_EQ(layout.rect(1), (SkinRect{1, 2, 3, 4}));
    EXPECT_EQ(layout.text(1), "");
    EXPECT_EQ(layout.rect(2), (SkinRect{5, 6, 7, 8}));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].text, kDialogValueErrorText);
}

TEST(DialogLayout, AMissingFileClosesTheDialogWithItsMessage) {
    TempDir dir;
    RecordingNotifier notifier;
    EXPECT_FALSE(DialogLayout::load(dir.path(), LayoutFile::Keyset, 1, notifier));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0], (RecordingNotifier::Notice{-1, std::string(kMissingFileText)}));
}

TEST(DialogLayout, ReadsEachFileWithTheReaderOfItsTable) {
    TempDir dir;
    dir.write("skin_keyset.ini", "[BUTTONPOS]\n1=OK,10,20,30,40,OK,\n");
    dir.write("skin_gun.ini", "[BUTTONPOS]\n4=OK,10,20,30,40,OK\n[EDIT]\n2=s,1,2,3,4,\n");
    RecordingNotifier notifier;
    const auto keyset = DialogLayout::load(dir.path(), LayoutFile::Keyset, 1, notifier);
    ASSERT_TRUE(keyset);
    EXPECT_EQ(keyset->layout().size(), 4u);
    EXPECT_EQ(keyset->layout().text(1), "OK");
    const auto gun = DialogLayout::load(dir.path(), LayoutFile::Gun, 2, notifier);
    ASSERT_TRUE(gun);
    EXPECT_EQ(gun->layout().text(4), "OK");  // the window reader needs no closing comma
    EXPECT_EQ(gun->editFields()[2], (SkinBox{2, 4, 8, 12}));
    EXPECT_TRUE(notifier.notices.empty());
}

}  // namespace
}  // namespace karvo
