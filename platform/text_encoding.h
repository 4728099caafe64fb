// Conversions between the text forms the program meets: UTF-8 (our strings), UTF-16LE
// (the Windows-era files and the mouse's macro names) and Windows-1252 (INI files written by
// 8-bit programs). Everything here is pure and never throws on bad input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace karvo::text {

// Decodes UTF-16 code units to UTF-8. A lone surrogate is kept as its three-byte generalised
// UTF-8 form (WTF-8) so that a file re-encoded later gets back the very same units.
std::string utf16ToUtf8(std::u16string_view units);

// Encodes UTF-8 to UTF-16 code units. Accepts the WTF-8 forms utf16ToUtf8 produces; every byte
// that starts no valid sequence becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (surrogate forms are not well-formed).
bool isValidUtf8(std::string_view bytes);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to the C1 control
// with the same number, as Windows does, so decode and encode round-trip every byte.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; false (and '?' in place) when a character has no byte in the page.
bool utf8ToCp1252(std::string_view utf8, std::string& out);

bool isAscii(std::string_view bytes);

// The text with A-Z turned to a-z and every other byte kept: the fold of names that are typed
// or stored in any case (INI keys, command words), which never touches UTF-8 sequences.
std::string asciiLower(std::string_view text);

// Number of UTF-16 code units the UTF-8 text takes.
std::size_t utf16Length(std::string_view utf8);

// The longest prefix of the UTF-8 text that takes at most maxUnits UTF-16 units, never
// splitting a character (so a surrogate pair is kept whole or left out whole).
std::string_view utf16Prefix(std::string_view utf8, std::size_t maxUnits);

}  // namespace karvo::text
