// Arguments: the words after a command name, taken one by one by the command that owns them.
// Every accessor checks what it takes and throws a usage error that names the argument, so a
// command never sees a number out of range, a missing word or an option it does not know.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace karvo::cli {

class Arguments {
  public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}

    bool empty() const { return words_.empty(); }

    // Takes `--name` from anywhere among the words; true when it was there.
    bool flag(std::string_view name);
    // Takes `--name VALUE` or `--name=VALUE` from anywhere among the words. A `--name` at the
    // end without its value is a usage error.
    std::optional<std::string> option(std::string_view name);

    // The next positional word; a usage error naming `what` when there is none. A word that
    // starts with "--" is an option nobody asked for, and a usage error too.
    std::string next(std::string_view what);
    std::optional<std::string> nextOptional(std::string_view what);
    // The next word as a number from min to max (see parseNumber).
    std::int64_t number(std::string_view what, std::int64_t min, std::int64_t max);
    std::optional<std::int64_t> numberOptional(std::string_view what, std::int64_t min,
                                               std::int64_t max);

    // Every word not taken yet, as it stands (options too), leaving none.
    std::vector<std::string> takeRest() { return std::exchange(words_, {}); }

    // Usage error when words are left over.
    void finish() const;

    // A number as scripts write them: decimal digits, or 0x and hex digits; no sign, no
    // blanks, nothing after it, and no more than fits in 32 bits. Nothing otherwise.
    static std::optional<std::int64_t> parseNumber(std::string_view text);
    // parseNumber, and a usage error naming `what` and the range when it fails or lies
    // outside min to max.
    static std::int64_t toNumber(std::string_view text, std::string_view what, std::int64_t min,
                                 std::int64_t max);

  private:
    std::vector<std::string> words_;
};

}  // namespace karvo::cli
