// File operations the program needs from the operating system, with the guarantees it relies
// on. Every write of a user's file goes through writeFileAtomically, so that a crash or a power
// loss in the middle leaves either the old or the new content, never a mix.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karvo::fileops {

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& file);

// Writes the bytes to a temporary file in the same folder, flushes it to the disk, renames it
// over `file` and flushes the folder. An existing file keeps its permission bits. False (and
// the old file untouched, the temporary removed) on any failure; lastError() says why.
//
// A `file` that is a symbolic link stays one: the file it points at is replaced (links to
// links are followed; a dangling link creates its target). A path that names something other
// than a regular file (a folder, a FIFO, a device) is refused, never replaced.
//
// The temporary file is ".<name>.~karvo<pid>.XXXXXX". A kill between its creation and the
// rename leaves it behind; every write removes such files of its folder whose process has
// ended or that are older than an hour, and nothing else.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Where a write of `file` lands: the path itself, or the end of its chain of symbolic links.
// Nothing when the chain loops or is too long.
std::optional<std::filesystem::path> writeTarget(const std::filesystem::path& file);

// Why the last failed write of this thread failed, as a sentence for the user.
const std::string& lastError();

// Copies `from` over `to` with the same guarantee as writeFileAtomically.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace karvo::fileops
