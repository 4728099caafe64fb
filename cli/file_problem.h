// FileProblem: why a file named on the command line cannot be read or written, in the
// system's words ("No such file or directory"), so a failed import or export names the file
// and the reason instead of only saying that something could not be copied.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace karvo::cli {

class FileProblem {
  public:
    // The reason `file` cannot be read as a file, or nothing when it can.
    static std::optional<std::string> unreadable(const std::filesystem::path& file);
    // The reason `file` cannot be written, or nothing when it can. Leaves no file behind that
    // was not there.
    static std::optional<std::string> unwritable(const std::filesystem::path& file);

    // A failure "cannot read FILE: reason" when there is a reason.
    static void checkReadable(const std::filesystem::path& file);
    static void checkWritable(const std::filesystem::path& file);
};

}  // namespace karvo::cli
