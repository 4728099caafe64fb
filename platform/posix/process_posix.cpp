// Linux back-end of the process facts: /proc/self/exe names the running executable.
#include <system_error>

#include "platform/process.h"

namespace karvo::process {

std::filesystem::path executableFolder(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty())
        return exe.parent_path();
    const std::filesystem::path fallback = std::filesystem::absolute(argv0 ? argv0 : ".", ec);
    return ec ? std::filesystem::current_path(ec) : fallback.parent_path();
}

}  // namespace karvo::process
