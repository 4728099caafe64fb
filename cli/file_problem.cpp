// Reasons a file cannot be read or written; see file_problem.h.
#include "cli/file_problem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "cli/cli_error.h"

namespace karvo::cli {

namespace fs = std::filesystem;

std::optional<std::string> FileProblem::unreadable(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec))
        return std::string("it is a folder");
    errno = 0;
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (f == nullptr)
        return std::string(std::strerror(errno != 0 ? errno : EIO));
    std::fclose(f);
    return std::nullopt;
}

std::optional<std::string> FileProblem::unwritable(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec))
        return std::string("it is a folder");
    const bool existed = fs::exists(file, ec);
    errno = 0;
    std::FILE* f = std::fopen(file.c_str(), "ab");
    if (f == nullptr)
        return std::string(std::strerror(errno != 0 ? errno : EIO));
    std::fclose(f);
    if (!existed)
        fs::remove(file, ec);
    return std::nullopt;
}

void FileProblem::checkReadable(const fs::path& file) {
    if (const auto why = unreadable(file))
        throw CliError::failure("cannot read " + file.string() + ": " + *why);
}

void FileProblem::checkWritable(const fs::path& file) {
    if (const auto why = unwritable(file))
        throw CliError::failure("cannot write " + file.string() + ": " + *why);
}

}  // namespace karvo::cli
