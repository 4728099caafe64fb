// Shell completion; see completion.h.
#include "cli/completion.h"
#include "services/language_fallback.h"

#include <algorithm>
#include <set>

#include "cli/button_functions.h"
#include "cli/cli_error.h"
#include "cli/help_text.h"
#include "cli/list_command.h"
#include "cli/names.h"
#include "macro/macro_text.h"

namespace karvo::cli {
namespace {

constexpr std::string_view kGlobalOptions[] = {"--data", "--simulate", "--report-log",
                                               "--json", "--help",     "--version"};
// Global options whose value is the next word.
bool takesValue(std::string_view option) {
    return option == "--data" || option == "--report-log";
}

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || c == '-' || (c >= '0' && c <= '9');
}

// The sub-commands of a command: the second word of the help's "  COMMAND WORD ..." lines.
std::vector<std::string> subCommands(const CommandHelp& help) {
    std::vector<std::string> words;
    const std::string lead = "  " + std::string(help.name) + " ";
    std::string_view details = help.details;
    while (!details.empty()) {
        const auto end = details.find('\n');
        const std::string_view line = details.substr(0, end);
        details = end == std::string_view::npos ? std::string_view() : details.substr(end + 1);
        if (!line.starts_with(lead))
            continue;
        std::string word;
        for (std::size_t i = lead.size(); i < line.size() && isWordChar(line[i]); ++i)
            word += line[i];
        if (!word.empty() && word.front() != '-' &&
            std::find(words.begin(), words.end(), word) == words.end())
            words.push_back(word);
    }
    return words;
}

// The options a command's help names ("--quiet", "--step").
std::vector<std::string> commandOptions(const CommandHelp& help) {
    std::set<std::string> options;
    for (const std::string_view text : {help.synopsis, help.details}) {
        for (std::size_t at = text.find("--"); at != std::string_view::npos;
             at = text.find("--", at + 2)) {
            std::size_t end = at + 2;
            while (end < text.size() && isWordChar(text[end]))
                ++end;
            if (end > at + 2)
                options.insert(std::string(text.substr(at, end - at)));
        }
    }
    return {options.begin(), options.end()};
}

std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    for (const CommandHelp& c : HelpText::commands())
        names.emplace_back(c.name);
    return names;
}

std::vector<std::string> functionWords() {
    std::vector<std::string> words;
    for (const NamedFunction& f : Names::functions())
        words.emplace_back(f.id);
    for (const char* form : {"key", "macro", "preset"})
        words.emplace_back(form);
    return words;
}

std::vector<std::string> groupNames(Session& session) {
    return session.macros().withGroups([](MacroGroup& g) {
        return std::vector<std::string>(g.groupNames().begin(), g.groupNames().end());
    });
}

std::vector<std::string> macrosOf(Session& session, const std::string& group) {
    return session.macros().withGroups([&](MacroGroup& g) {
        for (std::size_t i = 0; i < g.groupCount(); ++i) {
            if (g.groupName(i) == group)
                return std::vector<std::string>(g.macroNames(i).begin(), g.macroNames(i).end());
        }
        return std::vector<std::string>();
    });
}

// The words that follow `command args...` at argument position args.size().
std::vector<std::string> argumentWords(Session& session, const std::string& command,
                                       const std::vector<std::string>& args) {
    const std::size_t n = args.size();
    const std::string sub = n > 0 ? args[0] : std::string();
    if (command == "set") {
        if (sub == "button" && n == 3)
            return functionWords();
        if (sub == "button" && n == 4) {
            if (args[3] == "macro")
                return ButtonFunctions::macroNames(session);
            if (args[3] == "preset")
                return ButtonFunctions::presetNames(session);
            if (args[3] == "key") {
                std::vector<std::string> keys;
                for (const auto& k : macrotext::namedKeys())
                    keys.emplace_back(k.name);
                return keys;
            }
        }
        if (sub == "language" && n == 1) {
            std::vector<std::string> codes;
            for (const int language : shippedLanguages(session.paths().skinFolder))
                codes.push_back(languageCode(language));
            return codes;
        }
        if (sub == "lighting" && n == 1)
            return {Names::effects().begin(), Names::effects().end()};
        if (sub == "button-lighting" && n == 3)
            return {"off", "flash", "fade", "glow"};
        if ((sub == "dpi-enabled" || sub == "colour-in-cycle") && n == 2)
            return {"on", "off"};
        if ((sub == "lights" || sub == "lighting-mirror" || sub == "host-playback") && n == 1)
            return {"on", "off"};
        if (sub == "lighting-direction" && n == 1)
            return {"left", "right", "outward", "inward"};
        return {};
    }
    if (command == "list" && sub == "macros" && n == 1)
        return groupNames(session);
    if (command == "list" && n == 0)
        return {ListCommand::kinds().begin(), ListCommand::kinds().end()};
    if (command == "macro") {
        static const std::set<std::string> kGroupFirst = {
            "list",   "show",         "create",       "edit",         "rename", "delete",
            "export", "export-group", "rename-group", "delete-group", "import"};
        static const std::set<std::string> kMacroSecond = {"show", "edit", "rename", "delete",
                                                           "export"};
        if (n == 1 && kGroupFirst.contains(sub))
            return groupNames(session);
        if (n == 2 && kMacroSecond.contains(sub))
            return macrosOf(session, args[1]);
    }
    if (command == "help" && n == 0)
        return commandNames();
    if (command == "completion" && n == 0)
        return {"bash", "zsh", "fish"};
    return {};
}

}  // namespace

