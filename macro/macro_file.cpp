// Macro group files and the macro row format; see macro_file.h.
#include "macro/macro_file.h"

#include <array>

#include "platform/private_profile.h"
#include "platform/text_encoding.h"

namespace karvo {
namespace {

constexpr std::string_view kInit = "Init";
constexpr std::string_view kVersionKey = "DAT_VER";
constexpr std::string_view kMacros = "Macros";
constexpr std::string_view kCountKey = "macroNum";
constexpr std::string_view kGroupList = "macroGrp.ini";
constexpr std::string_view kGroupCountSection = "MACRO_GROUP_NUM";
constexpr std::string_view kGroupCountKey = "macGrpNum";
constexpr std::string_view kGroupNameSection = "MACRO_GROUP_NAME";

// Buffer sizes of the reads, in characters including the terminating NUL.
constexpr std::size_t kSmallNumberBuffer = 3;  // room for two digits
constexpr std::size_t kGroupNameBuffer = 60;   // room for 59 characters
constexpr std::size_t rowBuffer(std::size_t header) {
    return 9 * header + 26460 + 1;
}

constexpr std::size_t kEnglish = 1;

std::size_t headerFor(int version) {
    return version == MacroTable::kCurrentVersion ? MacroFile::kHeaderV3 : MacroFile::kHeaderOld;
}

// "000" to "255", so encoding a row is a run of copies.
constexpr auto kTriples = [] {
    std::array<std::array<char, 3>, 256> t{};
    for (std::size_t b = 0; b < t.size(); ++b) {
        t[b] = {static_cast<char>('0' + b / 100), static_cast<char>('0' + b / 10 % 10),
                static_cast<char>('0' + b % 10)};
    }
    return t;
}();

class RowWriter {
  public:
    explicit RowWriter(std::string& out) : out_(out) {}
    void byte(std::uint8_t b) { out_.append(kTriples[b].data(), 3); }
    void word(std::uint16_t w) {
        byte(static_cast<std::uint8_t>(w & 0xFF));
        byte(static_cast<std::uint8_t>(w >> 8));
    }

  private:
    std::string& out_;
};

// The row's numbers. Positions count UTF-16 units, as the row was written; a unit outside
// ASCII can only be a non-digit, so it becomes a character that ends a number.
class RowReader {
  public:
    explicit RowReader(std::string_view row) {
        if (text::isAscii(row)) {
            units_ = row;
        } else {
            for (const char16_t u : text::utf8ToUtf16(row)) {
                owned_.push_back(u < 0x80 ? static_cast<char>(u) : '\x7f');
            }
            units_ = owned_;
        }
    }
    // The number at position j: its three characters read as a decimal (empty or non-digit
    // text gives 0, as does a position past the end of the row).
    int at(std::size_t j) const {
        const std::size_t offset = 3 * j;
        if (offset >= units_.size())
            return 0;
        return ini::toInt(units_.substr(offset, 3));
    }
    // Byte fields keep the low 8 bits, 16-bit fields the low 16 bits of low + 256 * high.
    std::uint8_t byte(std::size_t j) const {
        return static_cast<std::uint8_t>(static_cast<unsigned>(at(j)) & 0xFFu);
    }
    std::uint16_t word(std::size_t j) const {
        const auto value = static_cast<unsigned>(at(j)) + 256u * static_cast<unsigned>(at(j + 1));
        return static_cast<std::uint16_t>(value & 0xFFFFu);
    }

