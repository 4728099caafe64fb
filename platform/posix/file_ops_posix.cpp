// POSIX back-end of the file operations: mkstemp in the target's folder, fsync, rename.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/file_ops.h"

namespace karvo::fileops {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTempMark = ".~karvo";
constexpr int kMaxLinks = 40;  // as the kernel's own limit on a chain of links
constexpr auto kStaleAge = std::chrono::hours(1);

thread_local std::string lastErrorText;

bool fail(std::string why) {
    lastErrorText = std::move(why);
    return false;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in a temporary name ".<name>.~karvo<pid>.XXXXXX", or 0 when the name is not
// one of ours.
long tempOwner(std::string_view name) {
    if (name.size() < 2 || name[0] != '.')
        return 0;
    const std::size_t mark = name.rfind(kTempMark);
    if (mark == std::string_view::npos || mark < 2)
        return 0;
    const std::string_view rest = name.substr(mark + kTempMark.size());
    const std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos || rest.size() - dot - 1 != 6 ||
        !allDigits(rest.substr(0, dot)))
        return 0;
    return std::strtol(std::string(rest.substr(0, dot)).c_str(), nullptr, 10);
}

bool processEnded(long pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files of earlier writes to this folder that a kill or a crash left:
// only names of our own pattern, only when their writer has ended or they are old.
void removeStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const long pid = tempOwner(name);
        if (pid == 0)
            continue;
        std::error_code statError;
        if (!fs::is_regular_file(it->symlink_status(statError)))
            continue;
        const auto written = fs::last_write_time(it->path(), statError);
        const bool old = !statError && now - written > kStaleAge;
        if (old || processEnded(pid))
            fs::remove(it->path(), statError);
    }
}

}  // namespace

const std::string& lastError() {
    return lastErrorText;
}

std::optional<std::string> readFile(const fs::path& file) {
    // A folder opens like a file and throws on the first read; a pipe would block for ever.
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    try {
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad())
            return std::nullopt;
        return bytes;
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

std::optional<fs::path> writeTarget(const fs::path& file) {
    fs::path target = file;
    for (int i = 0; i <= kMaxLinks; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            return target;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            return std::nullopt;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

bool writeFileAtomically(const fs::path& file, std::string_view bytes) {
    const auto target = writeTarget(file);
    if (!target)
        return fail(file.string() + " is a chain of links that does not end in a file.");
    std::error_code ec;
    const fs::file_status status = fs::status(*target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return fail(file.string() + " is not a regular file; it was left as it is.");

    const fs::path folder = target->parent_path();
    removeStaleTemporaries(folder);
    std::string tmpl = (folder / ("." + target->filename().string() + std::string(kTempMark) +
                                  std::to_string(::getpid()) + ".XXXXXX"))
                           .string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return fail("No file can be created in " + folder.string() + ": " + std::strerror(errno) +
                    ".");
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target->c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(tmpl.c_str(), target->c_str()) == 0) {
        syncFolder(folder);
        return true;
    }
    const int renameErrno = ok ? errno : writeErrno;
    ::unlink(tmpl.c_str());
    return fail(target->string() + " could not be written: " + std::strerror(renameErrno) + ".");
}

bool copyFileAtomically(const fs::path& from, const fs::path& to) {
    const auto bytes = readFile(from);
    if (!bytes)
        return fail(from.string() + " could not be read.");
    return writeFileAtomically(to, *bytes);
}

}  // namespace karvo::fileops
