// The one value syntax of the skin layout and language text files: a value is cut into
// comma-separated pieces. Two readers exist because the window files and the dialog files were
// written against different cutting rules; both are kept so every shipped file reads as before.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace karvo {

// Pieces 0 to 5 of a window layout value (label, x, y, width, height, text).
using LayoutPieces = std::array<std::string, 6>;

// The window files' reader, by the number of commas in the value:
//  - five or more: split at every comma; pieces past 5 are dropped, so "a,1,2,3,4,T,x" has T;
//  - one or two: pieces 0 to 2 split at the commas, the text after the last comma included
//    ("label,message" gives "message" as piece 1);
//  - none, three or four: the whole value is piece 0 and the rest stay empty, so "a,1,2,3,4"
//    gives no rectangle at all.
LayoutPieces splitLayoutValue(std::string_view value);

// Pieces 0 to 6 of a dialog layout value.
struct DialogPieces {
    std::array<std::string, 7> pieces;
    bool tooManyCommas = false;  // more than six commas: the caller reports it, reading goes on
};

// The dialogs' reader: with at least one comma, pieces 0 to 5 are each the text from the
// previous comma up to the next one, empty when no further comma follows (so a text in piece 5
// must be followed by a comma), and piece 6 is everything after the sixth comma, or the whole
// value when there are fewer than six. Without a comma the value is piece 0.
DialogPieces splitDialogValue(std::string_view value);

// A coordinate piece: leading blanks skipped, an optional sign, digits up to the first other
// character; no digits give 0. Values are limited to +-1,000,000 pixels so that the layout
// scale and the corner sums of a damaged file cannot overflow.
std::int32_t layoutNumber(std::string_view piece);

}  // namespace karvo
