// The last written image in a file; see written_image_file.h.
#include "device/written_image_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>
#include <utility>

#include "platform/exclusive_file.h"
#include "platform/file_ops.h"

namespace karvo::device {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMagic = "karvo written image 1\n";
constexpr std::size_t kKnownBytes = WrittenImage::kSize / 8;
constexpr std::uint32_t kLongestName = 4096;

void putNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads the record front to back; any read past its end leaves it failed.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return rest_.empty(); }

    std::uint64_t number(int bytes) {
        const std::string_view raw = take(static_cast<std::size_t>(bytes));
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < raw.size(); ++i)
            value |= std::uint64_t{static_cast<unsigned char>(raw[i])} << (8 * i);
        return value;
    }
    std::string text() {
        const auto length = static_cast<std::uint32_t>(number(4));
        if (length > kLongestName)
            ok_ = false;
        return std::string(take(ok_ ? length : 0));
    }
    std::string_view take(std::size_t n) {
        if (!ok_ || n > rest_.size()) {
            ok_ = false;
            return {};
        }
        const std::string_view out = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return out;
    }

  private:
    std::string_view rest_;
    bool ok_ = true;
};

}  // namespace

std::uint64_t FileWrittenImageStore::fingerprint(std::string_view bytes) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return h;
}

FileWrittenImageStore::FileWrittenImageStore(fs::path file, IdentityOf identity,
                                             std::chrono::milliseconds wait)
    : file_(std::move(file)), identity_(std::move(identity)), wait_(wait) {}

std::string FileWrittenImageStore::encode(const WrittenImage& image, const Identity& identity) {
    std::string out(kMagic);
    putNumber(out, identity.devicePath.size(), 4);
    out += identity.devicePath;
    putNumber(out, identity.connection.size(), 4);
    out += identity.connection;
    putNumber(out, static_cast<std::uint32_t>(image.variantFlag), 4);
    putNumber(out, image.previous.macroAreaEnd, 2);
    putNumber(out, image.previous.effectCode, 1);
    out.append(reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size());
    for (std::size_t i = 0; i < kKnownBytes; ++i) {
        unsigned byte = 0;
        for (std::size_t bit = 0; bit < 8; ++bit)
            byte |= image.known[8 * i + bit] ? 1u << bit : 0u;
        out.push_back(static_cast<char>(byte));
    }
    putNumber(out, fingerprint(out), 8);
    return out;
}

std::optional<std::pair<WrittenImage, FileWrittenImageStore::Identity>>
FileWrittenImageStore::decode(std::string_view bytes) {
    if (bytes.size() < kMagic.size() + 8 || bytes.substr(0, kMagic.size()) != kMagic)
        return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - 8);
    Reader hash(bytes.substr(body.size()));
    if (hash.number(8) != fingerprint(body))
        return std::nullopt;

    Reader in(body.substr(kMagic.size()));
    std::pair<WrittenImage, Identity> out;
    out.second.devicePath = in.text();
    out.second.connection = in.text();
    WrittenImage& image = out.first;
    image.variantFlag = static_cast<std::int32_t>(static_cast<std::uint32_t>(in.number(4)));
    image.previous.macroAreaEnd = static_cast<std::uint16_t>(in.number(2));
    image.previous.effectCode = static_cast<std::uint8_t>(in.number(1));
    const std::string_view memory = in.take(image.bytes.size());
    const std::string_view known = in.take(kKnownBytes);
    if (!in.ok() || !in.atEnd())
        return std::nullopt;
    for (std::size_t a = 0; a < image.bytes.size(); ++a)
        image.bytes[a] = static_cast<std::uint8_t>(memory[a]);
    for (std::size_t a = 0; a < WrittenImage::kSize; ++a)
        image.known[a] = (static_cast<unsigned char>(known[a / 8]) >> (a % 8)) & 1;
    return out;
}

