// Facts about the running process that only the operating system knows.
#pragma once

#include <filesystem>

namespace karvo::process {

// The folder of the running executable, where the program's data tree lies. Falls back to the
// folder of argv0 when the system cannot say.
std::filesystem::path executableFolder(const char* argv0);

}  // namespace karvo::process