std::vector<std::string> Completion::candidates(Session& session,
                                                const std::vector<std::string>& words,
                                                std::size_t index) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < index && i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 1 && w[0] == '-' && w.find('=') == std::string::npos && takesValue(w)) {
            ++i;
            continue;
        }
        if (w.size() > 1 && w[0] == '-' && (w[1] == '-' || positional.empty()))
            continue;
        positional.push_back(w);
    }
    const std::string current = index < words.size() ? words[index] : std::string();
    const CommandHelp* help = positional.empty() ? nullptr : HelpText::find(positional[0]);
    if (current.starts_with("-")) {
        std::vector<std::string> options(std::begin(kGlobalOptions), std::end(kGlobalOptions));
        if (help) {
            for (std::string& o : commandOptions(*help)) {
                if (std::find(options.begin(), options.end(), o) == options.end())
                    options.push_back(std::move(o));
            }
        }
        return options;
    }
    if (positional.empty())
        return commandNames();
    if (help == nullptr)
        return {};
    const std::vector<std::string> args(positional.begin() + 1, positional.end());
    if (args.empty()) {
        std::vector<std::string> subs = subCommands(*help);
        if (!subs.empty() && help->name != "list")
            return subs;
    }
    try {
        return argumentWords(session, positional[0], args);
    } catch (const std::exception&) {
        return {};  // no configuration to take names from: nothing to offer
    }
}

int Completion::complete(Session& session, Arguments& args) {
    const auto index = args.number("INDEX", 0, 1000);
    std::vector<std::string> words = args.takeRest();
    if (!words.empty() && words.front() == "--")
        words.erase(words.begin());
    for (const std::string& c : candidates(session, words, static_cast<std::size_t>(index)))
        session.out() << c << '\n';
    return kExitOk;
}

int Completion::script(Session& session, Arguments& args) {
    const std::string shell = args.next("SHELL");
    args.finish();
    if (shell == "bash")
        session.out() << bashScript();
    else if (shell == "zsh")
        session.out() << zshScript();
    else if (shell == "fish")
        session.out() << fishScript();
    else
        throw CliError::usage("no completion for '" + shell + "': expected bash, zsh or fish");
    return kExitOk;
}

namespace {

std::string joinedCommands() {
    std::string text;
    for (const std::string& c : commandNames())
        text += (text.empty() ? "" : " ") + c;
    return text;
}

}  // namespace

std::string Completion::bashScript() {
    return "# bash completion of karvoctl; written by 'karvoctl completion bash'\n"
           "_karvoctl() {\n"
           "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" IFS=$'\\n' words\n"
           "    words=$(\"${COMP_WORDS[0]}\" " +
           std::string(kCompleteCommand) +
           " \"$((COMP_CWORD - 1))\" -- \"${COMP_WORDS[@]:1}\" 2>/dev/null)\n"
           "    if [[ $? -ne 0 && $COMP_CWORD -eq 1 ]]; then\n"
           "        words=$(printf '%s\\n' " +
           joinedCommands() +
           ")\n"
           "    fi\n"
           "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
           "    COMPREPLY=(\"${COMPREPLY[@]// /\\\\ }\")  # names with blanks stay one word\n"
           "}\n"
           "complete -F _karvoctl karvoctl\n";
}

std::string Completion::zshScript() {
    return "#compdef karvoctl\n"
           "# zsh completion of karvoctl; written by 'karvoctl completion zsh'\n"
           "_karvoctl() {\n"
           "    local -a candidates\n"
           "    candidates=(\"${(@f)$(\"${words[1]}\" " +
           std::string(kCompleteCommand) +
           " $((CURRENT - 2)) -- \"${(@)words[2,-1]}\" 2>/dev/null)}\")\n"
           "    if (( CURRENT == 2 && ${#candidates} == 0 )); then\n"
           "        candidates=(" +
           joinedCommands() +
           ")\n"
           "    fi\n"
           "    compadd -- \"${candidates[@]}\"\n"
           "}\n"
           "if [[ \"${funcstack[1]}\" == _karvoctl ]]; then\n"
           "    _karvoctl \"$@\"\n"
           "else\n"
           "    compdef _karvoctl karvoctl\n"
           "fi\n";
}

std::string Completion::fishScript() {
    return "# fish completion of karvoctl; written by 'karvoctl completion fish'\n"
           "function __karvoctl_complete\n"
           "    set -l words (commandline -opc)\n"
           "    set -l current (commandline -ct)\n"
           "    $words[1] " +
           std::string(kCompleteCommand) +
           " (math (count $words) - 1) -- $words[2..-1] $current 2>/dev/null\n"
           "    or test (count $words) -gt 1\n"
           "    or printf '%s\\n' " +
           joinedCommands() +
           "\n"
           "end\n"
           "complete -c karvoctl -f -a '(__karvoctl_complete)'\n";
}

}  // namespace karvo::cli
