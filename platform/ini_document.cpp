// In-memory INI file with the Windows private-profile rules; see ini_document.h.
#include "platform/ini_document.h"

#include "platform/text_encoding.h"

namespace karvo::ini {
namespace {

constexpr std::size_t npos = std::string::npos;

// The characters the Windows functions trim from lines and names (^Z included).
constexpr std::string_view kBlanks = " \t\n\v\f\r\x1a";

std::string_view trimLeft(std::string_view s) {
    const auto p = s.find_first_not_of(kBlanks);
    return p == npos ? std::string_view{} : s.substr(p);
}
std::string_view trimRight(std::string_view s) {
    const auto p = s.find_last_not_of(kBlanks);
    return p == npos ? std::string_view{} : s.substr(0, p + 1);
}
std::string_view trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

std::string fold(std::string_view s) {
    return text::asciiLower(s);
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto lo = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 0 : 1)]);
        units[i] = static_cast<char16_t>(lo | (hi << 8));
    }
    return text::utf16ToUtf8(units);
}

void encodeUtf16(std::string_view utf8, bool bigEndian, std::string& out) {
    for (const char16_t u : text::utf8ToUtf16(utf8)) {
        const char lo = static_cast<char>(u & 0xFF);
        const char hi = static_cast<char>(u >> 8);
        out.push_back(bigEndian ? hi : lo);
        out.push_back(bigEndian ? lo : hi);
    }
}

// Applies the quote rule and the buffer cut of GetPrivateProfileString to a value or default.
std::string cutToBuffer(std::string_view v, std::size_t bufferChars) {
    if (bufferChars == 0)
        return {};
    const std::size_t units = text::utf16Length(v);
    if (units >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        const std::string_view payload = v.substr(1, v.size() - 2);
        const std::size_t len = units - 2;
        if (bufferChars >= len + 2)
            return std::string(payload);
        if (bufferChars == len + 1)
            return std::string(text::utf16Prefix(payload, len - 1));
        return std::string(text::utf16Prefix(payload, bufferChars - 1));
    }
    return std::string(text::utf16Prefix(v, bufferChars - 1));
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes) {
    IniDocument doc;
    std::string decoded;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        doc.encoding_ = Encoding::Utf16Le;
    } else if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') {
        doc.encoding_ = Encoding::Utf16Be;
    } else if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        doc.encoding_ = Encoding::Utf8Bom;
        decoded.assign(bytes.substr(3));
    } else if (text::isValidUtf8(bytes)) {
        doc.encoding_ = Encoding::Utf8;
        decoded.assign(bytes);
    } else {
        doc.encoding_ = Encoding::Cp1252;
        decoded = text::cp1252ToUtf8(bytes);
    }
    if (doc.encoding_ == Encoding::Utf16Le || doc.encoding_ == Encoding::Utf16Be) {
        std::string_view body = bytes.substr(2);
        if (body.size() % 2 != 0) {
            doc.oddTrailingByte_ = true;
            doc.trailingByte_ = body.back();
            body.remove_suffix(1);
        }
        decoded = decodeUtf16(body, doc.encoding_ == Encoding::Utf16Be);
    }

    // Each CR, LF or CRLF ends a line; the line end is kept so untouched lines come back as
    // they were.
    std::size_t pos = 0;
    while (pos < decoded.size()) {
        const std::size_t end = decoded.find_first_of("\r\n", pos);
        Line line;
        if (end == npos) {
            line.text = decoded.substr(pos);
            pos = decoded.size();
        } else {
            line.text = decoded.substr(pos, end - pos);
            const bool crlf =
                decoded[end] == '\r' && end + 1 < decoded.size() && decoded[end + 1] == '\n';
            line.eol = crlf ? "\r\n" : decoded.substr(end, 1);
            pos = end + line.eol.size();
        }
        classify(line);
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

void IniDocument::classify(Line& line) {
    const std::string_view t = trim(line.text);
    line.folded.clear();
    if (t.empty()) {
        line.kind = Kind::Blank;
        return;
    }
    if (t.front() == '[') {
        const std::size_t close = t.rfind(']');
        if (close != npos) {
            line.kind = Kind::Header;
            line.folded = fold(trim(t.substr(1, close - 1)));
            return;
        }
    }
    const std::size_t eq = line.text.find('=');
    if (eq != npos) {
        line.kind = Kind::Key;
        line.folded = fold(trim(std::string_view(line.text).substr(0, eq)));
        const std::string_view rest = std::string_view(line.text).substr(eq + 1);
        const std::string_view value = trim(rest);
        line.valueStart = value.empty() ? line.text.size() : value.data() - line.text.data();
        line.valueEnd = line.valueStart + value.size();
        return;
    }
    line.kind = Kind::Bare;
    line.folded = fold(t);
}

std::string IniDocument::serialize() const {
    std::string utf8;
    for (const Line& line : lines_) {
        utf8 += line.text;
        utf8 += line.eol;
    }
    std::string out;
    switch (encoding_) {
        case Encoding::Utf8:
            return utf8;
        case Encoding::Utf8Bom:
            return "\xEF\xBB\xBF" + utf8;
        case Encoding::Cp1252:
            text::utf8ToCp1252(utf8, out);
            return out;
        case Encoding::Utf16Le:
        case Encoding::Utf16Be: {
            const bool be = encoding_ == Encoding::Utf16Be;
            out = be ? "\xFE\xFF" : "\xFF\xFE";
            encodeUtf16(utf8, be, out);
            if (oddTrailingByte_)
                out.push_back(trailingByte_);
            return out;
        }
    }
    return utf8;
}

std::size_t IniDocument::findSection(std::string_view foldedName) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Header && lines_[i].folded == foldedName)
            return i;
    }
    return npos;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Header)
        ++i;
    return i;
}

