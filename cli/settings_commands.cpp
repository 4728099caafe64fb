// The commands on the configuration file; see settings_commands.h.
#include "cli/settings_commands.h"

#include <algorithm>
#include <cstdio>

#include "cli/button_functions.h"
#include "cli/cli_error.h"
#include "cli/file_problem.h"
#include "cli/json_writer.h"
#include "cli/names.h"
#include "platform/text_encoding.h"
#include "services/language_fallback.h"
#include "services/language_text_index.h"
#include "settings/combination.h"

namespace karvo::cli {
namespace {

constexpr int kLeftClick = 1;
constexpr int kReactions = 4;
constexpr std::string_view kReactionIds[kReactions] = {"off", "flash", "fade", "glow"};
constexpr int kDirections = 4;
constexpr std::string_view kDirectionIds[kDirections] = {"left", "right", "outward", "inward"};

std::size_t at(std::int64_t oneBased) {
    return static_cast<std::size_t>(oneBased - 1);
}

std::string lower(std::string_view word) {
    return text::asciiLower(word);
}

// A number with an optional unit after it ("1600dpi", "50ms"), as a usage error when bad.
std::int64_t numberWithUnit(const std::string& word, std::string_view unit, std::string_view what,
                            std::int64_t min, std::int64_t max) {
    std::string text = lower(word);
    if (text.size() > unit.size() && text.ends_with(unit))
        text.resize(text.size() - unit.size());
    return Arguments::toNumber(text, what, min, max);
}

bool onOff(Arguments& args, std::string_view what) {
    const std::string word = lower(args.next(what));
    if (word == "on" || word == "1" || word == "yes")
        return true;
    if (word == "off" || word == "0" || word == "no")
        return false;
    throw CliError::usage("bad " + std::string(what) + " '" + word + "': expected on or off");
}

// The stored levels of a colour: "#rrggbb" (or "rrggbb"), each component becoming the level
// the window's colour chooser stores, 16 screen values to a level; or, as scripts of old
// wrote them, three levels 0-15. A colour between two levels is said.
ColourLevels colourArgs(Session& session, Arguments& args, std::string_view what) {
    const std::string word = args.next(what);
    std::string_view hex = word;
    if (!hex.empty() && hex.front() == '#')
        hex.remove_prefix(1);
    const bool isHex = hex.size() == 6 &&
                       hex.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
    if (!isHex) {
        if (word.front() == '#' || !Arguments::parseNumber(word))
            throw CliError::usage("bad " + std::string(what) + " '" + word + "': expected #rrggbb");
        ColourLevels c;
        c.r = static_cast<std::int32_t>(Arguments::toNumber(word, "R", 0, 15));
        c.g = static_cast<std::int32_t>(args.number("G", 0, 15));
        c.b = static_cast<std::int32_t>(args.number("B", 0, 15));
        return c;
    }
    const auto component = [&](std::size_t i) {
        const int value =
            static_cast<int>(*Arguments::parseNumber("0x" + std::string(hex.substr(i, 2))));
        return (255 - value) / 16;
    };
    const ColourLevels c{component(0), component(2), component(4)};
    const std::string shown = SettingsCommands::colourText(c);
    if (lower("#" + std::string(hex)) != shown)
        session.err() << "karvoctl: " << word << " is stored as " << shown
                      << " (16 levels a component)\n";
    return c;
}

// The functions of a profile's buttons keep at least one left click, or the mouse could not
// be clicked any more: the window refuses this too.
bool keepsLeftClick(const ProfileSettings& p, int buttons, std::size_t slot, std::int32_t code) {
    if (code == kLeftClick || p.buttons[slot].function != kLeftClick)
        return true;
    int leftClicks = 0;
    for (int i = 0; i < buttons; ++i)
        leftClicks += p.buttons[static_cast<std::size_t>(i)].function == kLeftClick;
    return leftClicks > 1;
}

int setButton(Session& session, Arguments& args) {
    const auto profile = args.number("PROFILE", 1, kProfiles);
    const auto slot = args.number("BUTTON", 1, std::max(1, session.description().keyNum));
    const FunctionChoice choice = ButtonFunctions::take(session, args);
    args.finish();
    const int buttons = session.description().keyNum;
    const bool allowed = session.settings().edit([&](Settings& s) {
        ProfileSettings& p = s.profiles[at(profile)];
        if (!keepsLeftClick(p, buttons, at(slot), choice.code))
            return false;
        ButtonAssignment& b = p.buttons[at(slot)];
        b.function = choice.code;
        b.combination = choice.combination;
        b.leftMac = 0;
        combination::regenerateCopies(s, session.keys());
        return true;
    });
    if (!allowed) {
        session.notifier().tipText(text::tip::kNotPossible);
        throw CliError::failure("button " + std::to_string(slot) +
                                " is the last left click of profile " + std::to_string(profile));
    }
    session.saveSettings();
    return kExitOk;
}

int setButtonLighting(Session& session, Arguments& args) {
    const auto profile = args.number("PROFILE", 1, kProfiles);
    const auto slot = args.number("BUTTON", 1, std::max(1, session.description().keyNum));
    const std::string word = lower(args.next("REACTION"));
    args.finish();
    int type = -1;
    for (int i = 0; i < kReactions; ++i) {
        if (kReactionIds[i] == word)
            type = i;
    }
    if (type < 0)
        throw CliError::usage("bad REACTION '" + word + "': expected off, flash, fade or glow");
    session.settings().edit(
        [&](Settings& s) { s.profiles[at(profile)].buttons[at(slot)].ledReactType = type; });
    session.saveSettings();
    return kExitOk;
}

// The language of the window's texts and of the macro library; the window reads it when it
// starts. Refused, with nothing changed, when the language's folder lacks a file the window
// needs, as the window's own switch does.
int setLanguage(Session& session, Arguments& args) {
    const std::string word = args.next("LANGUAGE");
    args.finish();
    const std::optional<int> language = languageByName(word);
    const std::vector<int> shipped = shippedLanguages(session.paths().skinFolder);
    if (!language || std::find(shipped.begin(), shipped.end(), *language) == shipped.end())
        throw CliError::usage("unknown LANGUAGE '" + word +
                              "' ('karvoctl list languages' lists them)");
    ProgramPaths next = session.paths();
    next.setLanguage(*language);
    if (const auto missing = missingLanguageFile(next.languageFolder); !missing.empty())
        throw CliError::failure("the language '" + word + "' lacks " + missing.string() +
                                "; the language stays as it was");
    if (!session.store().saveLanguage(*language))
        throw CliError::failure("cannot write " + session.paths().configFile.string());
    return kExitOk;
}

// The setters of the shared settings: name, then a function that takes its arguments and
// changes the settings.
using SharedSetter = void (*)(Session&, Arguments&, SharedSettings&);

struct SharedSetting {
    std::string_view name;
    SharedSetter apply;
};

constexpr SharedSetting kSharedSettings[] = {
    {"dpi",
     [](Session& session, Arguments& a, SharedSettings& s) {
         const bool asStep = a.flag("--step");
         const auto level = a.number("LEVEL", 1, kDpiLevels);
         const DpiSteps& steps = session.dpiSteps();
         if (asStep) {
             s.dpi[at(level)].step =
                 static_cast<std::uint8_t>(a.number("STEP", 0, steps.count() - 1));
             return;
         }
         const std::string word = a.next("DPI");
         const auto dpi = numberWithUnit(word, "dpi", "DPI", 1, 0xFFFFFF);
         const DpiSteps::Nearest nearest = steps.nearest(static_cast<int>(dpi));
         if (!nearest.exact)
             session.err() << "karvoctl: " << dpi << " DPI is between steps; set " << nearest.dpi
                           << " DPI (step " << nearest.step << ")\n";
         s.dpi[at(level)].step = static_cast<std::uint8_t>(nearest.step);
     }},
    {"dpi-enabled",
     [](Session&, Arguments& a, SharedSettings& s) {
         const auto level = a.number("LEVEL", 1, kDpiLevels);
         s.dpi[at(level)].enabled = onOff(a, "ENABLED");
     }},
    {"dpi-colour",
     [](Session& session, Arguments& a, SharedSettings& s) {
         const auto level = a.number("LEVEL", 1, kDpiLevels);
         s.dpi[at(level)].colour = colourArgs(session, a, "COLOUR");
     }},
    {"dpi-level",
     [](Session&, Arguments& a, SharedSettings& s) {
         s.dpiLevel = static_cast<std::int32_t>(a.number("LEVEL", 1, kDpiLevels) - 1);
     }},
    {"lighting",
     [](Session&, Arguments& a, SharedSettings& s) {
         const std::string word = a.next("EFFECT");
         if (const auto index = Names::effectIndex(lower(word))) {
             s.ledType = static_cast<std::uint8_t>(*index);
             return;
         }
         if (!Arguments::parseNumber(word))
             throw CliError::usage("unknown EFFECT '" + word +
                                   "' ('karvoctl list effects' lists them)");
         s.ledType = static_cast<std::uint8_t>(Arguments::toNumber(
             word, "EFFECT", 0, static_cast<std::int64_t>(Names::effects().size()) - 1));
     }},
    {"lighting-speed",
     [](Session&, Arguments& a, SharedSettings& s) {
         s.ledCycleTime = static_cast<std::uint8_t>(a.number("N", 0, 5));
     }},
    {"brightness",
     [](Session&, Arguments& a, SharedSettings& s) {
         s.ledBrightness = static_cast<std::int32_t>(a.number("N", 0, 7));
     }},
    {"user-colour",
     [](Session& session, Arguments& a, SharedSettings& s) {
         const auto c = a.number("C", 1, kUserColours);
         s.userColour[at(c)] = colourArgs(session, a, "COLOUR");
     }},
    {"colour-in-cycle",
     [](Session&, Arguments& a, SharedSettings& s) {
         const auto c = a.number("C", 1, kUserColours);
         const auto bit = static_cast<std::uint8_t>(1u << at(c));
         s.colourCycleMask = onOff(a, "IN_CYCLE")
                                 ? static_cast<std::uint8_t>(s.colourCycleMask | bit)
                                 : static_cast<std::uint8_t>(s.colourCycleMask & ~bit);
     }},
    {"pointer-speed",
     [](Session&, Arguments& a, SharedSettings& s) {
         s.pointerSpeed = static_cast<std::uint8_t>(a.number("N", 1, 11));
     }},
    {"wheel-speed",
     [](Session&, Arguments& a, SharedSettings& s) {
         s.wheelSpeed = static_cast<std::uint8_t>(a.number("N", 1, 11));
     }},
    {"fire-time",
     [](Session&, Arguments& a, SharedSettings& s) {
         s.fireTime = static_cast<std::int32_t>(numberWithUnit(a.next("MS"), "ms", "MS", 8, 300));
     }},
    {"lights",
     [](Session&, Arguments& a, SharedSettings& s) { s.modeLight = onOff(a, "LIGHTS") ? 0 : 1; }},
    {"lighting-direction",
     [](Session&, Arguments& a, SharedSettings& s) {
         const std::string word = lower(a.next("DIRECTION"));
         for (int d = 0; d < kDirections; ++d) {
             if (kDirectionIds[d] == word) {
                 s.ledDirection = d;
                 return;
             }
         }
         throw CliError::usage("bad DIRECTION '" + word +
                               "': expected left, right, outward or inward");
     }},
    {"lighting-mirror",
     [](Session&, Arguments& a, SharedSettings& s) { s.ledSymmetry = onOff(a, "MIRROR") ? 1 : 0; }},
    {"host-playback", [](Session&, Arguments& a,
                         SharedSettings& s) { s.softHardMac = onOff(a, "HOST_PLAYBACK") ? 1 : 0; }},
};

std::string_view directionId(int direction) {
    return direction >= 0 && direction < kDirections ? kDirectionIds[direction]
                                                     : std::string_view("?");
}

const std::string& effectName(Session& session, int effect) {
    return session.texts().text(TextSection::Led, text::led::kEffectFirst + effect);
}

std::string_view effectId(int effect) {
    const auto effects = Names::effects();
    return effect >= 0 && effect < static_cast<int>(effects.size())
               ? effects[static_cast<std::size_t>(effect)]
               : std::string_view();
}

std::string reactionId(int type) {
    return type >= 0 && type < kReactions ? std::string(kReactionIds[type]) : std::to_string(type);
}

void showText(Session& session, int profile, const Settings& s) {
    std::ostream& out = session.out();
    const DeviceDescription& d = session.description();
    out << "Profile " << profile + 1 << (profile == s.currentProfile ? " (current)" : "") << " of "
        << d.productName(session.language()) << '\n';
    out << "Buttons:\n";
    for (int b = 0; b < d.keyNum; ++b) {
        const ButtonAssignment& button =
            s.profiles[static_cast<std::size_t>(profile)].buttons[static_cast<std::size_t>(b)];
        char head[16];
        std::snprintf(head, sizeof head, "  %2d  ", b + 1);
        std::string id = ButtonFunctions::identifier(session, button);
        if (id.size() < 24)
            id.resize(24, ' ');
        out << head << id << "  " << ButtonFunctions::displayName(session, button) << '\n';
    }
    out << "DPI levels:\n";
    for (int k = 0; k < kDpiLevels; ++k) {
        const DpiLevelSettings& level = s.shared.dpi[static_cast<std::size_t>(k)];
        char line[96];
        std::snprintf(line, sizeof line, "%s %d  %5d DPI  (step %2d)  %s  %s\n",
                      k == s.shared.dpiLevel ? "  *" : "   ", k + 1,
                      session.dpiSteps().dpi(level.step), level.step,
                      SettingsCommands::colourText(level.colour).c_str(),
                      level.enabled ? "on" : "off");
        out << line;
    }
    const std::string_view id = effectId(s.shared.ledType);
    out << "Lighting: " << (id.empty() ? std::to_string(s.shared.ledType) : std::string(id)) << " ("
        << effectName(session, s.shared.ledType) << "), speed " << int{s.shared.ledCycleTime}
        << ", brightness " << s.shared.ledBrightness << ", direction "
        << directionId(s.shared.ledDirection) << ", mirror "
        << (s.shared.ledSymmetry ? "on" : "off") << (s.shared.modeLight == 1 ? "; lights off" : "")
        << '\n';
    out << "User colours:";
    for (int c = 0; c < kUserColours; ++c) {
        out << ' ' << SettingsCommands::colourText(s.shared.userColour[static_cast<std::size_t>(c)])
            << (s.shared.colourInCycle(c) ? "" : "(off)");
    }
    out << '\n'
        << "Pointer speed: " << int{s.shared.pointerSpeed} << '\n'
        << "Wheel speed: " << int{s.shared.wheelSpeed} << '\n'
        << "Fire time: " << s.shared.fireTime << " ms\n"
        << "Host playback: " << (s.shared.softHardMac == 1 ? "on" : "off") << '\n'
        << "Language: " << languageCode(session.language()) << " ("
        << session.texts().text(TextSection::Other, text::other::kLanguageName) << ")\n";
}

void showJson(Session& session, int profile, const Settings& s) {
    JsonWriter json(session.out());
    json.beginObject().key("profile").value(profile + 1);
    json.key("current").value(profile == s.currentProfile);
    json.key("buttons").beginArray();
    for (int b = 0; b < session.description().keyNum; ++b) {
        const ButtonAssignment& button =
            s.profiles[static_cast<std::size_t>(profile)].buttons[static_cast<std::size_t>(b)];
        const auto [kind, argument] = ButtonFunctions::identifierParts(session, button);
        json.beginObject().key("button").value(b + 1).key("code").value(button.function);
        json.key("function").value(kind);
        if (!argument.empty())
            json.key("argument").value(argument);
        json.key("display").value(ButtonFunctions::displayName(session, button));
        json.key("lighting").value(reactionId(button.ledReactType)).endObject();
    }
    json.endArray().key("dpiLevels").beginArray();
    for (int k = 0; k < kDpiLevels; ++k) {
        const DpiLevelSettings& level = s.shared.dpi[static_cast<std::size_t>(k)];
        json.beginObject().key("level").value(k + 1);
        json.key("dpi")
            .value(session.dpiSteps().dpi(level.step))
            .key("step")
            .value(int{level.step});
        json.key("colour").value(SettingsCommands::colourText(level.colour));
        json.key("enabled").value(level.enabled);
        json.key("active").value(k == s.shared.dpiLevel).endObject();
    }
    json.endArray().key("lighting").beginObject();
    const std::string_view id = effectId(s.shared.ledType);
    json.key("effect");
    if (id.empty())
        json.value(int{s.shared.ledType});
    else
        json.value(id);
    json.key("display").value(effectName(session, s.shared.ledType));
    json.key("speed").value(int{s.shared.ledCycleTime});
    json.key("brightness").value(s.shared.ledBrightness);
    json.key("direction").value(directionId(s.shared.ledDirection));
    json.key("mirror").value(s.shared.ledSymmetry != 0);
    json.key("lightsOn").value(s.shared.modeLight != 1).endObject();
    json.key("userColours").beginArray();
    for (int c = 0; c < kUserColours; ++c) {
        json.beginObject().key("colour").value(
            SettingsCommands::colourText(s.shared.userColour[static_cast<std::size_t>(c)]));
        json.key("inCycle").value(s.shared.colourInCycle(c)).endObject();
    }
    json.endArray();
    json.key("pointerSpeed").value(int{s.shared.pointerSpeed});
    json.key("wheelSpeed").value(int{s.shared.wheelSpeed});
    json.key("fireTimeMs").value(s.shared.fireTime);
    json.key("hostPlayback").value(s.shared.softHardMac == 1);
    json.key("language").value(languageCode(session.language())).endObject();
}

}  // namespace

std::string SettingsCommands::colourText(const ColourLevels& levels) {
    const std::uint32_t c = screenColour(levels);
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

int SettingsCommands::show(Session& session, Arguments& args) {
    const auto chosen = args.numberOptional("PROFILE", 1, kProfiles);
    args.finish();
    const Settings s = session.settings().snapshot();
    const int profile = chosen ? static_cast<int>(*chosen - 1) : s.currentProfile;
    if (session.json())
        showJson(session, profile, s);
    else
        showText(session, profile, s);
    return kExitOk;
}

int SettingsCommands::profile(Session& session, Arguments& args) {
    const auto chosen = args.numberOptional("N", 1, kProfiles);
    args.finish();
    if (chosen) {
        if (!session.store().saveCurrentProfile(static_cast<int>(*chosen - 1)))
            throw CliError::failure("cannot write " + session.paths().configFile.string());
    }
    const int current = session.store().readCurrentProfile() + 1;
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject().key("profile").value(current).endObject();
    } else {
        session.out() << current << '\n';
    }
    return kExitOk;
}

int SettingsCommands::set(Session& session, Arguments& args) {
    const std::string what = args.next("SETTING");
    if (what == "button")
        return setButton(session, args);
    if (what == "button-lighting")
        return setButtonLighting(session, args);
    if (what == "language")
        return setLanguage(session, args);
    for (const SharedSetting& setting : kSharedSettings) {
        if (setting.name != what)
            continue;
        SharedSettings shared = session.settings().snapshot().shared;
        setting.apply(session, args, shared);
        args.finish();
        session.settings().edit([&](Settings& s) { s.shared = shared; });
        session.saveSettings();
        return kExitOk;
    }
    throw CliError::usage("unknown setting '" + what + "'");
}

int SettingsCommands::config(Session& session, Arguments& args) {
    const std::string action = args.next("export, import or reset");
    if (action == "export" || action == "import") {
        const std::string file = args.next("FILE");
        args.finish();
        if (action == "import")
            FileProblem::checkReadable(file);
        const bool done = action == "export" ? session.store().exportConfig(file)
                                             : session.store().importConfig(
                                                   file, session.description(), session.settings());
        if (!done) {
            if (action == "export")
                FileProblem::checkWritable(file);
            throw CliError::failure("the configuration was not " + action + "ed");
        }
        return kExitOk;
    }
    if (action == "reset") {
        args.finish();
        if (!session.store().resetAll(session.settings()))
            throw CliError::failure("the configuration was not reset");
        return kExitOk;
    }
    throw CliError::usage("unknown config action '" + action + "'");
}

}  // namespace karvo::cli
