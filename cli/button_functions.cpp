// Button functions by name; see button_functions.h.
#include "cli/button_functions.h"

#include "cli/cli_error.h"
#include "cli/names.h"
#include "macro/macro_text.h"
#include "services/language_text_index.h"
#include "settings/combination.h"

namespace karvo::cli {
namespace {

constexpr int kFirstPreset = 50;
constexpr int kFirstMacro = 256;
constexpr int kFirstSpecial = 30000;
constexpr int kLastSpecial = 30004;
constexpr int kLastFixed = 40;

// The modifiers of a combination: their stored names and key names.
struct Modifier {
    std::string_view stored;
    std::string_view key;
};
constexpr Modifier kModifiers[] = {
    {"Ctrl", "ctrl"}, {"Shift", "shift"}, {"Alt", "alt"}, {"Win", "win"}};

// A function code a button may be given as a number: one the menus offer, and for presets
// and macros one that names something that exists.
void checkCode(Session& session, std::int64_t code) {
    const std::string bad = "bad FUNCTION " + std::to_string(code) + ": ";
    if (code == kFunctionCombination)
        throw CliError::usage(bad + "a key combination is given as 'key ctrl+c'");
    if ((code >= 0 && code <= kLastFixed) || (code >= kFirstSpecial && code <= kLastSpecial))
        return;
    if (code >= kFirstPreset && code < kFirstMacro) {
        if (code - kFirstPreset >= session.macros().presetCount())
            throw CliError::usage(bad + "there are " +
                                  std::to_string(session.macros().presetCount()) +
                                  " gun presets (codes 50 up)");
        return;
    }
    if (code >= kFirstMacro && code < kFirstSpecial) {
        const int group = static_cast<int>(code / 256) - 1;
        const int macro = static_cast<int>(code % 256);
        if (group >= session.macros().groupCount() || macro >= session.macros().macroCount(group))
            throw CliError::usage(bad + "no macro " + std::to_string(macro + 1) + " in group " +
                                  std::to_string(group + 1) +
                                  " (macro M of group G is G * 256 + M - 1)");
        return;
    }
    throw CliError::usage(bad +
                          "expected a name ('karvoctl list functions'), or a code 0-40, "
                          "50-255, 256-29999 or 30000-30004");
}

// A group by its name, else by its number (1-based).
std::optional<int> findGroup(MacroGroup& g, std::string_view word) {
    for (std::size_t i = 0; i < g.groupCount(); ++i) {
        if (g.groupName(i) == word)
            return static_cast<int>(i);
    }
    const auto n = Arguments::parseNumber(word);
    if (n && *n >= 1 && static_cast<std::size_t>(*n) <= g.groupCount())
        return static_cast<int>(*n - 1);
    return std::nullopt;
}

std::optional<int> findMacro(MacroGroup& g, int group, std::string_view word) {
    const std::size_t count = g.macroCount(static_cast<std::size_t>(group));
    for (std::size_t m = 0; m < count; ++m) {
        if (g.macroName(static_cast<std::size_t>(group), m) == word)
            return static_cast<int>(m);
    }
    const auto n = Arguments::parseNumber(word);
    if (n && *n >= 1 && static_cast<std::size_t>(*n) <= count)
        return static_cast<int>(*n - 1);
    return std::nullopt;
}

// "GROUP/NAME": the group is the longest leading part before a '/' that names a group, so
// names with a '/' of their own still work.
std::int32_t macroCode(Session& session, const std::string& text) {
    const auto code = session.macros().withGroups([&](MacroGroup& g) -> std::optional<int> {
        for (std::size_t slash = text.rfind('/'); slash != std::string::npos && slash > 0;
             slash = text.rfind('/', slash - 1)) {
            const auto group = findGroup(g, std::string_view(text).substr(0, slash));
            if (!group)
                continue;
            const auto macro = findMacro(g, *group, std::string_view(text).substr(slash + 1));
            if (macro)
                return (*group + 1) * 256 + *macro;
        }
        return std::nullopt;
    });
    if (!code)
        throw CliError::usage("no macro '" + text +
                              "' (GROUP/NAME; 'karvoctl list macros' lists them)");
    return *code;
}

std::int32_t presetCode(Session& session, const std::string& text) {
    const int count = session.macros().presetCount();
    for (int i = 0; i < count; ++i) {
        if (session.macros().preset(i).nameUtf8() == text)
            return kFirstPreset + i;
    }
    const auto n = Arguments::parseNumber(text);
    if (n && *n >= 1 && *n <= count)
        return static_cast<std::int32_t>(kFirstPreset + *n - 1);
    throw CliError::usage("no gun preset '" + text + "' (" + std::to_string(count) +
                          " presets; 'karvoctl list presets' lists them)");
}

}  // namespace

FunctionChoice ButtonFunctions::take(Session& session, Arguments& args) {
    const std::string word = args.next("FUNCTION");
    if (word == "key")
        return {kFunctionCombination, storedCombination(session, args.next("COMBINATION"))};
    if (word == "macro")
        return {macroCode(session, args.next("GROUP/NAME")), {}};
    if (word == "preset")
        return {presetCode(session, args.next("NAME")), {}};
    if (const auto code = Names::functionCode(word))
        return {*code, {}};
    const auto number = Arguments::parseNumber(word);
    if (!number)
        throw CliError::usage("unknown FUNCTION '" + word +
                              "' ('karvoctl list functions' lists the names)");
    checkCode(session, *number);
    return {static_cast<std::int32_t>(*number), {}};
}

std::pair<std::string, std::string> ButtonFunctions::identifierParts(
    Session& session, const ButtonAssignment& button) {
    const int code = button.function;
    if (code == kFunctionCombination)
        return {"key", combinationText(session, button.combination)};
    if (const auto id = Names::functionId(code); !id.empty())
        return {std::string(id), {}};
    if (code >= kFirstPreset && code < kFirstMacro &&
        code - kFirstPreset < session.macros().presetCount()) {
        const std::string name = session.macros().preset(code - kFirstPreset).nameUtf8();
        return {"preset", name.empty() ? std::to_string(code - kFirstPreset + 1) : name};
    }
    if (code >= kFirstMacro && code < kFirstSpecial) {
        const int group = code / 256 - 1;
        const int macro = code % 256;
        auto names = session.macros().withGroups([&](MacroGroup& g) {
            return std::pair(std::string(g.groupName(static_cast<std::size_t>(group))),
                             std::string(g.macroName(static_cast<std::size_t>(group),
                                                     static_cast<std::size_t>(macro))));
        });
        if (!names.second.empty())
            return {"macro", names.first + "/" + names.second};
    }
    return {std::to_string(code), {}};
}

std::string ButtonFunctions::identifier(Session& session, const ButtonAssignment& button) {
    auto [kind, argument] = identifierParts(session, button);
    return argument.empty() ? kind : kind + " " + argument;
}

std::string ButtonFunctions::displayName(Session& session, const ButtonAssignment& button) {
    const int code = button.function;
    if (code == kFunctionCombination)
        return "Key combination: " + combination::displayText(button.combination);
    if (code >= 0 && code < FunctionNames::kTableSize) {
        const std::string& name = session.skin().functions().name(code);
        if (!name.empty())
            return name;
    }
    if (code >= kFirstPreset && code < kFirstMacro) {
        const auto name = session.macros().preset(code - kFirstPreset).nameUtf8();
        return "Gun preset " + std::to_string(code - kFirstPreset + 1) +
               (name.empty() ? " (missing)" : ": " + name);
    }
    if (code >= kFirstMacro && code < kFirstSpecial) {
        const int group = code / 256 - 1;
        const int macro = code % 256;
        const auto names = session.macros().withGroups([&](MacroGroup& g) {
            return std::pair(std::string(g.groupName(static_cast<std::size_t>(group))),
                             std::string(g.macroName(static_cast<std::size_t>(group),
                                                     static_cast<std::size_t>(macro))));
        });
        if (names.second.empty())
            return "Macro " + std::to_string(macro + 1) + " of group " + std::to_string(group + 1) +
                   " (missing)";
        return "Macro: " + names.first + " / " + names.second;
    }
    const auto& extra = session.skin().functions().extraFunctions();
    if (const auto it = extra.find(std::to_string(code)); it != extra.end())
        return it->second.name;
    return "function " + std::to_string(code);
}

std::string ButtonFunctions::combinationText(Session& session, std::string_view stored) {
    std::string text;
    const auto add = [&](std::string_view name) {
        if (!text.empty())
            text += '+';
        text += name;
    };
    for (const combination::Key& key : combination::parse(stored)) {
        bool modifier = false;
        for (const Modifier& m : kModifiers) {
            if (key.name == m.stored) {
                add(m.key);
                modifier = true;
            }
        }
        if (!modifier) {
            const int device =
                session.keys().toDeviceCode(session.language(), key.vkCode, KeyMode::MacroSteps);
            add(macrotext::keyName(static_cast<std::uint8_t>(device)));
        }
    }
    return text;
}

std::string ButtonFunctions::storedCombination(Session& session, std::string_view text) {
    std::vector<std::string> names;
    std::optional<std::uint8_t> key;
    std::string_view rest = text;
    while (true) {
        const auto plus = rest.find('+');
        const std::string_view part = rest.substr(0, plus);
        const auto code = macrotext::keyCode(part);
        if (!code || *code == 0 || macrokey::isSpecial(*code) || *code >= macrokey::kMouse240)
            throw CliError::usage("bad COMBINATION '" + std::string(text) + "': '" +
                                  std::string(part) +
                                  "' is no key ('karvoctl list keys' lists them)");
        if (macrotext::isModifier(*code)) {
            names.emplace_back(kModifiers[*code - 224].stored);
        } else if (key) {
            throw CliError::usage("bad COMBINATION '" + std::string(text) +
                                  "': one key besides ctrl, shift, alt and win");
        } else {
            key = code;
        }
        if (plus == std::string_view::npos)
            break;
        rest.remove_prefix(plus + 1);
    }
    int vk = combination::kNoKey;
    if (key) {
        vk = session.keys().toVirtualKey(session.language(), *key, KeyMode::MacroSteps);
        if (vk == 0 || vk == combination::kNoKey)
            throw CliError::usage("bad COMBINATION '" + std::string(text) +
                                  "': " + macrotext::keyName(*key) +
                                  " has no key in this keyboard language");
        names.push_back(
            session.keys().name(session.language(), *key, KeyMode::MacroSteps, "", "", ""));
    }
    std::string captured;
    for (const std::string& name : names) {
        if (!captured.empty())
            captured += combination::kSeparator;
        captured += name;
    }
    return combination::build(captured, vk);
}

std::vector<std::string> ButtonFunctions::macroNames(Session& session) {
    return session.macros().withGroups([](MacroGroup& g) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < g.groupCount(); ++i) {
            for (std::size_t m = 0; m < g.macroCount(i); ++m)
                names.push_back(std::string(g.groupName(i)) + "/" + std::string(g.macroName(i, m)));
        }
        return names;
    });
}

std::vector<std::string> ButtonFunctions::presetNames(Session& session) {
    std::vector<std::string> names;
    for (int i = 0; i < session.macros().presetCount(); ++i)
        names.push_back(session.macros().preset(i).nameUtf8());
    return names;
}

}  // namespace karvo::cli
