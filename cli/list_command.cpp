// The list command; see list_command.h.
#include "cli/list_command.h"

#include <array>
#include <optional>

#include "cli/button_functions.h"
#include "cli/cli_error.h"
#include "cli/json_writer.h"
#include "cli/names.h"
#include "macro/macro_text.h"
#include "services/language_fallback.h"
#include "services/language_text_index.h"
#include "services/program_paths.h"

namespace karvo::cli {
namespace {

constexpr std::array<std::string_view, 7> kKinds = {"functions", "effects", "keys",     "groups",
                                                    "macros",    "presets", "languages"};

// Rows of a list: the name to type, a number beside it (-1: none) and the display text.
struct Row {
    std::string name;
    std::int64_t number = -1;
    std::string display;
};

void print(Session& session, const std::vector<Row>& rows, std::string_view numberKey) {
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginArray();
        for (const Row& r : rows) {
            json.beginObject().key("id").value(r.name);
            if (r.number >= 0)
                json.key(numberKey).value(r.number);
            if (!r.display.empty())
                json.key("display").value(r.display);
            json.endObject();
        }
        json.endArray();
        return;
    }
    std::size_t width = 0;
    for (const Row& r : rows)
        width = std::max(width, r.name.size());
    for (const Row& r : rows) {
        std::string line = r.name;
        if (r.number >= 0 || !r.display.empty())
            line.resize(width + 2, ' ');
        if (r.number >= 0)
            line += std::to_string(r.number) + "  ";
        line += r.display;
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        session.out() << line << '\n';
    }
}

std::vector<Row> functions(Session& session) {
    std::vector<Row> rows;
    for (const NamedFunction& f : Names::functions()) {
        ButtonAssignment b;
        b.function = f.code;
        rows.push_back({std::string(f.id), f.code, ButtonFunctions::displayName(session, b)});
    }
    return rows;
}

std::vector<Row> effects(Session& session) {
    std::vector<Row> rows;
    const auto ids = Names::effects();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        rows.push_back({std::string(ids[i]), static_cast<std::int64_t>(i),
                        session.texts().text(TextSection::Led,
                                             text::led::kEffectFirst + static_cast<int>(i))});
    }
    return rows;
}

std::vector<Row> keys(Session& session) {
    const LanguageTextTable& texts = session.texts();
    std::vector<Row> rows;
    for (const macrotext::NamedKey& k : macrotext::namedKeys()) {
        rows.push_back(
            {std::string(k.name), k.code,
             session.keys().name(session.language(), k.code, KeyMode::MacroSteps,
                                 texts.text(TextSection::DevMac, text::devmac::kLeftButton),
                                 texts.text(TextSection::DevMac, text::devmac::kMiddleButton),
                                 texts.text(TextSection::DevMac, text::devmac::kRightButton))});
    }
    return rows;
}

std::vector<Row> groups(Session& session) {
    return session.macros().withGroups([](MacroGroup& g) {
        std::vector<Row> rows;
        for (std::size_t i = 0; i < g.groupCount(); ++i)
            rows.push_back({std::string(g.groupName(i)), static_cast<std::int64_t>(i + 1), {}});
        return rows;
    });
}

std::vector<Row> macros(Session& session, const std::optional<std::string>& group) {
    std::vector<Row> rows;
    for (std::string& name : ButtonFunctions::macroNames(session)) {
        if (!group || name.starts_with(*group + "/"))
            rows.push_back({std::move(name), -1, {}});
    }
    if (group && rows.empty()) {
        const bool exists = session.macros().withGroups([&](MacroGroup& g) {
            for (std::size_t i = 0; i < g.groupCount(); ++i) {
                if (g.groupName(i) == *group)
                    return true;
            }
            return false;
        });
        if (!exists)
            throw CliError::failure("no macro group '" + *group +
                                    "' ('karvoctl list groups' lists them)");
    }
    return rows;
}

std::vector<Row> presets(Session& session) {
    std::vector<Row> rows;
    std::int64_t n = 0;
    for (std::string& name : ButtonFunctions::presetNames(session))
        rows.push_back({std::move(name), ++n, {}});
    return rows;
}

// Each shipped language by its short name, with its number and its own name for itself.
std::vector<Row> languages(Session& session) {
    std::vector<Row> rows;
    const std::filesystem::path skins = session.paths().skinFolder;
    for (const int language : shippedLanguages(skins)) {
        LanguageTextTable texts;
        RecordingNotifier quiet;  // a folder without readable texts still lists by its number
        texts.load(skins / std::string(languageFolderName(language)), quiet);
        rows.push_back({languageCode(language), language,
                        texts.text(TextSection::Other, text::other::kLanguageName)});
    }
    return rows;
}

}  // namespace

std::span<const std::string_view> ListCommand::kinds() {
    return kKinds;
}

int ListCommand::run(Session& session, Arguments& args) {
    const std::string what = args.next("WHAT");
    std::optional<std::string> group;
    if (what == "macros")
        group = args.nextOptional("GROUP");
    args.finish();
    if (what == "functions") {
        std::vector<Row> rows = functions(session);
        if (!session.json()) {
            // The forms that take an argument, for the reader (JSON lists names only).
            rows.push_back({"key KEY+KEY...", -1, "key combination, e.g. key ctrl+shift+a"});
            rows.push_back({"macro GROUP/NAME", -1, "a macro of the library"});
            rows.push_back({"preset NAME", -1, "a gun preset"});
        }
        print(session, rows, "code");
    } else if (what == "effects")
        print(session, effects(session), "effect");
    else if (what == "keys")
        print(session, keys(session), "code");
    else if (what == "groups")
        print(session, groups(session), "group");
    else if (what == "macros")
        print(session, macros(session, group), "");
    else if (what == "presets")
        print(session, presets(session), "preset");
    else if (what == "languages")
        print(session, languages(session), "language");
    else
        throw CliError::usage(
            "cannot list '" + what +
            "': expected functions, effects, keys, groups, macros, presets or languages");
    return kExitOk;
}

}  // namespace karvo::cli
