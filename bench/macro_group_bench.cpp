// Times loading a full macro library, as start-up and every reset do: the group list, the
// names of every macro of 12 groups of 12 full macros (about 1.1 MB of rows), and the current
// group's table. Prints the median of many runs; the target is 20 ms.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "bench/bench_util.h"
#include "macro/macro_group.h"
#include "platform/private_profile.h"

namespace {

namespace fs = std::filesystem;

karvo::MacroTable fullGroup(std::mt19937& rng, std::size_t group) {
    karvo::MacroTable table;
    table.setCount(12);
    for (std::size_t i = 0; i < 12; ++i) {
        karvo::MacroRecord& r = *table.macro(i);
        r.setName("Group " + std::to_string(group) + " macro " + std::to_string(i));
        r.repeatCount = 1;
        r.stepCount = karvo::MacroRecord::kMaxSteps;
        for (auto& s : r.steps) {
            s = {karvo::stepkind::kPress, static_cast<std::uint8_t>(4 + rng() % 26),
                 static_cast<std::uint16_t>(rng()), static_cast<std::uint16_t>(rng()),
                 static_cast<std::uint16_t>(rng() % 10000)};
        }
    }
    return table;
}

bool buildLibrary(const fs::path& folder, const karvo::MacroFile& file) {
    fs::create_directories(folder);
    std::mt19937 rng(3);
    karvo::ini::IniTransaction list(folder / "macroGrp.ini");
    list.set("MACRO_GROUP_NUM", "macGrpNum", "12");
    for (std::size_t g = 0; g < 12; ++g) {
        const std::string name = "Group " + std::to_string(g);
        if (!file.writeGroup(folder / (name + ".dat"), fullGroup(rng, g)))
            return false;
        list.set("MACRO_GROUP_NAME", std::to_string(g), name);
    }
    return list.commit();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    std::vector<fs::path> bases = {fs::temp_directory_path()};
    if (fs::is_directory("/dev/shm"))
        bases.emplace_back("/dev/shm");

    const karvo::MacVkAndText keys;
    const karvo::MacroFile file(keys, 1);
    std::printf("macro library of 12 groups x 12 full macros, median of %d runs\n", runs);
    for (const fs::path& base : bases) {
        const fs::path folder =
            base / ("karvo-group-bench-" + std::to_string(std::random_device{}()));
        if (!buildLibrary(folder, file)) {
            std::fprintf(stderr, "could not write the library in %s\n", base.c_str());
            return 1;
        }
        karvo::RecordingNotifier notes;
        karvo::MacroGroup library(file, notes, folder, folder / "reset");
        const double ms = karvo::bench::medianMs(runs, [&] { library.load(); });
        const bool ok = library.groupCount() == 12 && library.macroCount(11) == 12 &&
                        library.table().count() == 12 && notes.notices.empty();
        fs::remove_all(folder);
        if (!ok) {
            std::fprintf(stderr, "the library did not load whole in %s\n", base.c_str());
            return 1;
        }
        const std::string what = "load (list, 144 names, current table) in " + base.string();
        karvo::bench::report(what.c_str(), ms);
    }
    std::printf("  target: under 20 ms\n");
    return 0;
}
