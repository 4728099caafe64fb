// Conversions between UTF-8, UTF-16 and Windows-1252 at the edges of the program.
#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace karvo::text {
namespace {

TEST(TextEncoding, Utf16RoundTripsEveryUnitSequence) {
    const std::u16string cases[] = {
        u"",
        u"ASCII",
        u"\u00e9\u4e2d\u0416",
        u"\U0001F600 pair",
        std::u16string(1, char16_t(0xD800)),                  // lone high surrogate
        std::u16string{char16_t(0xDC00), u'a'},               // lone low surrogate
        std::u16string{char16_t(0xDBFF), char16_t(0xDBFF)}};  // two highs
    for (const auto& units : cases)
        EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(units)), units);
}

TEST(TextEncoding, BadUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(utf8ToUtf16("\xE4\xB8"), u"\uFFFD\uFFFD");  // cut sequence
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // over-long form
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));            // surrogate form
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(TextEncoding, Cp1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::string back;
    EXPECT_TRUE(utf8ToCp1252(cp1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_FALSE(utf8ToCp1252("\xE4\xB8\xAD", back));
    EXPECT_EQ(back, "?");
}

TEST(TextEncoding, AsciiLowerFoldsOnlyTheLatinCapitals) {
    EXPECT_EQ(text::asciiLower("LED_TYPE Az@[`{"), "led_type az@[`{");
    // UTF-8 bytes (here "Ä" and "É") are never changed, so a name stays valid UTF-8.
    EXPECT_EQ(text::asciiLower("\xC3\x84X\xC3\x89"), "\xC3\x84x\xC3\x89");
}

TEST(TextEncoding, CountsAndCutsInUtf16UnitsWithoutSplittingCharacters) {
    EXPECT_EQ(utf16Length("a\xC3\xA9\xF0\x9F\x98\x80"), 4u);
    EXPECT_EQ(utf16Prefix("a\xF0\x9F\x98\x80z", 2), "a");
    EXPECT_EQ(utf16Prefix("a\xF0\x9F\x98\x80z", 3), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(utf16Prefix("abc", 0), "");
    EXPECT_EQ(utf16Prefix("abc", 10), "abc");
}

}  // namespace
}  // namespace karvo::text
