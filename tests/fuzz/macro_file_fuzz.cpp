// libFuzzer target for the two readers that take macro data from disk: the row decoder and
// the group file reader. The first input byte picks the reader, the row version and the
// language; the rest is the row or the whole file. Seed it with a row and the start of
// constMacro.dat, each behind a selector byte (0x06: a version-3 row in English; 0x07: a group
// file), and run with -max_len=20000 so that whole rows fit.
// fuzz-options: -max_len=20000

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "macro/macro_file.h"
#include "tests/fuzz/fuzz_scratch.h"

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

// Whatever was read, nothing in a record may point past its tables.
void checkRecord(const karvo::MacroRecord& r, const karvo::MacroFile& file) {
    check(r.stepCount <= karvo::MacroRecord::kMaxSteps);
    check(r.moveCount <= karvo::MacroRecord::kMaxMoves);
    check(r.lightingCount <= karvo::MacroRecord::kMaxPerKind);
    check(r.kind251Count <= karvo::MacroRecord::kMaxPerKind);
    for (const karvo::MacroAction& s : r.validSteps()) {
        if (const auto* led = r.lightingRecordOf(s)) {
            check(led->meaningfulLength() <= karvo::LedEffectRecord::kSize);
        }
    }
    (void)r.nameUtf8();
    const std::string row = file.encodeRow(r);
    check(row.size() == 3 * karvo::MacroFile::kRowBytesV3);
    check(row.find_first_not_of("0123456789") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const karvo::MacVkAndText keys;
    if (size == 0)
        return 0;
    const std::uint8_t selector = data[0];
    const int language = (selector >> 2) % 28;  // 25 and 27 have no key set
    const int version = (selector & 2) ? 3 : 2;
    const karvo::MacroFile file(keys, language);
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    if ((selector & 1) == 0) {
        const karvo::MacroRecord r = file.decodeRow(rest, version);
        checkRecord(r, file);
        checkRecord(file.decodeRow(file.encodeRow(r), 3), file);
        return 0;
    }
    const auto groupFile = karvo::fuzz::Scratch::get().write("group.dat", rest);
    karvo::MacroTable table;
    file.readGroup(groupFile, table);
    karvo::fuzz::Scratch::get().clear();
    check(table.count() <= karvo::MacroTable::kMaxMacros);
    check(table.blank() == karvo::MacroRecord{});
    for (const karvo::MacroRecord& r : table.macros())
        checkRecord(r, file);
    return 0;
}
