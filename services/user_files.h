// The user's own copies of the shipped files the program writes, in the installed layout: the
// configuration folder, each language's macro groups and its gun presets. They are copied from
// the shipped tree on first start; a later version that ships a new file (a new language's
// macro groups, say) adds it at the next start, and never touches a file the user already has
// or one the program copied before and the user has since removed (a deleted macro group stays
// deleted; only a missing file of the configuration folder comes back, since nothing works
// without it). What was copied is listed in a manifest beside the user's files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "services/program_paths.h"

namespace karvo {

class UserFiles {
  public:
    // The manifest, in the user folder: one relative path ("config/config.ini") a line.
    static constexpr const char* kManifestName = ".shipped-files";

    struct Result {
        int copied = 0;                     // files that are new in the user folder
        std::vector<std::string> problems;  // one line each, for the warning path
        bool usable = true;                 // false when the configuration file is missing
    };

    // Whether a path relative to the shipped tree names a file the program writes: anything
    // under "config/", "<language folder>/macro/...", and "<language folder>/PUBG.dat".
    static bool isUserFile(const std::filesystem::path& relative);

    // Copies what the user folder lacks (see above). Nothing happens in the portable layout,
    // where the shipped tree is the user's. Safe to run by two programs at once: a copy is
    // created only where no file exists, and never replaces one.
    static Result provide(const ProgramPaths& paths);

    // True the first time it is asked for `name` in this user folder, false ever after (and
    // when the mark cannot be made, so a notice is never repeated at every start): for notices
    // the user needs once. The mark is an empty file ".once-<name>" in the user folder; `name`
    // is the program's own, letters, digits and '-' only.
    static bool firstTime(const ProgramPaths& paths, std::string_view name);
};

}  // namespace karvo
