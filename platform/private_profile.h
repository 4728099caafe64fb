// The private-profile functions of the program: reads and writes of single INI keys with the
// Windows semantics the data files depend on (see ini_document.h), plus two batch forms that
// give the same results as a run of single calls: a snapshot for many reads of one consistent
// file, and a transaction for many writes committed as one atomic file replacement.
//
// Every write of a file, single or batched, holds its folder's lock (folder_lock.h) from its
// read to its rename, so two writers, threads or processes, never lose each other's keys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/folder_lock.h"
#include "platform/ini_document.h"

namespace karvo::ini {

// GetPrivateProfileString: the value of [section] key in `file`, or the default when the file,
// the section or the key is missing; at most bufferChars - 1 UTF-16 units.
std::string readString(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, std::string_view defaultValue,
                       std::size_t bufferChars);

// WritePrivateProfileString: sets the key (a missing file or section is created), or removes it
// when value is empty (std::nullopt). The file is replaced atomically; it is not touched when
// nothing changes. False when the file cannot be written or the entry would break the file's
// structure (a line break in a name or value, an '=' in the key).
bool writeString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::optional<std::string_view> value);

// WritePrivateProfileString with a null key: removes the whole section.
bool removeSection(const std::filesystem::path& file, std::string_view section);

// The decimal conversion applied to every number read from a file (as _wtoi does): leading
// blanks, an optional sign, then digits up to the first other character; no digits give 0;
// values beyond 32 bits saturate.
std::int32_t toInt(std::string_view text);

// One read of a file answering many key reads.
class IniSnapshot {
  public:
    explicit IniSnapshot(const std::filesystem::path& file);
    bool exists() const { return exists_; }
    std::string get(std::string_view section, std::string_view key, std::string_view defaultValue,
                    std::size_t bufferChars) const {
        return doc_.getString(section, key, defaultValue, bufferChars);
    }
    std::int32_t getInt(std::string_view section, std::string_view key,
                        std::size_t bufferChars) const {
        return toInt(get(section, key, "", bufferChars));
    }
    const IniDocument& document() const { return doc_; }

  private:
    bool exists_ = false;
    IniDocument doc_;
};

// Many writes to one file, committed as one atomic replacement. Holds the folder's lock for its
// lifetime and reads the file after taking it, so the changes land on what is on disk at that
// moment; changes not committed are dropped. Scope::Process for a file in a folder the user
// chose, where no lock file should be left.
class IniTransaction {
  public:
    explicit IniTransaction(std::filesystem::path file, fileops::FolderLock::Scope scope =
                                                            fileops::FolderLock::Scope::Processes);
    IniTransaction(const IniTransaction&) = delete;
    IniTransaction& operator=(const IniTransaction&) = delete;

    // As writeString, in memory; false when the entry is refused.
    bool set(std::string_view section, std::string_view key, std::string_view value);
    bool remove(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);
    const IniDocument& document() const { return doc_; }

    // Writes the file when anything changed; true when the file holds the changes.
    bool commit();

  private:
    std::filesystem::path file_;
    fileops::FolderLock lock_;
    IniDocument doc_;
    bool changed_ = false;
};

}  // namespace karvo::ini
