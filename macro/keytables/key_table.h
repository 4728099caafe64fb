// The shape of one keyboard language's key data: which name each device key code (HID keyboard
// usage) shows, and which virtual-key code each key position produces on that language's
// standard Windows layout. Each language lives in its own file as plain data.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace karvo::keytables {

// A key cap name. An empty text in a table that has a base removes the base's name, so the
// code reads "NULL" again.
struct KeyName {
    std::uint8_t device;
    std::string_view text;
};

// The virtual key a key position produces. virtualKey 0 in a table that has a base removes the
// base's pair.
struct KeyPosition {
    std::uint8_t device;
    std::uint8_t virtualKey;
};

// One language. A table with a base lists only what differs from the base, so a layout that
// moves eight keys reads as eight lines.
struct KeyTable {
    std::string_view language;
    const KeyTable* base;
    std::span<const KeyName> names;
    std::span<const KeyPosition> positions;
};

extern const KeyTable kEnglish;
extern const KeyTable kFrench;
extern const KeyTable kGerman;
extern const KeyTable kSpanish;
extern const KeyTable kItalian;
extern const KeyTable kRussian;
extern const KeyTable kTurkish;
extern const KeyTable kPortuguese;
extern const KeyTable kThai;
extern const KeyTable kKorean;
extern const KeyTable kJapanese;
extern const KeyTable kArabic;
extern const KeyTable kPolish;
extern const KeyTable kCzech;
extern const KeyTable kSwedish;
extern const KeyTable kDutch;
extern const KeyTable kBrazilian;
extern const KeyTable kTraditionalChinese;
extern const KeyTable kBelgianDutch;
extern const KeyTable kDanish;
extern const KeyTable kSlovenian;
extern const KeyTable kPersian;
extern const KeyTable kUkrainian;
extern const KeyTable kHungarian;

}  // namespace karvo::keytables
