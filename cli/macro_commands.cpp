// The macro commands; see macro_commands.h.
#include "cli/macro_commands.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "cli/cli_error.h"
#include "cli/file_problem.h"
#include "cli/json_writer.h"
#include "macro/macro_exchange.h"
#include "macro/macro_file.h"
#include "macro/macro_group.h"
#include "macro/macro_text.h"

namespace karvo::cli {
namespace {

constexpr int kMaxRepeat = 1000;

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

// Selects a group's line, as a click on it would; it becomes the group new and imported
// macros go to.
void selectGroup(MacroGroup& groups, std::size_t group) {
    if (const auto line = lineOf(groups, group, MacroGroup::kNone))
        groups.selectLine(*line);
}

// Selects a macro's line (expanding its group first); its group and it become current.
void selectMacro(MacroGroup& groups, std::size_t group, std::size_t macro) {
    if (!groups.isExpanded(group))
        selectGroup(groups, group);
    const auto line = lineOf(groups, group, static_cast<int>(macro));
    if (!line || !groups.selectLine(*line))
        throw CliError::failure("cannot select macro " + std::to_string(macro + 1));
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
            json->key("steps").value(int{r.stepCount}).key("mode").value(int{r.mode & 3});
            json->key("repeat").value(int{r.repeatCount}).endObject();
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

// The macro as the line `create` and `edit` take; with --json its parts too.
int showCommand(Session& session, Library& lib, std::size_t group, std::size_t macro) {
    const MacroRecord r = lib.groups.readMacroForDevice(group, macro);
    const std::string text = macrotext::print(r);
    if (!session.json()) {
        session.out() << text << '\n';
        return kExitOk;
    }
    JsonWriter json(session.out());
    json.beginObject()
        .key("group")
        .value(lib.groups.groupName(group))
        .key("name")
        .value(r.nameUtf8());
    json.key("mode").value(int{r.mode & 3}).key("repeat").value(int{r.repeatCount});
    json.key("text").value(text).key("steps").beginArray();
    for (const MacroAction& step : r.validSteps()) {
        json.beginObject().key("kind").value(int{step.kind}).key("key").value(int{step.key});
        json.key("p0").value(int{step.p0}).key("p1").value(int{step.p1});
        json.key("delayMs").value(int{step.delay}).endObject();
    }
    json.endArray().endObject();
    return kExitOk;
}

// The notices say why a command of the library did not happen; a refusal without one gets a
// line of its own, so no failure is silent.
int refused(Session& session, int noticesBefore, const std::string& what) {
    if (session.notifier().count() == noticesBefore)
        throw CliError::failure(what);
    return kExitFailure;
}

// --mode and --repeat of create and edit.
struct Playback {
    std::optional<PlaybackMode> mode;
    std::optional<std::uint16_t> repeat;

    static Playback take(Arguments& args) {
        Playback p;
        if (const auto mode = args.option("--mode")) {
            if (*mode == "repeat" || *mode == "0")
                p.mode = PlaybackMode::Repeat;
            else if (*mode == "1")
                p.mode = PlaybackMode::Mode1;
            else if (*mode == "2")
                p.mode = PlaybackMode::Mode2;
            else
                throw CliError::usage("bad --mode '" + *mode + "': expected repeat, 1 or 2");
        }
        if (const auto repeat = args.option("--repeat"))
            p.repeat =
                static_cast<std::uint16_t>(Arguments::toNumber(*repeat, "--repeat", 1, kMaxRepeat));
        return p;
    }

    void applyTo(MacroRecord& r) const {
        if (mode)
            r.setPlaybackMode(*mode);
        if (repeat) {
            if (r.playbackMode() != PlaybackMode::Repeat)
                throw CliError::usage("--repeat counts only in mode repeat (--mode repeat)");
            r.repeatCount = *repeat;
        }
    }
};

// The rest of the words as one text, so an unquoted line works as well as a quoted one;
// nothing when no word is left.
std::optional<std::string> restAsText(Arguments& args) {
    std::optional<std::string> text;
    while (const auto word = args.nextOptional("TEXT")) {
        if (text)
            *text += ' ';
        text = text.value_or("") + *word;
    }
    return text;
}

// Reads TEXT into the current macro, applies the playback options and saves it.
void storeText(Session& session, Library& lib, const std::optional<std::string>& text,
               const Playback& playback) {
    MacroGroup& groups = lib.groups;
    MacroRecord* record = groups.currentRecord();
    if (record == nullptr)
        throw CliError::failure("no macro is current");
    MacroRecord changed = *record;
    if (text) {
        const auto parsed = macrotext::parse(*text, *record, session.notifier());
        if (!parsed.ok)
            throw CliError::usage("bad TEXT: " + parsed.error);
        changed = parsed.record;
    }
    playback.applyTo(changed);
    *record = changed;
    if (!groups.saveMacro(static_cast<std::size_t>(groups.currentMacro())))
        throw CliError::failure(
            "cannot write " +
            groups.groupFile(static_cast<std::size_t>(groups.currentGroup())).string());
}

void printNamed(Session& session, std::string_view what, std::string_view group,
                std::string_view name) {
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject().key("group").value(group);
        if (!name.empty())
            json.key("macro").value(name);
        json.endObject();
        return;
    }
    session.out() << what << ' ' << group << (name.empty() ? "" : "/") << name << '\n';
}

struct Action {
    std::string_view name;
    std::initializer_list<std::string_view> words;  // what it takes, in order
};

const Action kActions[] = {
    {"groups", {}},
    {"list", {"GROUP"}},
    {"show", {"GROUP", "MACRO"}},
    {"create", {"GROUP", "NAME"}},
    {"edit", {"GROUP", "MACRO"}},
    {"rename", {"GROUP", "MACRO", "NAME"}},
    {"delete", {"GROUP", "MACRO"}},
    {"new-group", {"NAME"}},
    {"rename-group", {"GROUP", "NAME"}},
    {"delete-group", {"GROUP"}},
    {"reset", {}},
    {"export-group", {"GROUP", "FILE"}},
    {"import-group", {"FILE"}},
    {"export", {"GROUP", "MACRO", "FILE"}},
    {"import", {"GROUP", "FILE"}},
};

}  // namespace

int MacroCommands::run(Session& session, Arguments& args) {
    const std::string name = args.next("macro command");
    const auto action = std::find_if(std::begin(kActions), std::end(kActions),
                                     [&](const Action& a) { return a.name == name; });
    if (action == std::end(kActions))
        throw CliError::usage("unknown macro command '" + name + "'");

    // The words are all checked before the library is read, so a usage error is one.
    const bool takesText = name == "create" || name == "edit";
    const Playback playback = takesText ? Playback::take(args) : Playback{};
    std::vector<std::string> words;
    for (const std::string_view what : action->words)
        words.push_back(args.next(what));
    std::optional<std::string> text;
    if (takesText) {
        text = restAsText(args);
        if (name == "edit" && !text && !playback.mode && !playback.repeat)
            throw CliError::usage("missing TEXT");
    }
    args.finish();

    Library lib(session);
    MacroGroup& groups = lib.groups;
    const int before = session.notifier().count();
    if (name == "groups")
        return groupsCommand(session, lib);
    if (name == "import-group") {
        FileProblem::checkReadable(words[0]);
        if (!lib.exchange.groupImportAllowed() || !lib.exchange.importGroup(words[0]))
            return refused(session, before,
                           words[0] + " was not taken in as a macro group (not a group file?)");
        printNamed(session, "imported group", groups.groupName(groups.groupCount() - 1), "");
        return kExitOk;
    }
    if (name == "new-group") {
        if (!groups.newGroup(words[0]))
            return refused(session, before, "the group was not made");
        printNamed(session, "new group", groups.groupName(groups.groupCount() - 1), "");
        return kExitOk;
    }
    if (name == "reset") {
        if (!groups.resetAll())
            return refused(session, before, "the macro groups were not reset");
        return kExitOk;
    }

    const std::size_t group = findGroup(groups, words[0]);
    if (name == "list")
        return listCommand(session, lib, group);
    if (name == "show")
        return showCommand(session, lib, group, findMacro(groups, group, words[1]));
    if (name == "create") {
        const auto names = groups.macroNames(group);
        if (std::find(names.begin(), names.end(), words[1]) != names.end())
            throw CliError::failure("group '" + std::string(groups.groupName(group)) +
                                    "' already has a macro '" + words[1] +
                                    "' ('karvoctl macro edit' changes it)");
        selectGroup(groups, group);
        if (!groups.newMacro(words[1]))
            return refused(session, before, "the macro was not made");
        storeText(session, lib, text, playback);
        printNamed(session, "created", groups.groupName(group),
                   groups.macroName(group, static_cast<std::size_t>(groups.currentMacro())));
        return kExitOk;
    }
    if (name == "edit") {
        selectMacro(groups, group, findMacro(groups, group, words[1]));
        storeText(session, lib, text, playback);
        return kExitOk;
    }
    if (name == "rename") {
        const std::size_t macro = findMacro(groups, group, words[1]);
        selectMacro(groups, group, macro);
        const std::string shown = groups.renameMacro(macro, words[2]);
        if (shown == words[1] && words[1] != words[2])
            return refused(session, before, "the macro was not renamed");
        printNamed(session, "renamed to", groups.groupName(group), shown);
        return kExitOk;
    }
    if (name == "delete") {
        selectMacro(groups, group, findMacro(groups, group, words[1]));
        if (!groups.deleteMacro())
            return refused(session, before, "the macro was not deleted");
        return kExitOk;
    }
    if (name == "rename-group") {
        const std::string old(groups.groupName(group));
        const std::string shown = groups.renameGroup(group, words[1]);
        if (shown == old && old != words[1])
            return refused(session, before, "the group was not renamed");
        printNamed(session, "renamed to", shown, "");
        return kExitOk;
    }
    if (name == "delete-group") {
        selectGroup(groups, group);
        if (!groups.deleteGroup())
            return refused(session, before, "the group was not deleted");
        return kExitOk;
    }
    if (name == "export") {
        selectMacro(groups, group, findMacro(groups, group, words[1]));
        if (!lib.exchange.exportMacro(words[2])) {
            FileProblem::checkWritable(words[2]);
            return refused(session, before, "the macro was not exported");
        }
        return kExitOk;
    }
    if (name == "export-group") {
        if (groups.macroCount(group) == 0) {
            // An empty group can never become current through the list; its file is empty.
            if (!lib.file.writeGroup(words[1], MacroTable())) {
                FileProblem::checkWritable(words[1]);
                throw CliError::failure("cannot write " + words[1]);
            }
            return kExitOk;
        }
        selectMacro(groups, group, 0);
        if (!lib.exchange.exportGroup(words[1])) {
            FileProblem::checkWritable(words[1]);
            return refused(session, before, "the macro group was not exported");
        }
        return kExitOk;
    }
    // import GROUP FILE
    FileProblem::checkReadable(words[1]);
    selectGroup(groups, group);
    if (!lib.exchange.macroImportAllowed() || !lib.exchange.importMacro(words[1]))
        return refused(session, before, words[1] + " was not added to the group");
    printNamed(session, "imported macro into group", groups.groupName(group), "");
    return kExitOk;
}

}  // namespace karvo::cli
