// Running a desktop's own settings tool (gsettings, kwriteconfig, dbus-send) the way a user
// would from a terminal: a program and its arguments, no shell in between, standard output
// captured. The pointer settings back-ends reach GNOME and KDE through it, and tests replace
// it with a recording fake.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace karvo {

class CommandRunner {
  public:
    virtual ~CommandRunner() = default;
    // Runs argv[0] (looked up in $PATH) with the rest as its arguments and waits for it.
    // Its standard output when it ended with exit code 0; nothing when it could not be started,
    // failed, or was still running after the time-out (it is then killed).
    virtual std::optional<std::string> run(const std::vector<std::string>& argv) = 0;
};

class SystemCommandRunner final : public CommandRunner {
  public:
    explicit SystemCommandRunner(std::chrono::milliseconds timeout = std::chrono::seconds(5))
        : timeout_(timeout) {}
    std::optional<std::string> run(const std::vector<std::string>& argv) override;

    // Whether a program of that name is in $PATH (and executable).
    static bool available(const std::string& program);

  private:
    std::chrono::milliseconds timeout_;
};

}  // namespace karvo
