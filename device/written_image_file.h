// FileWrittenImageStore: the last written image of one mouse kept in a file, so that one
// karvoctl run finds what the previous one wrote, and the window and karvoctl, which may both
// write the same mouse, never compare with an image the other one has overwritten. The record
// names the device and its connection; a record of another device or connection (the mouse was
// plugged in again, an emulated mouse's memory was changed) is not used.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/written_image.h"

namespace karvo::device {

class FileWrittenImageStore final : public WrittenImageStore {
  public:
    // Which mouse, and which connection of it, the store is about right now.
    struct Identity {
        std::string devicePath;
        std::string connection;  // changes whenever the mouse is connected again
        bool operator==(const Identity&) const = default;
    };
    // Asked at every load and remember; nothing means the connection cannot be told apart
    // from a later one, and then nothing is kept. Called from the downloading thread.
    using IdentityOf = std::function<std::optional<Identity>()>;

    // A complete write with its retries takes a few seconds; a holder beyond this is stuck.
    static constexpr std::chrono::milliseconds kDefaultWait{10'000};

    // The record is `file`; an empty path keeps it in the user's cache folder under the
    // name inUserCache gives the identity's device path at each use. `wait` is how long
    // holdDevice waits for another program.
    FileWrittenImageStore(std::filesystem::path file, IdentityOf identity,
                          std::chrono::milliseconds wait = kDefaultWait);

    // An advisory lock on the record's name with ".lock" added, which every program that
    // keeps this mouse's record takes; without a place for the record, nothing is held.
    std::unique_ptr<Hold> holdDevice() override;
    Loaded load() override;
    void forget() override;  // removes the file
    void remember(const WrittenImage& image) override;

    // The record of the mouse at `devicePath` in the user's cache folder:
    // $XDG_CACHE_HOME/karvo-gmouse (an absolute XDG_CACHE_HOME only), else
    // $HOME/.cache/karvo-gmouse, named after the path with every character other than a
    // letter or digit replaced, plus a hash of the path. Nothing when neither variable helps.
    static std::optional<std::filesystem::path> inUserCache(std::string_view devicePath);

    // The record's bytes: a text line "karvo written image 1", then (numbers little-endian)
    // the path and the connection (32-bit length, bytes), the variant (32 bits), the macro
    // area end (16), the effect code (8), the 4096 memory bytes, the 4096 known bits (512
    // bytes, address a in bit a % 8 of byte a / 8) and a 64-bit FNV-1a hash of all before it.
    static std::string encode(const WrittenImage& image, const Identity& identity);
    // A 64-bit FNV-1a hash of the bytes: the record's check, and a short name for a memory.
    static std::uint64_t fingerprint(std::string_view bytes);
    // Nothing for a damaged or foreign record.
    static std::optional<std::pair<WrittenImage, Identity>> decode(std::string_view bytes);

  private:
    std::optional<std::filesystem::path> fileFor(const std::optional<Identity>& identity) const;
    // The record's file for a use that needs no identity check (forget, the lock).
    std::optional<std::filesystem::path> recordFile() const;

    std::filesystem::path file_;
    IdentityOf identity_;
    std::chrono::milliseconds wait_;
};

}  // namespace karvo::device
