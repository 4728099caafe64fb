// Taking a command's words; see arguments.h.
#include "cli/arguments.h"

#include "cli/cli_error.h"

namespace karvo::cli {
namespace {

constexpr std::int64_t kLargest = 0xFFFFFFFF;

bool isOption(std::string_view word) {
    return word.size() > 2 && word.substr(0, 2) == "--";
}

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

}  // namespace

bool Arguments::flag(std::string_view name) {
    for (auto it = words_.begin(); it != words_.end(); ++it) {
        if (*it == name) {
            words_.erase(it);
            return true;
        }
        if (*it == "--")
            break;
    }
    return false;
}

std::optional<std::string> Arguments::option(std::string_view name) {
    for (std::size_t i = 0; i < words_.size(); ++i) {
        const std::string& word = words_[i];
        if (word == "--")
            break;
        if (word == name) {
            if (i + 1 >= words_.size())
                throw CliError::usage(std::string(name) + " needs a value");
            std::string value = words_[i + 1];
            words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i),
                         words_.begin() + static_cast<std::ptrdiff_t>(i + 2));
            return value;
        }
        if (word.size() > name.size() && word.compare(0, name.size(), name) == 0 &&
            word[name.size()] == '=') {
            std::string value = word.substr(name.size() + 1);
            words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i));
            return value;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Arguments::nextOptional(std::string_view what) {
    if (!words_.empty() && words_.front() == "--")
        words_.erase(words_.begin());
    else if (!words_.empty() && isOption(words_.front()))
        throw CliError::usage("unknown option " + words_.front());
    if (words_.empty())
        return std::nullopt;
    (void)what;
    std::string word = std::move(words_.front());
    words_.erase(words_.begin());
    return word;
}

std::string Arguments::next(std::string_view what) {
    auto word = nextOptional(what);
    if (!word)
        throw CliError::usage("missing " + std::string(what));
    return *word;
}

std::int64_t Arguments::number(std::string_view what, std::int64_t min, std::int64_t max) {
    return toNumber(next(what), what, min, max);
}

std::optional<std::int64_t> Arguments::numberOptional(std::string_view what, std::int64_t min,
                                                      std::int64_t max) {
    const auto word = nextOptional(what);
    if (!word)
        return std::nullopt;
    return toNumber(*word, what, min, max);
}

void Arguments::finish() const {
    for (const std::string& word : words_) {
        if (isOption(word))
            throw CliError::usage("unknown option " + word);
    }
    if (!words_.empty())
        throw CliError::usage("unexpected argument '" + words_.front() + "'");
}

std::optional<std::int64_t> Arguments::parseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        const int digit = digitValue(c);
        if (digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > kLargest)
            return std::nullopt;
    }
    return value;
}

std::int64_t Arguments::toNumber(std::string_view text, std::string_view what, std::int64_t min,
                                 std::int64_t max) {
    const auto value = parseNumber(text);
    if (!value || *value < min || *value > max) {
        throw CliError::usage("bad " + std::string(what) + " '" + std::string(text) +
                              "': expected a number from " + std::to_string(min) + " to " +
                              std::to_string(max));
    }
    return *value;
}

}  // namespace karvo::cli
