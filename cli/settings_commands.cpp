// The commands on the configuration file; see settings_commands.h.
#include "cli/settings_commands.h"

#include <cstdio>

#include "app/language_text_index.h"
#include "cli/cli_error.h"
#include "cli/json_writer.h"
#include "device/device_memory_image.h"
#include "settings/combination.h"

namespace karvo::cli {
namespace {

constexpr int kFirstPreset = 50;
constexpr int kFirstMacro = 256;
constexpr int kFirstSpecial = 30000;
constexpr int kLastSpecial = 30004;
constexpr int kLastFixed = 40;
constexpr int kLeftClick = 1;
constexpr int kLedEffects = 14;

std::string colourText(const ColourLevels& levels) {
    const std::uint32_t c = screenColour(levels);
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

std::size_t at(std::int64_t oneBased) {
    return static_cast<std::size_t>(oneBased - 1);
}

ColourLevels colourArgs(Arguments& args) {
    ColourLevels c;
    c.r = static_cast<std::int32_t>(args.number("R", 0, 15));
    c.g = static_cast<std::int32_t>(args.number("G", 0, 15));
    c.b = static_cast<std::int32_t>(args.number("B", 0, 15));
    return c;
}

// A function code a button may be given: one the menus offer, and for presets and macros one
// that names something that exists.
void checkFunctionCode(Session& session, std::int64_t code) {
    const std::string bad = "bad CODE " + std::to_string(code) + ": ";
    if (code == kFunctionCombination)
        throw CliError::usage(bad + "key combinations are set in the window");
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
                                  " (macro M of group G is (G + 1) * 256 + M - 1)");
        return;
    }
    throw CliError::usage(bad + "expected 0-40, 50-255, 256-29999 or 30000-30004");
}

int setButton(Session& session, Arguments& args) {
    const auto profile = args.number("PROFILE", 1, kProfiles);
    const auto slot = args.number("SLOT", 1, std::max(1, session.description().keyNum));
    const auto code = args.number("CODE", 0, 0x7FFFFFFF);
    args.finish();
    checkFunctionCode(session, code);
    const int buttons = session.description().keyNum;
    const bool allowed = session.settings().edit([&](Settings& s) {
        ProfileSettings& p = s.profiles[at(profile)];
        ButtonAssignment& b = p.buttons[at(slot)];
        // The mouse could not be clicked any more: the window refuses this too.
        if (code != kLeftClick && b.function == kLeftClick) {
            int leftClicks = 0;
            for (int i = 0; i < buttons; ++i)
                leftClicks += p.buttons[static_cast<std::size_t>(i)].function == kLeftClick;
            if (leftClicks <= 1)
                return false;
        }
        b.function = static_cast<std::int32_t>(code);
        b.combination.clear();
        combination::regenerateCopies(s, session.keys());
        return true;
    });
    if (!allowed) {
        session.notifier().tipText(text::tip::kNotPossible);
        throw CliError::failure("button " + std::to_string(slot) +
                                " is the last left click of "
                                "profile " +
                                std::to_string(profile));
    }
    session.saveSettings();
    return kExitOk;
}

// The setters of the shared settings: name, then a function that takes its arguments and
// changes the settings.
using SharedSetter = void (*)(Arguments&, SharedSettings&);

struct SharedSetting {
    std::string_view name;
    SharedSetter apply;
};

constexpr SharedSetting kSharedSettings[] = {
    {"dpi",
     [](Arguments& a, SharedSettings& s) {
         const auto level = a.number("LEVEL", 1, kDpiLevels);
         s.dpi[at(level)].step = static_cast<std::uint8_t>(a.number("STEP", 0, 16));
     }},
    {"dpi-enabled",
     [](Arguments& a, SharedSettings& s) {
         const auto level = a.number("LEVEL", 1, kDpiLevels);
         s.dpi[at(level)].enabled = a.number("ENABLED", 0, 1) == 1;
     }},
    {"dpi-colour",
     [](Arguments& a, SharedSettings& s) {
         const auto level = a.number("LEVEL", 1, kDpiLevels);
         s.dpi[at(level)].colour = colourArgs(a);
     }},
    {"dpi-level",
     [](Arguments& a, SharedSettings& s) {
         s.dpiLevel = static_cast<std::int32_t>(a.number("LEVEL", 1, kDpiLevels) - 1);
     }},
    {"lighting",
     [](Arguments& a, SharedSettings& s) {
         s.ledType = static_cast<std::uint8_t>(a.number("EFFECT", 0, kLedEffects - 1));
     }},
    {"lighting-speed",
     [](Arguments& a, SharedSettings& s) {
         s.ledCycleTime = static_cast<std::uint8_t>(a.number("N", 0, 5));
     }},
    {"brightness",
     [](Arguments& a, SharedSettings& s) {
         s.ledBrightness = static_cast<std::int32_t>(a.number("N", 0, 6));
     }},
    {"user-colour",
     [](Arguments& a, SharedSettings& s) {
         const auto c = a.number("C", 1, kUserColours);
         s.userColour[at(c)] = colourArgs(a);
     }},
    {"pointer-speed",
     [](Arguments& a, SharedSettings& s) {
         s.pointerSpeed = static_cast<std::uint8_t>(a.number("N", 1, 11));
     }},
    {"wheel-speed",
     [](Arguments& a, SharedSettings& s) {
         s.wheelSpeed = static_cast<std::uint8_t>(a.number("N", 1, 11));
     }},
    {"fire-time",
     [](Arguments& a, SharedSettings& s) {
         s.fireTime = static_cast<std::int32_t>(a.number("MS", 8, 300));
     }},
};

void showText(Session& session, int profile, const Settings& s) {
    std::ostream& out = session.out();
    const DeviceDescription& d = session.description();
    out << "Profile " << profile + 1 << (profile == s.currentProfile ? " (current)" : "") << " of "
        << d.productName(session.language()) << '\n';
    out << "Buttons:\n";
    for (int b = 0; b < d.keyNum; ++b) {
        const ButtonAssignment& button =
            s.profiles[static_cast<std::size_t>(profile)].buttons[static_cast<std::size_t>(b)];
        char head[32];
        std::snprintf(head, sizeof head, "  %2d  %6d  ", b + 1, button.function);
        out << head << SettingsCommands::functionLabel(session, button) << '\n';
    }
    out << "DPI levels:\n";
    for (int k = 0; k < kDpiLevels; ++k) {
        const DpiLevelSettings& level = s.shared.dpi[static_cast<std::size_t>(k)];
        char line[112];
        std::snprintf(line, sizeof line, "%s %d  step %2d  value %2d  %5d DPI  %s  %s\n",
                      k == s.shared.dpiLevel ? "  *" : "   ", k + 1, level.step,
                      device::DeviceMemoryImage::dpiValue(level.step), d.dpiOf(level.step),
                      colourText(level.colour).c_str(), level.enabled ? "on" : "off");
        out << line;
    }
    const std::string& effect =
        session.texts().text(TextSection::Led, text::led::kEffectFirst + s.shared.ledType);
    out << "Lighting: " << (effect.empty() ? "effect" : effect) << " (" << int{s.shared.ledType}
        << "), speed " << int{s.shared.ledCycleTime} << ", brightness " << s.shared.ledBrightness
        << '\n';
    out << "User colours:";
    for (int c = 0; c < kUserColours; ++c) {
        out << ' ' << colourText(s.shared.userColour[static_cast<std::size_t>(c)])
            << (s.shared.colourInCycle(c) ? "" : "(off)");
    }
    out << '\n'
        << "Pointer speed: " << int{s.shared.pointerSpeed} << '\n'
        << "Wheel speed: " << int{s.shared.wheelSpeed} << '\n'
        << "Fire time: " << s.shared.fireTime << " ms\n";
}

void showJson(Session& session, int profile, const Settings& s) {
    JsonWriter json(session.out());
    json.beginObject().key("profile").value(profile + 1);
    json.key("current").value(profile == s.currentProfile);
    json.key("buttons").beginArray();
    for (int b = 0; b < session.description().keyNum; ++b) {
        const ButtonAssignment& button =
            s.profiles[static_cast<std::size_t>(profile)].buttons[static_cast<std::size_t>(b)];
        json.beginObject().key("button").value(b + 1).key("code").value(button.function);
        json.key("function").value(SettingsCommands::functionLabel(session, button)).endObject();
    }
    json.endArray().key("dpiLevels").beginArray();
    for (int k = 0; k < kDpiLevels; ++k) {
        const DpiLevelSettings& level = s.shared.dpi[static_cast<std::size_t>(k)];
        json.beginObject().key("level").value(k + 1).key("step").value(int{level.step});
        json.key("value").value(int{device::DeviceMemoryImage::dpiValue(level.step)});
        json.key("dpi").value(session.description().dpiOf(level.step));
        json.key("colour").value(colourText(level.colour)).key("enabled").value(level.enabled);
        json.key("active").value(k == s.shared.dpiLevel).endObject();
    }
    json.endArray().key("lighting").beginObject();
    json.key("effect").value(int{s.shared.ledType});
    json.key("name").value(
        session.texts().text(TextSection::Led, text::led::kEffectFirst + s.shared.ledType));
    json.key("speed").value(int{s.shared.ledCycleTime});
    json.key("brightness").value(s.shared.ledBrightness).endObject();
    json.key("userColours").beginArray();
    for (int c = 0; c < kUserColours; ++c) {
        json.beginObject().key("colour").value(
            colourText(s.shared.userColour[static_cast<std::size_t>(c)]));
        json.key("inCycle").value(s.shared.colourInCycle(c)).endObject();
    }
    json.endArray();
    json.key("pointerSpeed").value(int{s.shared.pointerSpeed});
    json.key("wheelSpeed").value(int{s.shared.wheelSpeed});
    json.key("fireTime").value(s.shared.fireTime).endObject();
}

}  // namespace

std::string SettingsCommands::functionLabel(Session& session, const ButtonAssignment& button) {
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
    for (const SharedSetting& setting : kSharedSettings) {
        if (setting.name != what)
            continue;
        SharedSettings shared = session.settings().snapshot().shared;
        setting.apply(args, shared);
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
        const bool done = action == "export" ? session.store().exportConfig(file)
                                             : session.store().importConfig(
                                                   file, session.description(), session.settings());
        if (!done)
            throw CliError::failure("the configuration was not " + action + "ed");
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
