// One INI file held in memory the way the Windows private-profile functions see it, and edited
// the way they edit it: every line that is not written keeps its bytes, its line end and its
// place. The file-level read and write calls (private_profile.h) are built on this class.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karvo::ini {

enum class Encoding {
    Utf8,     // no byte-order mark, well-formed UTF-8 (plain ASCII files are here too)
    Utf8Bom,  // EF BB BF
    Cp1252,   // no mark and not UTF-8: an 8-bit file from a Western Windows system
    Utf16Le,  // FF FE
    Utf16Be,  // FE FF
};

class IniDocument {
  public:
    IniDocument() = default;

    // Decodes a whole file. Never fails: any byte sequence gives a document whose
    // serialize() returns the same bytes.
    static IniDocument parse(std::string_view fileBytes);

    // The file's bytes in the document's encoding.
    std::string serialize() const;
    Encoding encoding() const { return encoding_; }

    // GetPrivateProfileString for one key: the value of the first matching key in the first
    // matching section (names compared without surrounding blanks and without ASCII case), or
    // the default when the section, the key or its '=' is missing. The default loses its
    // trailing spaces; a value or default wrapped in one kind of quotes loses them; the result
    // holds at most bufferChars - 1 UTF-16 units, never half a character.
    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferChars) const;

    // The raw value (after the first '=', blanks trimmed) or nothing when the key is missing
    // or has no '='.
    std::optional<std::string_view> rawValue(std::string_view section, std::string_view key) const;

    // False for names or values that would change the file's structure when written: a line
    // break or NUL anywhere, an '=' in the key, an empty key, a key that would read as a
    // section header. Writers refuse such entries.
    static bool isWritableEntry(std::string_view section, std::string_view key,
                                std::string_view value);

    // WritePrivateProfileString with a value: updates the first matching key in place, or
    // appends the key after the last non-blank line of the first matching section, or appends
    // the section at the end. Leading blanks of the names and the value are dropped. Returns
    // true when the document changed (writing the value a key already has changes nothing).
    // Entries that are not isWritableEntry are refused and change nothing.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    // WritePrivateProfileString with a null value: removes the first matching key's line.
    bool removeKey(std::string_view section, std::string_view key);

    // WritePrivateProfileString with a null key: removes the first matching section, header to
    // the line before the next header.
    bool removeSection(std::string_view section);

    // Names of the keys of the first matching section, in file order (lines with an '=' only).
    std::vector<std::string> keyNames(std::string_view section) const;
    bool hasSection(std::string_view section) const;

  private:
    enum class Kind { Blank, Other, Header, Key, Bare };
    struct Line {
        std::string text;  // decoded to UTF-8, as in the file (not trimmed)
        std::string eol;   // "\r\n", "\n", "\r" or "" for a last line without an end
        Kind kind = Kind::Blank;
        std::string folded;          // trimmed name, ASCII lower case (header and key lines)
        std::size_t valueStart = 0;  // Key: offset of the value in text
        std::size_t valueEnd = 0;    // Key: end of the value (before trailing blanks)
    };

    static void classify(Line& line);
    // Index of the header line of the first matching section, or npos.
    std::size_t findSection(std::string_view foldedName) const;
    // Index of the first line with a matching key name in the section, or npos.
    std::size_t findKey(std::size_t header, std::string_view foldedKey) const;
    std::size_t sectionEnd(std::size_t header) const;  // one past the section's last line
    void insertLine(std::size_t at, std::string text);
    void ensureEndsWithLineBreak();

    std::vector<Line> lines_;
    Encoding encoding_ = Encoding::Utf8;
    bool oddTrailingByte_ = false;  // a UTF-16 file of odd length: its last byte, kept as is
    char trailingByte_ = 0;
};

}  // namespace karvo::ini
