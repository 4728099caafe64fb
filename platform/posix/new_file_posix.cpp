// POSIX back-end of createFileExclusively: mkstemp beside the target, fsync, then link(),
// which fails with EEXIST instead of replacing what is there.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/new_file.h"

namespace karvo::fileops {

NewFile createFileExclusively(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ec;
    if (std::filesystem::symlink_status(file, ec).type() != std::filesystem::file_type::not_found)
        return NewFile::Existed;
    const std::filesystem::path folder = file.parent_path();
    std::string tmpl = (folder / ("." + file.filename().string() + ".new.XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return NewFile::Failed;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    bool ok = ::fchmod(fd, 0666 & ~mask) == 0;
    std::string_view rest = bytes;
    while (ok && !rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            rest.remove_prefix(static_cast<std::size_t>(n));
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    NewFile result = NewFile::Failed;
    if (ok) {
        if (::link(tmpl.c_str(), file.c_str()) == 0)
            result = NewFile::Created;
        else if (errno == EEXIST)
            result = NewFile::Existed;
    }
    ::unlink(tmpl.c_str());
    if (result == NewFile::Created) {
        const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return result;
}

}  // namespace karvo::fileops
