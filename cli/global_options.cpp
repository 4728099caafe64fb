// Parsing the options before the command; see global_options.h.
#include "cli/global_options.h"

#include <string_view>

#include "cli/cli_error.h"

namespace karvo::cli {
namespace {

// Splits "--name=value" into its two halves; no value for "--name".
std::pair<std::string_view, std::optional<std::string>> split(std::string_view word) {
    const auto eq = word.find('=');
    if (eq == std::string_view::npos)
        return {word, std::nullopt};
    return {word.substr(0, eq), std::string(word.substr(eq + 1))};
}

}  // namespace

GlobalOptions GlobalOptions::parse(const std::vector<std::string>& args) {
    GlobalOptions o;
    std::size_t i = 0;
    // The value of an option that takes one: after '=' or the next word.
    const auto valueOf = [&](std::string_view name, const std::optional<std::string>& inline_) {
        std::string value;
        if (inline_) {
            value = *inline_;
        } else {
            if (i + 1 >= args.size())
                throw CliError::usage(std::string(name) + " needs a value");
            value = args[++i];
        }
        if (value.empty())
            throw CliError::usage(std::string(name) + " needs a value");
        return value;
    };
    const auto noValue = [](std::string_view name, const std::optional<std::string>& inline_) {
        if (inline_)
            throw CliError::usage(std::string(name) + " takes no value");
    };

    bool ended = false;  // after "--" every word is the command's
    for (; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (ended || word.size() < 2 || word[0] != '-') {
            if (o.command.empty())
                o.command = word;
            else
                o.words.push_back(word);
            continue;
        }
        if (word == "--") {
            ended = true;
            if (!o.command.empty())
                o.words.push_back(word);
            continue;
        }
        const auto [name, inlineValue] = split(word);
        if (name == "--data") {
            o.dataFolder = valueOf(name, inlineValue);
        } else if (name == "--simulate") {
            o.simulate = true;
            if (inlineValue) {
                if (inlineValue->empty())
                    throw CliError::usage("--simulate= needs a state file");
                o.stateFile = *inlineValue;
            }
        } else if (name == "--report-log") {
            o.reportLog = valueOf(name, inlineValue);
        } else if (name == "--json") {
            noValue(name, inlineValue);
            o.json = true;
        } else if (name == "--help" || name == "-h") {
            noValue(name, inlineValue);
            o.help = true;
        } else if (name == "--version" || name == "-V") {
            noValue(name, inlineValue);
            o.version = true;
        } else if (!o.command.empty()) {
            o.words.push_back(word);  // the command's own option, or a word such as -ctrl
        } else {
            throw CliError::usage("unknown option " + word);
        }
    }
    return o;
}

}  // namespace karvo::cli
