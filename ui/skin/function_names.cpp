// Reading [FUN_STRING]; see function_names.h.
#include "ui/skin/function_names.h"

#include "ui/skin/layout_files.h"
#include "ui/skin/layout_value.h"

namespace karvo {
namespace {

constexpr std::size_t kValueBuffer = 260;
constexpr std::size_t kKeyZeroBuffer = 10;
constexpr std::size_t kSpecialBuffer = 15;
constexpr int kFirstOptional = 12;
constexpr int kLastOptional = 17;
constexpr int kFirstSpecial = 30000;
constexpr int kSpecialCount = 5;

}  // namespace

FunctionNames FunctionNames::read(const ini::IniSnapshot& file, std::string_view disabledName) {
    FunctionNames f;
    const std::string keyZero = file.get(kFunctionSection, "0", "", kKeyZeroBuffer);
    for (int k = 0; k < kTableSize; ++k) {
        const std::string value = file.get(kFunctionSection, std::to_string(k), "", kValueBuffer);
        f.table_[static_cast<std::size_t>(k)] = splitLayoutValue(value)[0];
    }

    // One skip counter runs through the optional codes and the special codes, so the rows of
    // the sub-menu follow each other without gaps whichever names a language leaves out.
    int skipped = 0;
    for (int k = kFirstOptional; k <= kLastOptional; ++k) {
        const std::string& name = f.table_[static_cast<std::size_t>(k)];
        if (name.empty()) {
            ++skipped;
            continue;
        }
        f.extra_[std::to_string(k)] = {name, k - 11 - skipped};
    }
    ++skipped;  // function 18 is handled by the program itself and never offered
    if (!keyZero.empty())
        f.extra_["0"] = {keyZero, 0};
    f.table_[0] = std::string(disabledName);
    for (int k = 0; k < kSpecialCount; ++k) {
        const std::string key = std::to_string(kFirstSpecial + k);
        const std::string name = file.get(kFunctionSection, key, "", kSpecialBuffer);
        if (name.empty()) {
            ++skipped;
            continue;
        }
        f.extra_[key] = {name, k - skipped + 8};
    }
    return f;
}

const std::string& FunctionNames::name(int code) const {
    static const std::string kNone;
    if (code < 0 || code >= kTableSize)
        return kNone;
    return table_[static_cast<std::size_t>(code)];
}

std::optional<int> FunctionNames::extraCodeAt(int ordinal) const {
    for (const auto& [key, entry] : extra_) {
        if (entry.ordinal == ordinal)
            return ini::toInt(key);
    }
    return std::nullopt;
}

int FunctionNames::extraRowCount() const {
    int rows = 0;
    for (const auto& [key, entry] : extra_)
        rows += entry.ordinal >= 1 ? 1 : 0;
    return rows;
}

}  // namespace karvo
