// The XDG autostart entry of the window program; see autostart.h.
#include "services/autostart.h"

#include <system_error>

#include "platform/file_ops.h"

namespace karvo {

namespace fs = std::filesystem;

namespace {

// Hidden=true in the [Desktop Entry] group of an entry's text.
bool hiddenEntry(const std::string& text) {
    bool inEntry = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
        } else if (inEntry) {
            const std::size_t eq = line.find('=');
            if (eq != std::string::npos) {
                auto trim = [](std::string s) {
                    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
                        s.pop_back();
                    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
                        s.erase(0, 1);
                    return s;
                };
                if (trim(line.substr(0, eq)) == "Hidden" && trim(line.substr(eq + 1)) == "true")
                    return true;
            }
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

Autostart::Autostart(fs::path configHome, std::vector<fs::path> systemDirs)
    : configHome_(std::move(configHome)), systemDirs_(std::move(systemDirs)) {
    if (systemDirs_.empty())
        systemDirs_.push_back("/etc/xdg");
}

std::vector<fs::path> Autostart::splitDirs(std::string_view list) {
    std::vector<fs::path> dirs;
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const fs::path dir = rest.substr(0, colon);
        if (dir.is_absolute())  // the rules ignore relative entries
            dirs.push_back(dir);
        if (colon == std::string_view::npos)
            break;
        rest.remove_prefix(colon + 1);
    }
    return dirs;
}

fs::path Autostart::userEntry() const {
    return configHome_ / "autostart" / kFileName;
}

bool Autostart::enabled() const {
    if (const auto text = fileops::readFile(userEntry()))
        return !hiddenEntry(*text);
    for (const fs::path& dir : systemDirs_) {
        if (const auto text = fileops::readFile(dir / "autostart" / kFileName))
            return !hiddenEntry(*text);
    }
    return false;
}

std::optional<std::string> Autostart::execArgument(std::string_view argument) {
    static constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    bool quote = argument.empty();
    std::string escaped;
    for (const char c : argument) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return std::nullopt;
        if (reserved.find(c) != std::string_view::npos)
            quote = true;
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    std::string arg = quote ? "\"" + escaped + "\"" : std::string(argument);
    std::string out;
    for (const char c : arg) {
        if (c == '%')
            out += "%%";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> Autostart::entryText(const fs::path& program,
                                                const std::vector<std::string>& arguments) {
    std::string exec;
    auto add = [&exec](std::string_view a) {
        const auto quoted = execArgument(a);
        if (!quoted)
            return false;
        exec += (exec.empty() ? "" : " ") + *quoted;
        return true;
    };
    if (!add(program.string()))
        return std::nullopt;
    for (const std::string& a : arguments) {
        if (!add(a))
            return std::nullopt;
    }
    add("-HIDE");
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Karvo G7 Pro\n"
           "Comment=Keeps the mouse's configuration program running, minimised\n"
           "Exec=" +
           exec +
           "\n"
           "Icon=karvo-gmouse\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string Autostart::enable(const fs::path& program,
                              const std::vector<std::string>& arguments) const {
    const auto text = entryText(program, arguments);
    if (!text)
        return "the program's path cannot be written into an autostart entry: " + program.string();
    std::error_code ec;
    fs::create_directories(userEntry().parent_path(), ec);
    if (!fileops::writeFileAtomically(userEntry(), *text))
        return "cannot write " + userEntry().string();
    return {};
}

std::string Autostart::disable() const {
    bool systemEntry = false;
    for (const fs::path& dir : systemDirs_) {
        std::error_code ec;
        systemEntry = systemEntry || fs::exists(dir / "autostart" / kFileName, ec);
    }
    if (systemEntry) {
        std::error_code ec;
        fs::create_directories(userEntry().parent_path(), ec);
        if (!fileops::writeFileAtomically(userEntry(),
                                          "[Desktop Entry]\nType=Application\n"
                                          "Name=Karvo G7 Pro\nHidden=true\n"))
            return "cannot write " + userEntry().string();
        return {};
    }
    std::error_code ec;
    fs::remove(userEntry(), ec);
    if (ec)
        return "cannot remove " + userEntry().string() + ": " + ec.message();
    return {};
}

}  // namespace karvo
