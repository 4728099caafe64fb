// Starting the window with the desktop session, minimised: an XDG autostart entry
// (<config home>/autostart/karvo-gmouse.desktop) that runs the window program with -HIDE. Off by
// default; `karvoctl autostart on|off` switches it. Following the XDG autostart rules, the
// user's entry overrides one of the same name in the system's folders ($XDG_CONFIG_DIRS), so
// switching off writes an entry with Hidden=true when the system has one, and otherwise
// removes the user's entry.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karvo {

class Autostart {
  public:
    static constexpr std::string_view kFileName = "karvo-gmouse.desktop";

    // `configHome`: the user's configuration folder (PathEnvironment::configHome);
    // `systemDirs`: $XDG_CONFIG_DIRS split at ':' (empty: /etc/xdg).
    Autostart(std::filesystem::path configHome, std::vector<std::filesystem::path> systemDirs);

    // A $XDG_CONFIG_DIRS value split at ':', relative entries left out as the rules ask.
    static std::vector<std::filesystem::path> splitDirs(std::string_view list);

    std::filesystem::path userEntry() const;
    // Whether the session will start the program: the user's entry when there is one, else the
    // first system entry, counts unless it says Hidden=true.
    bool enabled() const;

    // Writes the user's entry for `program` (the window's executable) with its arguments
    // (--data DIR, say); -HIDE is added last. An error text, empty on success.
    std::string enable(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments) const;
    std::string disable() const;

    // The entry's text.
    static std::optional<std::string> entryText(const std::filesystem::path& program,
                                                const std::vector<std::string>& arguments);
    // One argument of an Exec key, quoted and escaped as the desktop entry rules ask (reserved
    // characters in double quotes, '"', '`', '$', '\\' escaped inside them, '%' doubled, then
    // every '\\' doubled for the string value). Nothing for a control character, which an Exec
    // line cannot carry.
    static std::optional<std::string> execArgument(std::string_view argument);

  private:
    std::filesystem::path configHome_;
    std::vector<std::filesystem::path> systemDirs_;
};

}  // namespace karvo
