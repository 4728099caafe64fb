// The private-profile rules on documents in memory: lookups, the buffer cut, quotes, and the
// in-place edits that keep every other byte of a file.
#include "platform/ini_document.h"

#include <gtest/gtest.h>

#include <string>

namespace karvo::ini {
namespace {

std::string get(std::string_view file, std::string_view section, std::string_view key,
                std::string_view def = "DEF", std::size_t n = 260) {
    return IniDocument::parse(file).getString(section, key, def, n);
}

TEST(IniLookup, FollowsTheWindowsRulesForNamesAndValues) {
    struct Case {
        const char* file;
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"[Sec]\r\nKey=v\r\n", "sec", "KEY", "v"},                // case-insensitive names
        {"[ Sec ]\r\n  Key  =   v  \r\n", " Sec", "Key ", "v"},   // blanks around everything
        {"[Sec]\r\nk=a = b\r\n", "Sec", "k", "a = b"},            // first '=' splits
        {"[Sec]\r\nk=1\r\nk=2\r\n", "Sec", "k", "1"},             // first key wins
        {"[Sec]\r\na=1\r\n[Sec]\r\nb=2\r\n", "Sec", "b", "DEF"},  // only first section searched
        {"[Sec]\r\nk=\r\n", "Sec", "k", ""},                      // empty value is not missing
        {"[Sec]\r\nk\r\n", "Sec", "k", "DEF"},                    // name without '='
        {"[Sec]\r\n;k=1\r\n", "Sec", "k", "DEF"},                 // comments never answer
        {"[Sec]\r\n;k=1\r\n", "Sec", ";k", "1"},                  // ...but are entries
        {"k=1\r\n[Sec]\r\n", "", "k", "DEF"},                     // lines before any header
        {"[]\r\nk=1\r\n", "", "k", "DEF"},                        // empty section name
        {"[a] x ] junk\r\nk=1\r\n", "a] x", "k", "1"},            // name runs to the last ]
        {"[abc\r\nk=1\r\n", "abc", "k", "DEF"},                   // '[' without ']'
        {"[Sec]\nk=lf\n", "Sec", "k", "lf"},                      // LF only
        {"[Sec]\rk=cr\r", "Sec", "k", "cr"},                      // CR only
        {"[Sec]\r\nk=\"quoted\"\r\n", "Sec", "k", "quoted"},      // matching quotes go
        {"[Sec]\r\nk='q'\r\n", "Sec", "k", "q"},
        {"[Sec]\r\nk=\"abc\r\n", "Sec", "k", "\"abc"},  // unmatched quotes stay
        {"[Sec]\r\nk=\"abc'\r\n", "Sec", "k", "\"abc'"},
        {"[Sec]\r\nk=\"\r\n", "Sec", "k", "\""},
        {"[Sec]\r\nk=\"\"\r\n", "Sec", "k", ""},
        {"[Sec]\r\nk=v\x1a\r\n", "Sec", "k", "v"},  // ^Z is a blank
        {"", "Sec", "k", "DEF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(get(c.file, c.section, c.key), c.expected)
            << "file: " << c.file << " section: " << c.section << " key: " << c.key;
    }
}

TEST(IniLookup, DefaultsLoseTrailingSpacesOnly) {
    EXPECT_EQ(get("", "s", "k", "default  "), "default");
    EXPECT_EQ(get("", "s", "k", "one two  "), "one two");
    EXPECT_EQ(get("", "s", "k", "  lead\t"), "  lead\t");
    EXPECT_EQ(get("", "s", "k", "\"quoted\""), "quoted");
}

TEST(IniLookup, CutsToTheBufferInUtf16Units) {
    const char* file =
        "[s]\r\nk=val1\r\nq=\"abc\"\r\nx=\"x\"\r\nw=h\xC3\xA9llo\r\ne=a\xF0\x9F\x98\x80z\r\n";
    EXPECT_EQ(get(file, "s", "k", "", 0), "");
    EXPECT_EQ(get(file, "s", "k", "", 1), "");
    EXPECT_EQ(get(file, "s", "k", "", 4), "val");
    EXPECT_EQ(get(file, "s", "k", "", 5), "val1");
    EXPECT_EQ(get(file, "s", "missing", "abcdef", 3), "ab");
    // Quoted values: the closing quote's place counts.
    EXPECT_EQ(get(file, "s", "q", "", 3), "ab");
    EXPECT_EQ(get(file, "s", "q", "", 4), "ab");
    EXPECT_EQ(get(file, "s", "q", "", 5), "abc");
    EXPECT_EQ(get(file, "s", "x", "", 2), "");
    // A character outside ASCII is one unit; one beyond the BMP is two and is never split.
    EXPECT_EQ(get(file, "s", "w", "", 3), "h\xC3\xA9");
    EXPECT_EQ(get(file, "s", "e", "", 3), "a");
    EXPECT_EQ(get(file, "s", "e", "", 4), "a\xF0\x9F\x98\x80");
}

TEST(IniLookup, AValueEndsAtANulByteAsTheWindowsCallersBufferDoes) {
    using namespace std::string_literals;
    const std::string file = "[s]\r\nk=33,Ctrl\0lit&C\r\nz=\0\r\n"s;
    EXPECT_EQ(get(file, "s", "k"), "33,Ctrl");
    EXPECT_EQ(get(file, "s", "z"), "");
    EXPECT_EQ(get(file, "s", "missing", "ab\0cd"s), "ab");
    // So what was read can always be written back: a value with a NUL would be refused.
    IniDocument doc = IniDocument::parse(file);
    EXPECT_TRUE(doc.setValue("s", "k2", doc.getString("s", "k", "", 260)));
    EXPECT_FALSE(doc.setValue("s", "k3", "a\0b"s));
}

TEST(IniEncoding, ReadsEachEncodingAndWritesItBack) {
    const std::string utf16le("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0", 22);
    const std::string utf16be("\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0\xE9", 18);
    const std::string utf8bom("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n");
    const std::string cp1252("[s]\r\nk=\xE9!\x80\x81\r\n");
    for (const std::string& bytes : {utf16le, utf16be, utf8bom, cp1252}) {
        const IniDocument doc = IniDocument::parse(bytes);
        EXPECT_EQ(doc.getString("s", "k", "", 260).substr(0, 2), "\xC3\xA9");
        EXPECT_EQ(doc.serialize(), bytes);
    }
    EXPECT_EQ(IniDocument::parse(cp1252).getString("s", "k", "", 260),
              "\xC3\xA9!\xE2\x82\xAC\xC2\x81");
    EXPECT_EQ(IniDocument::parse(utf16le).encoding(), Encoding::Utf16Le);
    EXPECT_EQ(IniDocument::parse(cp1252).encoding(), Encoding::Cp1252);
}

TEST(IniEncoding, KeepsOddBytesOfDamagedFiles) {
    const std::string cases[] = {
        std::string("\xFF\xFE[\0s\0]\0\x00\xD8k\0", 11),  // lone surrogate, odd length
        std::string("pre\0header\r\n[s]\r\n\r\n\r\nk=1", 25),
        std::string("\r\r\n\n[s]   \r\nk = 1 ; not a comment  \n"),
    };
    for (const std::string& bytes : cases) {
        EXPECT_EQ(IniDocument::parse(bytes).serialize(), bytes);
    }
}

TEST(IniEdit, UpdatesInPlaceAndKeepsEverythingElse) {
    IniDocument doc =
        IniDocument::parse("; header comment\n[Init]\nCurConfig = 1   \n\n[Other]\nx=1\n");
    EXPECT_TRUE(doc.setValue("init", "curconfig", "2"));
    EXPECT_EQ(doc.serialize(), "; header comment\n[Init]\nCurConfig = 2\n\n[Other]\nx=1\n");
    EXPECT_FALSE(doc.setValue("Init", "CurConfig", "2")) << "same value must change nothing";
}

TEST(IniEdit, AppendsKeysAndSectionsWhereWindowsDoes) {
    IniDocument doc = IniDocument::parse("[a]\r\nx=1\r\n;tail comment\r\n\r\n[b]\r\ny=2");
    EXPECT_TRUE(doc.setValue("a", "new", "v"));
    EXPECT_TRUE(doc.setValue("b", "z", "3"));
    EXPECT_TRUE(doc.setValue(" c", " key", " value  "));
    EXPECT_EQ(doc.serialize(),
              "[a]\r\nx=1\r\n;tail comment\r\nnew=v\r\n\r\n[b]\r\ny=2\r\nz=3\r\n"
              "[c]\r\nkey=value  \r\n");
    EXPECT_EQ(doc.getString("c", "key", "", 260), "value");
}

TEST(IniEdit, FillsANameWithoutValueInPlace) {
    IniDocument doc = IniDocument::parse("[s]\r\nname3\r\nother=1\r\n");
    EXPECT_TRUE(doc.setValue("s", "NAME3", "v"));
    EXPECT_EQ(doc.serialize(), "[s]\r\nname3=v\r\nother=1\r\n");
}

TEST(IniEdit, CreatesANewFileWithCrlf) {
    IniDocument doc;
    EXPECT_TRUE(doc.setValue("Init", "CurConfig", "0"));
    EXPECT_TRUE(doc.setValue("Init", "VER_SEL", ""));
    EXPECT_EQ(doc.serialize(), "[Init]\r\nCurConfig=0\r\nVER_SEL=\r\n");
}

TEST(IniEdit, RemovesKeysAndSections) {
    IniDocument doc = IniDocument::parse("[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n[c]\r\n");
    EXPECT_TRUE(doc.removeKey("A", "x"));
    EXPECT_FALSE(doc.removeKey("a", "x"));
    EXPECT_TRUE(doc.removeSection("b"));
    EXPECT_EQ(doc.serialize(), "[a]\r\ny=2\r\n[c]\r\n");
}

TEST(IniEdit, RefusesEntriesThatWouldBreakTheFile) {
    IniDocument doc = IniDocument::parse("[s]\r\nk=1\r\n");
    EXPECT_FALSE(doc.setValue("s", "k", "1\r\n[Init]\r\nCurConfig=3"));
    EXPECT_FALSE(doc.setValue("s\n[x]", "k", "1"));
    EXPECT_FALSE(doc.setValue("s", "a=b", "1"));
    EXPECT_FALSE(doc.setValue("s", "  ", "1"));
    EXPECT_FALSE(doc.setValue("s", "[Init]", "1"));
    EXPECT_FALSE(doc.setValue("s", "[x", "y]"));  // the line "[x=y]" reads back as a header
    EXPECT_EQ(doc.serialize(), "[s]\r\nk=1\r\n");
    // A bracket in a value is fine when the key does not open one.
    EXPECT_TRUE(doc.setValue("s", "x[", "y]"));
    EXPECT_EQ(IniDocument::parse(doc.serialize()).rawValue("s", "x["), "y]");
}

TEST(IniEdit, MovesAn8BitFileToUtf16ForTextOutsideAscii) {
    IniDocument doc = IniDocument::parse("[s]\r\nk=\xE9\r\n");  // Windows-1252
    EXPECT_TRUE(doc.setValue("s", "name", "\xE4\xB8\xAD"));     // a CJK character
    EXPECT_EQ(doc.encoding(), Encoding::Utf16Le);
    const IniDocument again = IniDocument::parse(doc.serialize());
    EXPECT_EQ(again.getString("s", "k", "", 260), "\xC3\xA9");
    EXPECT_EQ(again.getString("s", "name", "", 260), "\xE4\xB8\xAD");
}

TEST(IniEdit, ListsKeysOfTheFirstMatchingSection) {
    const IniDocument doc = IniDocument::parse("[g]\r\nA=1\r\nbare\r\n B =2\r\n[g]\r\nC=3\r\n");
    EXPECT_EQ(doc.keyNames("G"), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(doc.hasSection(" g "));
    EXPECT_FALSE(doc.hasSection("h"));
}

}  // namespace
}  // namespace karvo::ini