  private:
    std::string owned_;
    std::string_view units_;
};

// A group name names a file in the macro folder; one that would lead out of it is no group.
bool isPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

}  // namespace

MacroFile::MacroFile(const MacVkAndText& keys, int language)
    : keys_(keys), language_(keys.hasLanguage(language) ? language : static_cast<int>(kEnglish)) {}

std::uint8_t MacroFile::toFileKey(std::uint8_t key) const {
    if (macrokey::isSpecial(key))
        return key;
    return keys_.toVirtualKey(language_, key, KeyMode::MacroSteps);
}

std::uint8_t MacroFile::fromFileKey(int code) const {
    const int device = (code == 0 || (code >= 246 && code <= 251))
                           ? code
                           : keys_.toDeviceCode(language_, code, KeyMode::MacroSteps);
    return static_cast<std::uint8_t>(static_cast<unsigned>(device) & 0xFFu);
}

std::string MacroFile::encodeRow(const MacroRecord& r) const {
    std::string row;
    row.reserve(3 * kRowBytesV3);
    RowWriter w(row);
    for (const char16_t unit : r.name)
        w.word(unit);
    w.byte(r.mode);
    for (const std::uint16_t v : {r.repeatCount, r.stepCount, r.moveCount, r.kind247Count,
                                  r.sensitivityCount, r.kind250Count}) {
        w.word(v);
    }
    w.byte(r.lightingCount);
    w.byte(r.kind251Count);
    w.byte(r.extraA);
    w.byte(r.extraB);
    for (std::size_t i = 0; i < r.reserved.size(); ++i)
        w.byte(0);
    for (const MacroAction& s : r.steps) {
        w.byte(s.kind);
        w.byte(toFileKey(s.key));
        w.word(s.p0);
        w.word(s.p1);
        w.word(s.delay);
    }
    for (const LedEffectRecord& led : r.lighting) {
        for (const std::uint8_t b : led.bytes)
            w.byte(b);
    }
    return row;
}

void MacroFile::decodeRow(std::string_view row, int version, MacroRecord& r) const {
    const RowReader in(row);
    const std::size_t h = headerFor(version);
    // Each name byte is a byte field of its own: a large number loses its high bits there, not in
    // the other half of the character.
    for (std::size_t i = 0; i < r.name.size(); ++i) {
        r.name[i] = static_cast<char16_t>(in.byte(2 * i) | in.byte(2 * i + 1) << 8);
    }
    r.mode = in.byte(60);
    r.repeatCount = in.word(61);
    r.stepCount = in.word(63);
    r.moveCount = in.word(65);
    r.kind247Count = in.word(67);
    r.sensitivityCount = in.word(69);
    r.kind250Count = in.word(71);
    r.lightingCount = in.byte(73);
    r.kind251Count = in.byte(74);
    if (h == kHeaderV3) {
        r.extraA = in.byte(75);
        r.extraB = in.byte(76);
        for (std::size_t i = 0; i < r.reserved.size(); ++i)
            r.reserved[i] = in.byte(77 + i);
    }
    std::size_t j = kNameBytes + h;
    for (MacroAction& s : r.steps) {
        s.kind = in.byte(j);
        s.key = fromFileKey(in.at(j + 1));
        s.p0 = in.word(j + 2);
        s.p1 = in.word(j + 4);
        s.delay = in.word(j + 6);
        j += kStepBytes;
    }
    for (LedEffectRecord& led : r.lighting) {
        for (std::uint8_t& b : led.bytes)
            b = in.byte(j++);
    }
    r.second = {};
    r.clampCounters();
}

MacroRecord MacroFile::decodeRow(std::string_view row, int version) const {
    MacroRecord r;
    decodeRow(row, version, r);
    return r;
}

bool MacroFile::readGroup(const std::filesystem::path& file, MacroTable& table) const {
    table.clearAll();
    const ini::IniSnapshot doc(file);
    if (!doc.exists())
        return false;
    const int version = doc.getInt(kInit, kVersionKey, kSmallNumberBuffer);
    table.setFileVersion(version);
    table.setCount(doc.getInt(kMacros, kCountKey, kSmallNumberBuffer));
    const std::size_t buffer = rowBuffer(headerFor(version));
    for (std::size_t i = 0; i < table.count(); ++i) {
        decodeRow(doc.get(kMacros, std::to_string(i), "", buffer), version, *table.macro(i));
    }
    return true;
}

bool MacroFile::readConstantMacros(const std::filesystem::path& file, MacroTable& table) const {
    return readGroup(file, table);
}

bool MacroFile::writeGroup(const std::filesystem::path& file, const MacroTable& table) const {
    ini::IniTransaction tx(file);
    tx.set(kInit, kVersionKey, std::to_string(MacroTable::kCurrentVersion));
    tx.set(kMacros, kCountKey, std::to_string(table.count()));
    for (std::size_t i = 0; i < table.count(); ++i) {
        tx.set(kMacros, std::to_string(i), encodeRow(*table.macro(i)));
    }
    return tx.commit();
}

bool MacroFile::writeMacro(const std::filesystem::path& file, const MacroTable& table,
                           std::size_t index) const {
    if (index >= table.count())
        return false;
    ini::IniTransaction tx(file);
    tx.set(kInit, kVersionKey, std::to_string(MacroTable::kCurrentVersion));
    tx.set(kMacros, kCountKey, std::to_string(table.count()));
    tx.set(kMacros, std::to_string(index), encodeRow(*table.macro(index)));
    return tx.commit();
}

MacroRecord MacroFile::readMacroForDevice(const std::filesystem::path& macroFolder, int group,
                                          int macro) const {
    const MacroRecord blank;
    const ini::IniSnapshot list(macroFolder / kGroupList);
    const int groups = list.getInt(kGroupCountSection, kGroupCountKey, kSmallNumberBuffer);
    if (group < 0 || group >= groups || group >= static_cast<int>(MacroTable::kMaxMacros)) {
        return blank;
    }
    const std::string name =
        list.get(kGroupNameSection, std::to_string(group), "", kGroupNameBuffer);
    if (!isPlainFileName(name))
        return blank;

    const ini::IniSnapshot doc(macroFolder / (name + ".dat"));
    const int count = doc.getInt(kMacros, kCountKey, kSmallNumberBuffer);
    if (macro < 0 || macro >= count || macro >= static_cast<int>(MacroTable::kMaxMacros)) {
        return blank;
    }
    const int version = doc.getInt(kInit, kVersionKey, kSmallNumberBuffer);
    return decodeRow(doc.get(kMacros, std::to_string(macro), "", rowBuffer(headerFor(version))),
                     version);
}

}  // namespace karvo
