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
// the old file untouched, the temporary removed) on any failure.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Copies `from` over `to` with the same guarantee as writeFileAtomically.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace karvo::fileops
