// First-start copies of the shipped files into the user's folder; see user_files.h.
#include "services/user_files.h"

#include <set>
#include <sstream>
#include <system_error>

#include "macro/gun_presets.h"
#include "platform/file_ops.h"
#include "platform/new_file.h"

namespace karvo {

namespace fs = std::filesystem;

namespace {

std::set<std::string> readManifest(const fs::path& file) {
    std::set<std::string> names;
    const auto bytes = fileops::readFile(file);
    if (!bytes)
        return names;
    std::istringstream in(*bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            names.insert(line);
    }
    return names;
}

// Creates the folder and the missing ones above it, each private to the user as the XDG rules
// ask of a configuration folder the program makes.
bool makeFolders(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    if (!folder.has_parent_path() || folder.parent_path() == folder)
        return false;
    if (!makeFolders(folder.parent_path()))
        return false;
    if (!fs::create_directory(folder, ec) && !fs::is_directory(folder, ec))
        return false;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    return true;
}

}  // namespace

bool UserFiles::isUserFile(const fs::path& relative) {
    std::vector<std::string> parts;
    for (const fs::path& part : relative)
        parts.push_back(part.string());
    if (parts.size() < 2 || relative.is_absolute())
        return false;
    for (const std::string& part : parts) {
        if (part == ".." || part == "." || part.empty())
            return false;
    }
    if (parts[0] == "config")
        return true;
    if (parts.size() >= 3 && parts[1] == "macro")
        return true;
    return parts.size() == 2 && parts[1] == GunPresets::kFileName;
}

UserFiles::Result UserFiles::provide(const ProgramPaths& paths) {
    Result result;
    if (!paths.isInstalled())
        return result;
    std::error_code ec;
    if (!makeFolders(paths.userFolder)) {
        result.problems.push_back("cannot create the settings folder " + paths.userFolder.string());
        result.usable = fs::is_regular_file(paths.configFile, ec);
        return result;
    }
    const fs::path manifestFile = paths.userFolder / kManifestName;
    std::set<std::string> manifest = readManifest(manifestFile);
    const std::size_t listed = manifest.size();

    fs::recursive_directory_iterator it(paths.skinFolder, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        const fs::path relative = it->path().lexically_relative(paths.skinFolder);
        if (!isUserFile(relative))
            continue;
        const std::string name = relative.generic_string();
        const fs::path to = paths.userFolder / relative;
        // Copied before: the user's copy, or the user's choice to remove a macro group. The
        // configuration folder's files are restored, as nothing works without them, which
        // also makes removing config.ini the way back to the shipped settings.
        if (manifest.count(name) && !(*relative.begin() == "config" && !fs::exists(to, ec)))
            continue;
        const auto bytes = fileops::readFile(it->path());
        if (!bytes || !makeFolders(to.parent_path())) {
            result.problems.push_back("cannot copy " + it->path().string() + " to " + to.string());
            continue;
        }
        switch (fileops::createFileExclusively(to, *bytes)) {
            case fileops::NewFile::Created:
                ++result.copied;
                [[fallthrough]];
            case fileops::NewFile::Existed:
                manifest.insert(name);
                break;
            case fileops::NewFile::Failed:
                result.problems.push_back("cannot copy " + it->path().string() + " to " +
                                          to.string());
                break;
        }
    }
    if (ec)
        result.problems.push_back("cannot read the shipped files in " + paths.skinFolder.string());

    if (manifest.size() != listed) {
        std::string text;
        for (const std::string& name : manifest)
            text += name + "\n";
        if (!fileops::writeFileAtomically(manifestFile, text))
            result.problems.push_back("cannot write " + manifestFile.string());
    }
    result.usable = fs::is_regular_file(paths.configFile, ec);
    return result;
}

bool UserFiles::firstTime(const ProgramPaths& paths, std::string_view name) {
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        if (!plain)
            return false;
    }
    if (name.empty() || !makeFolders(paths.userFolder))
        return false;
    const fs::path mark = paths.userFolder / (".once-" + std::string(name));
    return fileops::createFileExclusively(mark, "") == fileops::NewFile::Created;
}

}  // namespace karvo
