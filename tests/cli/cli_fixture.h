// Test fixture of karvoctl: a temporary program folder with a copy of the shipped
// configuration and English language folder, a manual clock so the protocol's pauses cost
// nothing, and a runner that calls the tool in-process and keeps its exit code and output.
// Every device command of these tests goes to the emulated mouse (--simulate).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "../support/temp_dir.h"
#include "cli/karvoctl.h"
#include "platform/file_ops.h"
#include "platform/manual_clock.h"

namespace karvo::testing {

struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
};

class CliFixture {
  public:
    CliFixture() {
        namespace fs = std::filesystem;
        const fs::path shipped = KARVO_DATA_OUT_DIR;
        // The pictures are not needed by the tool; leaving them out keeps each test's copy small.
        for (const char* folder : {"config", "1_INI_EN"}) {
            for (const auto& entry : fs::recursive_directory_iterator(shipped / folder)) {
                const fs::path to = skins() / fs::relative(entry.path(), shipped);
                if (entry.is_directory()) {
                    fs::create_directories(to);
                } else if (entry.path().extension() != ".jpg" &&
                           entry.path().extension() != ".png") {
                    fs::create_directories(to.parent_path());
                    fs::copy_file(entry.path(), to);
                }
            }
        }
        environment.programFolder = dir.path();
        environment.clock = &clock;
    }

    std::filesystem::path skins() const { return dir.path() / "skins"; }
    std::filesystem::path configFile() const { return skins() / "config" / "config.ini"; }
    std::filesystem::path state() const { return dir.path() / "state.bin"; }

    CliResult run(std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        CliResult r;
        r.code = cli::Karvoctl::run(args, environment, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }
    // The same against the emulated mouse, whose memory lives in state().
    CliResult sim(std::vector<std::string> args) {
        args.insert(args.begin(), "--simulate=" + state().string());
        return run(std::move(args));
    }

    std::string stateBytes() const { return fileops::readFile(state()).value_or(""); }

    TempDir dir;
    ManualClock clock;
    cli::Environment environment;
};

}  // namespace karvo::testing
