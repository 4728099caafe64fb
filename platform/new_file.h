// Creating a file only where none exists, complete or not at all: how a user's copy of a
// shipped file is made, so that two programs starting at the same moment (the window and
// karvoctl) can never replace a copy the user has already changed.
#pragma once

#include <filesystem>
#include <string_view>

namespace karvo::fileops {

enum class NewFile {
    Created,  // `file` now holds the bytes
    Existed,  // something was already at `file`; it was left alone
    Failed,   // nothing was created (no folder, no space, no permission)
};

// Writes the bytes to a temporary file in the folder of `file`, flushes it to the disk, and
// links it in as `file` only when that name is still free; the temporary is removed in every
// case. A crash leaves no half-written `file`. The new file's mode is 0666 less the umask.
NewFile createFileExclusively(const std::filesystem::path& file, std::string_view bytes);

}  // namespace karvo::fileops
