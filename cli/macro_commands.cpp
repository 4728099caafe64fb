// The macro commands; see macro_commands.h.
#include "cli/macro_commands.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/language_text_index.h"
#include "cli/cli_error.h"
#include "cli/json_writer.h"
#include "macro/macro_exchange.h"
#include "macro/macro_file.h"
#include "macro/macro_group.h"

namespace karvo::cli {
namespace {

// The macro library of the language with its import and export, read once per command.
struct Library {
    explicit Library(Session& session)
        : file(session.keys(), session.language()),
          groups(file, session.notifier(), session.paths().macroFolder,
                 session.paths().macroResetFolder),
          exchange(file, session.notifier(), groups, session.paths().configFolder) {
        groups.load();
    }
    MacroFile file;
    MacroGroup groups;
    MacroExchange exchange;
};

// A group by its name, else by its number as the group list shows it (1-based).
std::size_t findGroup(const MacroGroup& groups, const std::string& word) {
    for (std::size_t g = 0; g < groups.groupCount(); ++g) {
        if (groups.groupName(g) == word)
            return g;
    }
    const auto number = Arguments::parseNumber(word);
    if (number && *number >= 1 && static_cast<std::size_t>(*number) <= groups.groupCount())
        return static_cast<std::size_t>(*number - 1);
    throw CliError::failure("no macro group '" + word + "' (" +
                            std::to_string(groups.groupCount()) +
                            " groups; 'karvoctl macro groups' lists them)");
}

std::size_t findMacro(const MacroGroup& groups, std::size_t group, const std::string& word) {
    const std::size_t count = groups.macroCount(group);
    for (std::size_t m = 0; m < count; ++m) {
        if (groups.macroName(group, m) == word)
            return m;
    }
    const auto number = Arguments::parseNumber(word);
    if (number && *number >= 1 && static_cast<std::size_t>(*number) <= count)
        return static_cast<std::size_t>(*number - 1);
    throw CliError::failure("no macro '" + word + "' in group '" +
                            std::string(groups.groupName(group)) + "' (" + std::to_string(count) +
                            " macros)");
}

std::optional<std::size_t> lineOf(const MacroGroup& groups, std::size_t group, int macro) {
    const auto lines = groups.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].group == group && lines[i].macro == macro &&
            lines[i].isGroup == (macro == MacroGroup::kNone))
            return i;
    }
    return std::nullopt;
}

// Selects a group's line, as a click on it would; it becomes the group imports go to.
void selectGroup(MacroGroup& groups, std::size_t group) {
    if (const auto line = lineOf(groups, group, MacroGroup::kNone))
        groups.selectLine(*line);
}

// Selects a macro's line (expanding its group first); its group becomes current.
void selectMacro(MacroGroup& groups, std::size_t group, std::size_t macro) {
    if (!groups.isExpanded(group))
        selectGroup(groups, group);
    const auto line = lineOf(groups, group, static_cast<int>(macro));
    if (!line || !groups.selectLine(*line))
        throw CliError::failure("cannot select macro " + std::to_string(macro + 1));
}

std::string stepText(Session& session, const MacroAction& step) {
    const LanguageTextTable& texts = session.texts();
    const auto keyName = [&] {
        return session.keys().name(session.language(), step.key, KeyMode::MacroSteps,
                                   texts.text(TextSection::DevMac, text::devmac::kLeftButton),
                                   texts.text(TextSection::DevMac, text::devmac::kMiddleButton),
                                   texts.text(TextSection::DevMac, text::devmac::kRightButton));
    };
    switch (step.kind) {
        case stepkind::kWait:
            return "wait";
        case stepkind::kPress:
            return "press " + keyName();
        case stepkind::kRelease:
            return "release " + keyName();
        case stepkind::kMoveLeftUp:
        case stepkind::kMoveLeftDown:
        case stepkind::kMoveRightUp:
        case stepkind::kMoveRightDown: {
            const bool right = step.kind >= stepkind::kMoveRightUp;
            const bool down =
                step.kind == stepkind::kMoveLeftDown || step.kind == stepkind::kMoveRightDown;
            return std::string("move ") + (right ? "+" : "-") + std::to_string(step.p0) + " " +
                   (down ? "+" : "-") + std::to_string(step.p1);
        }
        case stepkind::kSetSensitivity:
            return "sensitivity " + std::to_string(step.p0);
        case stepkind::kRestoreSensitivity:
            return "restore sensitivity";
        default:
            break;
    }
    if (step.kind >= stepkind::kLightingFirst && step.kind <= stepkind::kLightingLast)
        return "lighting " + std::to_string(step.p0 + 1);
    return "step kind " + std::to_string(step.kind) + " key " + std::to_string(step.key);
}

std::string modeText(const MacroRecord& r) {
    switch (r.playbackMode()) {
        case PlaybackMode::Repeat:
            return r.repeatCount == 1 ? "runs once"
                                      : "repeats " + std::to_string(r.repeatCount) + " times";
        case PlaybackMode::Mode1:
            return "mode 1, runs once";
        case PlaybackMode::Mode2:
            return "mode 2, runs once";
    }
    return "mode " + std::to_string(r.mode & 3);
}

int groupsCommand(Session& session, Library& lib) {
    const MacroGroup& g = lib.groups;
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginArray();
        for (std::size_t i = 0; i < g.groupCount(); ++i) {
            json.beginObject().key("group").value(static_cast<std::int64_t>(i + 1));
            json.key("name").value(g.groupName(i));
            json.key("macros").value(static_cast<std::int64_t>(g.macroCount(i))).endObject();
        }
        json.endArray();
        return kExitOk;
    }
    for (std::size_t i = 0; i < g.groupCount(); ++i) {
        char head[32];
        std::snprintf(head, sizeof head, "%3zu  ", i + 1);
        session.out() << head << g.groupName(i) << "  (" << g.macroCount(i)
                      << (g.macroCount(i) == 1 ? " macro)\n" : " macros)\n");
    }
    return kExitOk;
}