std::size_t IniDocument::findKey(std::size_t header, std::string_view foldedKey) const {
    for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != Kind::Header; ++i) {
        const Line& l = lines_[i];
        if ((l.kind == Kind::Key || l.kind == Kind::Bare) && l.folded == foldedKey)
            return i;
    }
    return npos;
}

std::optional<std::string_view> IniDocument::rawValue(std::string_view section,
                                                      std::string_view key) const {
    const std::string s = fold(trim(section));
    if (s.empty())
        return std::nullopt;  // the functions answer an empty section with the default
    const std::size_t h = findSection(s);
    if (h == npos)
        return std::nullopt;
    const std::size_t k = findKey(h, fold(trim(key)));
    if (k == npos || lines_[k].kind != Kind::Key)
        return std::nullopt;
    const Line& l = lines_[k];
    return std::string_view(l.text).substr(l.valueStart, l.valueEnd - l.valueStart);
}

std::string IniDocument::getString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::size_t bufferChars) const {
    std::string value;
    if (const auto v = rawValue(section, key)) {
        value = cutToBuffer(*v, bufferChars);
    } else {
        const auto p = defaultValue.find_last_not_of(' ');
        value = cutToBuffer(p == npos ? std::string_view{} : defaultValue.substr(0, p + 1),
                            bufferChars);
    }
    // The caller of the Windows function gets a NUL-terminated buffer and so sees the value up
    // to a NUL byte of a damaged file; a value holding one could not be written back either.
    if (const std::size_t nul = value.find('\0'); nul != npos)
        value.resize(nul);
    return value;
}

void IniDocument::insertLine(std::size_t at, std::string text) {
    Line line;
    line.text = std::move(text);
    line.eol = "\r\n";
    classify(line);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniDocument::ensureEndsWithLineBreak() {
    if (!lines_.empty() && lines_.back().eol.empty())
        lines_.back().eol = "\r\n";
}

bool IniDocument::isWritableEntry(std::string_view section, std::string_view key,
                                  std::string_view value) {
    constexpr std::string_view kBreaks("\r\n\0", 3);
    // A key line that starts with '[' and holds a ']' anywhere, in its key or in its value,
    // would read back as a section header.
    const std::string_view k = trim(key);
    const bool looksLikeHeader =
        !k.empty() && k.front() == '[' && (k.find(']') != npos || value.find(']') != npos);
    return section.find_first_of(kBreaks) == npos && key.find_first_of(kBreaks) == npos &&
           value.find_first_of(kBreaks) == npos && k.find('=') == npos && !k.empty() &&
           !looksLikeHeader;
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!isWritableEntry(section, key, value))
        return false;
    section = trimLeft(section);
    key = trimLeft(key);
    value = trimLeft(value);
    if (!text::isAscii(section) || !text::isAscii(key) || !text::isAscii(value)) {
        // An 8-bit file cannot hold every character: move the whole file to UTF-16, which both
        // this program and the Windows functions read without loss.
        if (encoding_ == Encoding::Utf8 || encoding_ == Encoding::Cp1252) {
            encoding_ = Encoding::Utf16Le;
        }
    }
    const std::size_t h = findSection(fold(trimRight(section)));
    if (h == npos) {
        ensureEndsWithLineBreak();
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::string(key) + "=" + std::string(value));
        return true;
    }
    const std::size_t k = findKey(h, fold(trimRight(key)));
    if (k != npos) {
        Line& l = lines_[k];
        if (l.kind == Kind::Key) {
            if (std::string_view(l.text).substr(l.valueStart, l.valueEnd - l.valueStart) ==
                trimRight(value)) {
                return false;
            }
            l.text = l.text.substr(0, l.valueStart) + std::string(value);
        } else {  // a name without '=': it gets its value in place
            const std::size_t nameEnd = l.text.find_last_not_of(kBlanks) + 1;
            l.text = l.text.substr(0, nameEnd) + "=" + std::string(value);
        }
        classify(l);
        return true;
    }
    // After the section's last non-blank line, so blank lines stay before the next header.
    std::size_t at = sectionEnd(h);
    while (at > h + 1 && lines_[at - 1].kind == Kind::Blank)
        --at;
    if (lines_[at - 1].eol.empty())
        lines_[at - 1].eol = "\r\n";
    insertLine(at, std::string(key) + "=" + std::string(value));
    return true;
}

bool IniDocument::removeKey(std::string_view section, std::string_view key) {
    const std::size_t h = findSection(fold(trim(section)));
    if (h == npos)
        return false;
    const std::size_t k = findKey(h, fold(trim(key)));
    if (k == npos)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(k));
    return true;
}

bool IniDocument::removeSection(std::string_view section) {
    const std::size_t h = findSection(fold(trim(section)));
    if (h == npos)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(h),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(h)));
    return true;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const std::size_t h = findSection(fold(trim(section)));
    if (h == npos)
        return names;
    for (std::size_t i = h + 1; i < sectionEnd(h); ++i) {
        const Line& l = lines_[i];
        if (l.kind == Kind::Key) {
            names.emplace_back(trim(std::string_view(l.text).substr(0, l.text.find('='))));
        }
    }
    return names;
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(fold(trim(section))) != npos;
}

}  // namespace karvo::ini
