// The owner-drawn list box: hit-testing with a scrolled list, clicks and the selection handler,
// the wheel and the arrow keys at both ends, and what a paint draws where.
#include "ui/controls/list_box_xi.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"

namespace karvo {
namespace {

using testing::RecordingCanvas;
using Kind = RecordingCanvas::Op::Kind;

// A list 100 x 50 pixels with lines 10 pixels high: five lines fit.
struct ListFixture {
    explicit ListFixture(int count) {
        list.setSize(100, 50);
        list.setLineHeight(10);
        std::vector<ListLine> lines;
        for (int i = 0; i < count; ++i)
            lines.push_back({"line " + std::to_string(i), ListIcon::Press, 0, false});
        list.setLines(std::move(lines));
        list.setOnSelect([this](int line) { chosen.push_back(line); });
    }
    CListBoxXI list;
    std::vector<int> chosen;
};

TEST(ListBoxXI, HitTestCountsFromTheTopLineAndEndsAtTheLastLine) {
    ListFixture f(8);
    EXPECT_EQ(f.list.visibleLines(), 5);
    EXPECT_EQ(f.list.lineAt(0), 0);
    EXPECT_EQ(f.list.lineAt(9), 0);
    EXPECT_EQ(f.list.lineAt(10), 1);
    EXPECT_EQ(f.list.lineAt(49), 4);
    EXPECT_EQ(f.list.lineAt(50), CListBoxXI::kNone);  // below the box
    EXPECT_EQ(f.list.lineAt(-1), CListBoxXI::kNone);
    EXPECT_TRUE(f.list.onWheel(-1));  // three lines down
    EXPECT_EQ(f.list.topLine(), 3);
    EXPECT_EQ(f.list.lineAt(0), 3);
    EXPECT_EQ(f.list.lineAt(49), 7);

    ListFixture shortList(2);
    EXPECT_EQ(shortList.list.lineAt(15), 1);
    EXPECT_EQ(shortList.list.lineAt(20), CListBoxXI::kNone);  // empty space under the lines
}

TEST(ListBoxXI, AClickSelectsItsLineAndTellsTheHandlerAMissDoesNot) {
    ListFixture f(3);
    EXPECT_TRUE(f.list.onLeftDown(50, 25));
    EXPECT_EQ(f.list.selection(), 2);
    EXPECT_FALSE(f.list.onLeftDown(50, 35));  // below the last line
    EXPECT_FALSE(f.list.onLeftDown(100, 5));  // right of the box
    EXPECT_EQ(f.list.selection(), 2);
    EXPECT_EQ(f.chosen, std::vector<int>{2});
}

TEST(ListBoxXI, TheWheelStopsAtBothEnds) {
    ListFixture f(12);
    EXPECT_FALSE(f.list.onWheel(1));  // already at the top
    EXPECT_TRUE(f.list.onWheel(-10));
    EXPECT_EQ(f.list.topLine(), 7);  // the last five lines fill the box
    EXPECT_FALSE(f.list.onWheel(-1));
    EXPECT_TRUE(f.list.onWheel(1));
    EXPECT_EQ(f.list.topLine(), 4);
    EXPECT_TRUE(f.list.onWheel(1000000000));  // far turns neither overflow nor pass the top
    EXPECT_EQ(f.list.topLine(), 0);

    ListFixture shortList(3);
    EXPECT_FALSE(shortList.list.onWheel(-1));  // everything is shown already
    EXPECT_EQ(shortList.list.topLine(), 0);
}

TEST(ListBoxXI, ArrowKeysMoveTheSelectionAndKeepItInView) {
    ListFixture f(7);
    EXPECT_TRUE(f.list.onKey(CListBoxXI::Key::Up));
    EXPECT_EQ(f.list.selection(), 6);  // Up with nothing selected: the last line
    EXPECT_EQ(f.list.topLine(), 2);
    f.list.setSelection(CListBoxXI::kNone);
    f.chosen.clear();
    EXPECT_TRUE(f.list.onKey(CListBoxXI::Key::Down));
    EXPECT_EQ(f.list.selection(), 0);
    for (int i = 0; i < 5; ++i)
        f.list.onKey(CListBoxXI::Key::Down);
    EXPECT_EQ(f.list.selection(), 5);
    EXPECT_EQ(f.list.topLine(), 1);  // line 5 scrolled into view
    f.list.onKey(CListBoxXI::Key::Down);
    EXPECT_FALSE(f.list.onKey(CListBoxXI::Key::Down));  // the last line stays
    EXPECT_EQ(f.chosen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    f.list.setSelection(0);
    EXPECT_EQ(f.list.topLine(), 0);
    EXPECT_FALSE(f.list.onKey(CListBoxXI::Key::Up));

    CListBoxXI empty;
    EXPECT_FALSE(empty.onKey(CListBoxXI::Key::Down));
    EXPECT_EQ(empty.selection(), CListBoxXI::kNone);
}

TEST(ListBoxXI, NewLinesKeepASelectionThatStillExistsAndTheTopWithinTheList) {
    ListFixture f(10);
    f.list.setSelection(8);
    EXPECT_EQ(f.list.topLine(), 4);
    f.list.setLines({{"a", ListIcon::Macro, 0, false}, {"b", ListIcon::Macro, 0, false}});
    EXPECT_EQ(f.list.selection(), CListBoxXI::kNone);
    EXPECT_EQ(f.list.topLine(), 0);
    f.list.setSelection(1);
    f.list.setLines({{"a", ListIcon::Macro, 0, false}, {"c", ListIcon::Macro, 0, false}});
    EXPECT_EQ(f.list.selection(), 1);
    f.list.setSelection(5);  // beyond the list: nothing selected
    EXPECT_EQ(f.list.selection(), CListBoxXI::kNone);
    EXPECT_TRUE(f.chosen.empty());  // none of this was the user's choice
}

TEST(ListBoxXI, PaintFillsTheBackgroundThenDrawsEachVisibleLine) {
    ListFixture f(8);
    f.list.setIconStrip("icons.png");
    std::vector<ListLine> lines = f.list.lines();
    lines[3].icon = ListIcon::Sensitivity;
    lines[3].indent = 2;
    lines[6].marked = true;
    f.list.setLines(lines);
    f.list.onWheel(-1);  // lines 3 to 7 in view
    f.list.setSelection(4);
    RecordingCanvas canvas;
    f.list.paint(canvas);

    ASSERT_FALSE(canvas.ops.empty());
    EXPECT_EQ(canvas.ops[0].kind, Kind::Fill);
    EXPECT_EQ(canvas.ops[0].rect, (SkinRect{0, 0, 100, 50}));
    EXPECT_EQ(canvas.ops[0].colour, 0x161616u);

    // The selected line (row 1) and the marked one (row 3) are highlighted, nothing else.
    std::vector<SkinRect> highlighted;
    for (const auto& op : canvas.ofKind(Kind::Fill)) {
        if (op.colour == CListBoxXI::kHighlight)
            highlighted.push_back(op.rect);
    }
    EXPECT_EQ(highlighted, (std::vector<SkinRect>{{0, 10, 100, 10}, {0, 30, 100, 10}}));

    const auto texts = canvas.ofKind(Kind::Text);
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[0].picture, "line 3");
    EXPECT_EQ(texts[4].picture, "line 7");
    for (const auto& t : texts)
        EXPECT_EQ(t.colour, kWhite);

    const auto icons = canvas.ofKind(Kind::PicturePart);
    ASSERT_GE(icons.size(), 2u);
    EXPECT_EQ(icons[0].picture, "icons.png");
    EXPECT_EQ(icons[0].source, (SkinRect{5 * 16, 0, 16, 16}));  // the sensitivity cell
    EXPECT_EQ(icons[1].source, (SkinRect{1 * 16, 0, 16, 16}));  // a press
    // The indent moves the icon and the text of line 3 two icon widths to the right.
    EXPECT_EQ(icons[0].rect.x - icons[1].rect.x, 32);
    EXPECT_EQ(texts[0].rect.x - texts[1].rect.x, 32);
    EXPECT_GT(texts[1].rect.x, icons[1].rect.x + 15);  // text right of its icon
    for (const auto& t : texts)
        EXPECT_LT(t.rect.y, 50);  // no line below the box is drawn
}

}  // namespace
}  // namespace karvo
