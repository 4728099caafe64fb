// Fuzz target for the INI engine: any bytes parse, serialise back to themselves, answer every
// read within the buffer, and take a write that reads back as written.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ini_document.h"
#include "platform/text_encoding.h"

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

std::string_view trimmed(std::string_view s) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r\x1a";
    const auto b = s.find_first_not_of(kBlanks);
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(kBlanks) - b + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Layout: file bytes, then optionally "\x01section\x01key\x01value" for one write.
    const std::size_t mark = input.find('\x01');
    const std::string_view file = input.substr(0, mark);
    karvo::ini::IniDocument doc = karvo::ini::IniDocument::parse(file);
    check(doc.serialize() == file);

    for (const std::size_t n : {0u, 1u, 2u, 5u, 260u}) {
        const std::string v = doc.getString("Config0", "K0", "default value  ", n);
        check(karvo::text::utf16Length(v) + 1 <= (n == 0 ? 1 : n));
    }
    if (mark == std::string_view::npos)
        return 0;

    const std::string_view rest = input.substr(mark + 1);
    const std::size_t m2 = rest.find('\x01');
    if (m2 == std::string_view::npos)
        return 0;
    const std::string_view section = rest.substr(0, m2);
    const std::string_view tail = rest.substr(m2 + 1);
    const std::size_t m3 = tail.find('\x01');
    const std::string_view key = tail.substr(0, m3);
    const std::string_view value = m3 == std::string_view::npos ? "" : tail.substr(m3 + 1);
    if (!karvo::text::isValidUtf8(section) || !karvo::text::isValidUtf8(key) ||
        !karvo::text::isValidUtf8(value)) {
        return 0;  // the program passes only well-formed text
    }
    const bool writable = karvo::ini::IniDocument::isWritableEntry(section, key, value);
    doc.setValue(section, key, value);
    const karvo::ini::IniDocument again = karvo::ini::IniDocument::parse(doc.serialize());
    check(again.serialize() == doc.serialize());
    if (writable && !trimmed(section).empty()) {
        const auto read = again.rawValue(section, key);
        check(read.has_value() && *read == trimmed(value));
    }
    return 0;
}