int listCommand(Session& session, Library& lib, std::size_t group) {
    const MacroGroup& g = lib.groups;
    JsonWriter* json = nullptr;
    std::optional<JsonWriter> writer;
    if (session.json()) {
        writer.emplace(session.out());
        json = &*writer;
        json->beginArray();
    }
    for (std::size_t m = 0; m < g.macroCount(group); ++m) {
        const MacroRecord r = g.readMacroForDevice(group, m);
        if (json) {
            json->beginObject().key("macro").value(static_cast<std::int64_t>(m + 1));
            json->key("name").value(g.macroName(group, m));
            json->key("steps").value(int{r.stepCount}).key("mode").value(modeText(r)).endObject();
        } else {
            char head[32];
            std::snprintf(head, sizeof head, "%3zu  ", m + 1);
            session.out() << head << g.macroName(group, m) << "  (" << r.stepCount
                          << (r.stepCount == 1 ? " step, " : " steps, ") << modeText(r) << ")\n";
        }
    }
    if (json)
        json->endArray();
    return kExitOk;
}

int showCommand(Session& session, Library& lib, std::size_t group, std::size_t macro) {
    const MacroRecord r = lib.groups.readMacroForDevice(group, macro);
    const std::string groupName(lib.groups.groupName(group));
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject().key("group").value(groupName).key("name").value(r.nameUtf8());
        json.key("mode").value(int{r.mode}).key("repeat").value(int{r.repeatCount});
        json.key("steps").beginArray();
        for (const MacroAction& step : r.validSteps()) {
            json.beginObject().key("kind").value(int{step.kind}).key("key").value(int{step.key});
            json.key("p0").value(int{step.p0}).key("p1").value(int{step.p1});
            json.key("delay").value(int{step.delay});
            json.key("text").value(stepText(session, step)).endObject();
        }
        json.endArray().endObject();
        return kExitOk;
    }
    std::ostream& out = session.out();
    out << "Macro: " << r.nameUtf8() << " (group " << groupName << ")\n"
        << "Mode: " << modeText(r) << '\n'
        << "Steps: " << r.stepCount << '\n';
    std::size_t n = 0;
    for (const MacroAction& step : r.validSteps()) {
        char head[32];
        std::snprintf(head, sizeof head, "  %3zu  ", ++n);
        out << head << stepText(session, step) << ", " << step.delay << " ms\n";
    }
    return kExitOk;
}

// The notices say why a command of the library did not happen; a refusal without one gets a
// line of its own, so no failure is silent.
int refused(Session& session, int noticesBefore, const std::string& what) {
    if (session.notifier().count() == noticesBefore)
        throw CliError::failure(what);
    return kExitFailure;
}

}  // namespace

int MacroCommands::run(Session& session, Arguments& args) {
    const std::string action = args.next("macro command");
    static constexpr std::string_view kActions[] = {
        "groups", "list", "show", "export-group", "import-group", "export", "import"};
    if (std::find(std::begin(kActions), std::end(kActions), action) == std::end(kActions))
        throw CliError::usage("unknown macro command '" + action + "'");

    // The words are all checked before the library is read, so a usage error is one.
    std::vector<std::string> words;
    const auto take = [&](std::string_view what) { words.push_back(args.next(what)); };
    if (action == "list") {
        take("GROUP");
    } else if (action == "show") {
        take("GROUP");
        take("MACRO");
    } else if (action == "export-group" || action == "import") {
        take("GROUP");
        take("FILE");
    } else if (action == "import-group") {
        take("FILE");
    } else if (action == "export") {
        take("GROUP");
        take("MACRO");
        take("FILE");
    }
    args.finish();

    Library lib(session);
    MacroGroup& groups = lib.groups;
    const int before = session.notifier().count();
    if (action == "groups")
        return groupsCommand(session, lib);
    if (action == "import-group") {
        if (!lib.exchange.groupImportAllowed() || !lib.exchange.importGroup(words[0]))
            return refused(session, before, words[0] + " was not taken in as a macro group");
        session.out() << "imported group " << groups.groupName(groups.groupCount() - 1) << '\n';
        return kExitOk;
    }

    const std::size_t group = findGroup(groups, words[0]);
    if (action == "list")
        return listCommand(session, lib, group);
    if (action == "show")
        return showCommand(session, lib, group, findMacro(groups, group, words[1]));
    if (action == "export") {
        selectMacro(groups, group, findMacro(groups, group, words[1]));
        if (!lib.exchange.exportMacro(words[2]))
            return refused(session, before, "the macro was not exported");
        return kExitOk;
    }
    if (action == "export-group") {
        if (groups.macroCount(group) == 0) {
            // An empty group can never become current through the list; its file is empty.
            if (!lib.file.writeGroup(words[1], MacroTable()))
                throw CliError::failure("cannot write " + words[1]);
            return kExitOk;
        }
        selectMacro(groups, group, 0);
        if (!lib.exchange.exportGroup(words[1]))
            return refused(session, before, "the macro group was not exported");
        return kExitOk;
    }
    // import GROUP FILE
    selectGroup(groups, group);
    if (!lib.exchange.macroImportAllowed() || !lib.exchange.importMacro(words[1]))
        return refused(session, before, words[1] + " was not added to the group");
    session.out() << "imported macro into group " << groups.groupName(group) << '\n';
    return kExitOk;
}

}  // namespace karvo::cli
