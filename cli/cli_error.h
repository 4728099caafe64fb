// CliError: how a command of karvoctl gives up. A usage error (a bad or missing argument) ends
// with exit code 2 and the command's usage line; a failure (a missing file, no mouse, a
// download that stopped) with exit code 1. Both carry the sentence the user reads on stderr.
#pragma once

#include <stdexcept>
#include <string>

namespace karvo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

class CliError : public std::runtime_error {
  public:
    static CliError usage(const std::string& message) { return {message, kExitUsage}; }
    static CliError failure(const std::string& message) { return {message, kExitFailure}; }

    int exitCode() const { return exitCode_; }

  private:
    CliError(const std::string& message, int exitCode)
        : std::runtime_error(message), exitCode_(exitCode) {}
    int exitCode_;
};

}  // namespace karvo::cli
