// Fuzz target for the group list loader: any macroGrp.ini, beside a few group files and a file
// outside the macro folder that hostile names aim at. A load never writes the list, never
// names a file outside the macro folder, and keeps every listed group in its place.
// Input: the list file, then "\n--\n" and the bytes of the group file "A.dat".
// fuzz-options: -max_len=131072
#include <algorithm>
#include <cstdint>
#include <string>

#include "macro/macro_group.h"
#include "platform/file_ops.h"
#include "tests/fuzz/fuzz_scratch.h"

using karvo::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const karvo::MacVkAndText keys;
    static const karvo::MacroFile file(keys, 1);
    const auto& scratch = karvo::fuzz::Scratch::get();
    scratch.clear();
    const auto [list, group] =
        karvo::fuzz::parts<2>(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto folder = scratch.path() / "lang" / "macro";
    const auto listFile = scratch.write("lang/macro/macroGrp.ini", list);
    scratch.write("lang/macro/A.dat", group);
    scratch.write("lang/macro/B.dat", "[Macros]\r\nmacroNum=0\r\n");
    scratch.write("lang/outside.dat", "[Macros]\r\nmacroNum=1\r\n");

    karvo::RecordingNotifier notes;
    karvo::MacroGroup lib(file, notes, folder, scratch.path() / "lang" / "macroReset");
    lib.load();
    check(karvo::fileops::readFile(listFile).value_or("?") == list);
    check(lib.groupCount() <= karvo::MacroGroup::kMaxGroups);
    const std::string inside = folder.string() + "/";
    for (std::size_t g = 0; g < lib.groupCount(); ++g) {
        const auto f = lib.groupFile(g);
        check(f.empty() == !lib.isPresent(g));
        check(f.empty() ||
              (f.string().rfind(inside, 0) == 0 &&
               f.filename().string().find('/') == std::string::npos && f.parent_path() == folder));
        check(lib.macroCount(g) <= karvo::MacroGroup::kMaxMacros);
        (void)lib.readMacroForDevice(g, 0);
    }
    for (const karvo::MacroListLine& l : lib.lines())
        check(l.group < lib.groupCount() && lib.isPresent(l.group));
    scratch.clear();
    return 0;
}
