// Times reading and writing a macro group file of 12 full macros (12 rows of 7,863
// characters), the files the program reads on every group switch and writes on every edit.
// Prints the median of many runs; the targets are 2 ms to read and 5 ms to write.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "macro/macro_file.h"

namespace {

using Clock = std::chrono::steady_clock;

karvo::MacroTable fullGroup() {
    std::mt19937 rng(7);
    karvo::MacroTable table;
    table.setCount(12);
    for (std::size_t i = 0; i < 12; ++i) {
        karvo::MacroRecord& r = *table.macro(i);
        r.setName("Benchmark macro " + std::to_string(i));
        r.repeatCount = 1;
        r.stepCount = karvo::MacroRecord::kMaxSteps;
        for (auto& s : r.steps) {
            s = {karvo::stepkind::kPress, static_cast<std::uint8_t>(4 + rng() % 26),
                 static_cast<std::uint16_t>(rng()), static_cast<std::uint16_t>(rng()),
                 static_cast<std::uint16_t>(rng() % 10000)};
        }
        for (auto& led : r.lighting) {
            for (auto& b : led.bytes)
                b = static_cast<std::uint8_t>(rng());
        }
    }
    return table;
}

template <typename F>
double medianMs(int runs, F&& f) {
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(ms.begin(), ms.begin() + runs / 2, ms.end());
    return ms[static_cast<std::size_t>(runs / 2)];
}

struct Figures {
    double readMs;
    double writeMs;
};

// Reads and writes the group in `folder`; false when the file does not read back.
bool measure(const std::filesystem::path& folder, int runs, Figures& out) {
    const karvo::MacVkAndText keys;
    const karvo::MacroFile file(keys, 1);
    const karvo::MacroTable group = fullGroup();
    const auto dir = folder / ("karvo-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "group.dat";
    karvo::MacroTable read;
    bool ok = file.writeGroup(path, group);
    out.readMs = medianMs(runs, [&] { file.readGroup(path, read); });
    ok = ok && read.count() == 12 && *read.macro(11) == *group.macro(11);
    // Every write changes one row, as an edit does, so the file is really replaced each time.
    karvo::MacroTable edited = group;
    std::uint16_t n = 0;
    out.writeMs = medianMs(runs, [&] {
        edited.macro(0)->repeatCount = ++n;
        file.writeGroup(path, edited);
    });
    std::filesystem::remove_all(dir);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::vector<std::filesystem::path> folders = {std::filesystem::temp_directory_path()};
    if (std::filesystem::is_directory("/dev/shm"))
        folders.emplace_back("/dev/shm");

    std::printf("macro group file, 12 macros of %zu characters, median of %d runs\n",
                3 * karvo::MacroFile::kRowBytesV3, runs);
    for (const auto& folder : folders) {
        Figures f{};
        if (!measure(folder, runs, f)) {
            std::fprintf(stderr, "the group did not read back in %s\n", folder.c_str());
            return 1;
        }
        std::printf("  in %-10s read %7.3f ms (target < 2 ms), write %7.3f ms (target < 5 ms)\n",
                    folder.c_str(), f.readMs, f.writeMs);
    }
    std::printf("  (a write replaces the file atomically and flushes it and its folder to disk)\n");
    return 0;
}