std::optional<fs::path> FileWrittenImageStore::fileFor(
    const std::optional<Identity>& identity) const {
    if (!file_.empty())
        return file_;
    return identity ? inUserCache(identity->devicePath) : std::nullopt;
}

std::optional<fs::path> FileWrittenImageStore::recordFile() const {
    // A fixed file needs no identity, which may cost a look at the device.
    return fileFor(file_.empty() ? identity_() : std::nullopt);
}

std::unique_ptr<WrittenImageStore::Hold> FileWrittenImageStore::holdDevice() {
    const std::optional<fs::path> file = recordFile();
    if (!file)
        return std::make_unique<Hold>();
    struct FileHold final : Hold {
        FileHold(const fs::path& lockFile, std::chrono::milliseconds wait) : lock(lockFile, wait) {}
        fileops::ExclusiveFile lock;
    };
    auto hold = std::make_unique<FileHold>(fs::path(file->string() + ".lock"), wait_);
    if (hold->lock.outcome() == fileops::ExclusiveFile::Outcome::TimedOut)
        return nullptr;
    return hold;
}

WrittenImageStore::Loaded FileWrittenImageStore::load() {
    const std::optional<Identity> now = identity_();
    const std::optional<fs::path> file = fileFor(now);
    if (!file)
        return {};
    const std::optional<std::string> bytes = fileops::readFile(*file);
    if (!bytes)
        return {};  // none kept (or unreadable, which comes to the same)
    const auto record = decode(*bytes);
    if (!record)
        return {std::nullopt, "the record " + file->string() + " is damaged"};
    if (!now || record->second.devicePath != now->devicePath)
        return {std::nullopt, "the record " + file->string() + " belongs to another mouse"};
    if (record->second.connection != now->connection)
        return {std::nullopt, "the mouse was connected again, or its memory changed, since"};
    return {record->first, {}};
}

void FileWrittenImageStore::forget() {
    const std::optional<fs::path> file = recordFile();
    std::error_code ec;
    if (file)
        fs::remove(*file, ec);
}

void FileWrittenImageStore::remember(const WrittenImage& image) {
    const std::optional<Identity> identity = identity_();
    const std::optional<fs::path> file = fileFor(identity);
    if (!identity || !file)
        return;
    // A record that cannot be written only means the next apply writes everything. It is
    // replaced by a rename, so a reader sees the old record or the new one, but not flushed to
    // the disk (which costs more than the apply itself): after a power loss the boot, and so
    // the connection, is another one and the record is not used anyway.
    std::error_code ec;
    const fs::path temporary =
        file->string() + ".tmp" + std::to_string(std::random_device{}() & 0xFFFFFF);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        const std::string bytes = encode(image, *identity);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            return;
        }
    }
    fs::rename(temporary, *file, ec);
    if (ec)
        fs::remove(temporary, ec);
}

std::optional<fs::path> FileWrittenImageStore::inUserCache(std::string_view devicePath) {
    fs::path folder;
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (cache && fs::path(cache).is_absolute())
        folder = fs::path(cache) / "karvo-gmouse";
    else if (home && fs::path(home).is_absolute())
        folder = fs::path(home) / ".cache" / "karvo-gmouse";
    else
        return std::nullopt;
    std::error_code ec;
    if (fs::create_directories(folder, ec))
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    if (!fs::is_directory(folder, ec))
        return std::nullopt;

    // The path names the file only through letters and digits, so no path of a device can
    // reach outside the folder; the hash keeps "/dev/a-b" and "/dev/a_b" apart.
    std::string name = "last-image-";
    for (const char c : devicePath.substr(0, 64)) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        name.push_back(plain ? c : '_');
    }
    char hash[24];
    std::snprintf(hash, sizeof hash, "-%016llx",
                  static_cast<unsigned long long>(fingerprint(devicePath)));
    return folder / (name + hash);
}

}  // namespace karvo::device
