// The two value readers of the layout files, on the comma counts where their rules change.
#include "ui/skin/layout_value.h"

#include <gtest/gtest.h>

namespace karvo {
namespace {

TEST(WindowValueReader, CutsByTheNumberOfCommas) {
    struct Case {
        const char* value;
        LayoutPieces pieces;
    };
    const Case cases[] = {
        {"", {"", "", "", "", "", ""}},
        {"Left click", {"Left click", "", "", "", "", ""}},
        {"label,message", {"label", "message", "", "", "", ""}},
        {"label,message,", {"label", "message", "", "", "", ""}},
        {"a,b,c", {"a", "b", "c", "", "", ""}},
        {"a,b,c,d", {"a,b,c,d", "", "", "", "", ""}},      // three commas: one piece
        {"a,1,2,3,4", {"a,1,2,3,4", "", "", "", "", ""}},  // four commas: no rectangle
        {"OK,120,40,60,24,Apply", {"OK", "120", "40", "60", "24", "Apply"}},
        {"a,1,2,3,4,Text,extra", {"a", "1", "2", "3", "4", "Text"}},
        {"a,1,2,3,4,", {"a", "1", "2", "3", "4", ""}},
        {",,,,,", {"", "", "", "", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLayoutValue(c.value), c.pieces) << c.value;
}

TEST(DialogValueReader, NeedsACommaAfterEachPiece) {
    struct Case {
        const char* value;
        std::array<std::string, 7> pieces;
        bool tooMany;
    };
    const Case cases[] = {
        {"title", {"title", "", "", "", "", "", ""}, false},
        // Five commas: the text after the last one belongs to no piece but the seventh.
        {"OK,10,20,30,40,Apply", {"OK", "10", "20", "30", "40", "", "OK,10,20,30,40,Apply"}, false},
        {"OK,10,20,30,40,Apply,", {"OK", "10", "20", "30", "40", "Apply", ""}, false},
        {"OK,10,20,30,40,Apply,rest", {"OK", "10", "20", "30", "40", "Apply", "rest"}, false},
        {"a,b", {"a", "", "", "", "", "", "a,b"}, false},
        {"a,1,2,3,4,T,x,y", {"a", "1", "2", "3", "4", "T", "x,y"}, true},
    };
    for (const auto& c : cases) {
        const DialogPieces d = splitDialogValue(c.value);
        EXPECT_EQ(d.pieces, c.pieces) << c.value;
        EXPECT_EQ(d.tooManyCommas, c.tooMany) << c.value;
    }
}

TEST(LayoutNumbers, ReadDigitsAfterBlanksAndStopAtTheFirstOther) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"120", 120},
        {"  42", 42},
        {"7px", 7},
        {"", 0},
        {"x9", 0},
        {"-15", -15},
        // A damaged file cannot produce coordinates that overflow once scaled and summed.
        {"99999999999", 1'000'000},
        {"-99999999999", -1'000'000},
    };
    for (const auto& [piece, number] : cases)
        EXPECT_EQ(layoutNumber(piece), number) << piece;
}

}  // namespace
}  // namespace karvo
