// The help texts of karvoctl. Kept terse and exact: scripts are written against these words.
#include "cli/help_text.h"

#include <array>

namespace karvo::cli {
namespace {

constexpr std::array<CommandHelp, 16> kCommands = {{
    {"devices", "devices", "list the mouse's HID interfaces and whether they can be opened",
     "Lists every HID interface of a Karvo G7 Pro (vendor 5e3d, product 2a17 or 2a2c): its\n"
     "path, vendor:product, product string, usage page/usage, the product variant (1 for\n"
     "2a17, 0 for 2a2c) and whether this user may open it. When the mouse is there but may\n"
     "not be opened, a hint on stderr says how to grant access. Exit 0 also when no mouse\n"
     "is connected (the list is then empty).\n"},
    {"status", "status", "whether the mouse is found, its variant and the profile it reports",
     "Looks for the mouse as the window program does and asks it for its status. Prints\n"
     "whether it was found, where, its variant, and the profile (1-4) the mouse says it\n"
     "uses. Exit 1 when the mouse is not found or does not answer.\n"},
    {"apply", "apply [--full] [--quiet]",
     "write the configuration of the data folder into the mouse",
     "Writes the configuration of the data folder into the mouse's memory and makes the\n"
     "mouse use it. Only the 8-byte blocks that differ from the last complete write to\n"
     "this mouse in this connection are sent (tens of milliseconds for one setting); the\n"
     "mouse ends with the same bytes as after writing everything. Everything is written\n"
     "(about a second) the first time after the mouse is plugged in, after a write that\n"
     "failed or stopped, when the record of the last write is missing or damaged, and\n"
     "with --full. The record is kept in ~/.cache/karvo-gmouse (XDG_CACHE_HOME), or\n"
     "beside the state file of --simulate=FILE. A progress bar goes to stderr when stderr\n"
     "is a terminal; --quiet leaves it and the closing line out.\n"
     "Exit 1, with the notice's text, when the download stops early (the macros do not\n"
     "fit in the mouse, or one cannot be encoded) or the mouse stops answering.\n"},
    {"image", "image [--variant 0|1] [--prev-end N] [--bin FILE] [--blocks FILE]",
     "compute what apply would write, without a mouse",
     "Computes, without any device, the block writes of apply for the data folder.\n"
     "  --bin FILE     write the 65536-byte memory image (bytes never written are 0)\n"
     "  --blocks FILE  write the block writes in order, one a line: <address> <hex bytes>\n"
     "  --variant 0|1  the product variant (default 1; 0 writes the whole header)\n"
     "  --prev-end N   the macro area end of the previous download (default 0)\n"
     "Without --bin or --blocks it prints a hex dump of the written ranges. When the\n"
     "download would stop early, what would have been written up to there is still\n"
     "written, the notice goes to stderr and the exit code is 1.\n"},
    {"verify", "verify", "read back what apply writes and compare it with the computed image",
     "Reads back from the mouse every address apply writes and compares it with the image\n"
     "computed from the data folder. Slow by nature (about 4 ms a byte): it says how long\n"
     "before it starts and shows progress on a terminal. Prints each differing address\n"
     "with the expected and the read byte; exit 1 when any differ.\n"},
    {"read", "read ADDR LEN", "read LEN bytes of the mouse's memory from ADDR",
     "Reads LEN bytes (1 to 65536) of the mouse's memory from ADDR (0 to 65535); both\n"
     "decimal or 0x hex, and the range must end within the 64 KiB memory. About 4 ms a\n"
     "byte. Prints a hex dump, or with --json the address and the bytes.\n"},
    {"show", "show [PROFILE]", "the settings of a profile in human terms",
     "Shows profile PROFILE (1-4; default: the current one): each button with the name of\n"
     "its function (what 'set button' takes) and the language's display text, the DPI levels\n"
     "in DPI with their steps, colours (#rrggbb) and which is active, the lighting effect by\n"
     "name, the user colours, the pointer and wheel speeds and the fire time. With --json\n"
     "the names are the same in every language; 'display' holds the language's text.\n"},
    {"profile", "profile [N]", "print the current profile, or make profile N current",
     "Without N prints the current profile (1-4) of the configuration. With N writes it as\n"
     "the current profile; the mouse takes it at the next apply.\n"},
    {"set", "set SETTING ARGS...", "change one setting of the configuration",
     "Changes one setting in the configuration file; the mouse takes it at the next apply.\n"
     "Profiles are numbered 1-4, buttons 1 to the mouse's button count, DPI levels 1-6,\n"
     "user colours 1-7. Colours are #rrggbb (stored as 16 levels a component; a colour\n"
     "between levels is said), durations are milliseconds (50 or 50ms).\n"
     "  set button PROFILE BUTTON FUNCTION    a function by name ('karvoctl list functions'):\n"
     "                                  left-click, dpi-up, volume-up, disabled ...;\n"
     "                                  key ctrl+shift+a (a key combination, 'list keys');\n"
     "                                  macro GROUP/NAME ('list macros'); preset NAME\n"
     "                                  ('list presets'); or the function code as a number\n"
     "  set button-lighting PROFILE BUTTON off|flash|fade|glow   a button's reaction lighting\n"
     "  set dpi LEVEL DPI               sensitivity of a DPI level in DPI (the nearest step;\n"
     "                                  said when rounded)\n"
     "  set dpi LEVEL --step STEP       the same as a step 0-16\n"
     "  set dpi-enabled LEVEL on|off    whether the level takes part in DPI switching\n"
     "  set dpi-colour LEVEL COLOUR     colour of a DPI level\n"
     "  set dpi-level LEVEL             the active DPI level\n"
     "  set lighting EFFECT             lighting effect by name ('list effects') or 0-13\n"
     "  set lighting-speed N            effect speed 0-5\n"
     "  set brightness N                brightness 0-7, 0 the brightest (the window's list)\n"
     "  set user-colour C COLOUR        one of the seven user colours\n"
     "  set colour-in-cycle C on|off    whether user colour C takes part in the cycle\n"
     "  set pointer-speed N             pointer speed 1-11\n"
     "  set wheel-speed N               wheel speed 1-11\n"
     "  set fire-time MS                fire key repeat time, 8-300 ms\n"
     "  set lights on|off               the lighting on, or off altogether\n"
     "  set lighting-direction left|right|outward|inward   direction of a moving effect\n"
     "  set lighting-mirror on|off      whether the effect runs mirrored from the middle\n"
     "  set host-playback on|off        macros of the buttons played by this computer\n"
     "  set language LANGUAGE           the window's language and macro library, by short\n"
     "                                  name ('list languages'), number or folder name\n"},
    {"list", "list functions|effects|keys|groups|macros [GROUP]|presets",
     "the names the other commands take",
     "Lists names to type, each with its code and the configured language's text:\n"
     "  list functions    button functions ('set button')\n"
     "  list effects      lighting effects ('set lighting')\n"
     "  list keys         key names of macros and key combinations, with the key caps of\n"
     "                    the configured keyboard language\n"
     "  list groups       macro groups\n"
     "  list macros       every macro as GROUP/NAME, or those of GROUP\n"
     "  list presets      gun presets ('set button ... preset NAME')\n"
     "  list languages    the shipped languages ('set language')\n"},
    {"macro",
     "macro groups | list GROUP | show GROUP MACRO | create GROUP NAME [TEXT] | "
     "edit GROUP MACRO TEXT | rename GROUP MACRO NAME | delete GROUP MACRO | new-group NAME | "
     "rename-group GROUP NAME | delete-group GROUP | reset | export-group GROUP FILE | "
     "import-group FILE | export GROUP MACRO FILE | import GROUP FILE",
     "show, write and edit macros as text; macro groups, import and export",
     "Works on the macro groups of the configuration's language. GROUP and MACRO are names\n"
     "or numbers (1-based, as 'macro groups' and 'macro list' show them).\n"
     "  macro groups                     the groups and how many macros each holds\n"
     "  macro list GROUP                 the macros of a group\n"
     "  macro show GROUP MACRO           the macro's steps as one line of TEXT\n"
     "  macro create GROUP NAME [TEXT]   a new macro of TEXT\n"
     "  macro edit GROUP MACRO TEXT      replace a macro's steps with TEXT\n"
     "  macro rename GROUP MACRO NAME    rename a macro\n"
     "  macro delete GROUP MACRO         delete a macro\n"
     "  macro new-group NAME             a new, empty group\n"
     "  macro rename-group GROUP NAME    rename a group\n"
     "  macro delete-group GROUP         delete a group and its file\n"
     "  macro reset                      put back the shipped groups\n"
     "  macro export-group GROUP FILE    write a group to a group file (.dat)\n"
     "  macro import-group FILE          take a group file in as a new group\n"
     "  macro export GROUP MACRO FILE    write one macro to a single-macro file (.sdat)\n"
     "  macro import GROUP FILE          add the macro of a single-macro file to a group\n"
     "create and edit take --mode repeat|1|2 and --repeat N (1-1000, mode repeat); edit\n"
     "with only these options keeps the steps. TEXT is one argument (quote it) or the rest\n"
     "of the line, words separated by blanks:\n"
     "  +KEY -KEY       press, release a key or mouse button ('karvoctl list keys'):\n"
     "                  +ctrl 20ms +c 30ms -c 20ms -ctrl\n"
     "  NNms            the delay after the step before it (up to 10000)\n"
     "  wait            a pause of its own (wait 500ms)\n"
     "  move:X,Y        a cursor move, -100 to +100 each way (move:-5,+3)\n"
     "  dpi:DPI         sensitivity 200 400 600 800 1000 1200 1600 2000 2400 3200 4000\n"
     "                  or 4800; dpi:reset goes back\n"
     "  light:n=N,e=E,c=C,t=T   a lighting step: entries, effect, colour, time\n"
     "  step:KIND,KEY,P0,P1     a step as its numbers\n"
     "What 'macro show' prints, 'macro edit' takes back unchanged. The limits are those of\n"
     "the window's macro page: 275 steps, 50 moves, 5 sensitivity and 5 lighting steps.\n"},
    {"config", "config export FILE | import FILE | reset",
     "export, import or reset the configuration file",
     "  config export FILE   copy the configuration file to FILE\n"
     "  config import FILE   replace the configuration with FILE (a configuration of this\n"
     "                       product only)\n"
     "  config reset         reset all four profiles from the factory copy\n"},
    {"autostart", "autostart [on|off]", "start the window minimised with the desktop session",
     "Without an argument, says whether the window program starts minimised (-HIDE) when\n"
     "you log in. 'on' writes the XDG autostart entry\n"
     "$XDG_CONFIG_HOME/autostart/karvo-gmouse.desktop (~/.config/autostart/...), which\n"
     "runs the karvo-gmouse beside this tool (with --data DIR when given); 'off' removes\n"
     "it, or masks a system-wide entry of that name with Hidden=true.\n"},
    {"press", "press BUTTON [--hold MS]", "press a button of the emulated mouse",
     "With --simulate only: presses BUTTON (1 to the mouse's button count, as 'show'\n"
     "numbers them) of the emulated mouse and releases it after MS milliseconds (default\n"
     "0). The mouse acts on the function written into its memory: DPI keys step its DPI\n"
     "level, profile keys switch its profile (kept in STATEFILE, so 'status' reports it);\n"
     "other keys are only reported to the host (see --report-log). Prints what it did.\n"},
    {"completion", "completion bash|zsh|fish", "the shell completion script of karvoctl",
     "Writes the completion script of a shell; the build installs all three. To try one:\n"
     "  source <(karvoctl completion bash)\n"
     "Completion offers commands, settings, options and the names of functions, effects,\n"
     "keys, macro groups, macros and presets.\n"},
    {"help", "help [COMMAND]", "general help, or the help of one command",
     "Prints the general help, or the help of COMMAND. 'karvoctl COMMAND --help' does\n"
     "the same.\n"},
}};

}  // namespace

std::span<const CommandHelp> HelpText::commands() {
    return kCommands;
}

const CommandHelp* HelpText::find(std::string_view name) {
    for (const CommandHelp& c : kCommands) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

std::string HelpText::usageLine(const CommandHelp* help) {
    if (help == nullptr) {
        return "usage: karvoctl [--data DIR] [--simulate[=STATEFILE]] [--report-log FILE] "
               "[--json] COMMAND [ARGS]\n";
    }
    return "usage: karvoctl [OPTIONS] " + std::string(help->synopsis) + "\n";
}

std::string HelpText::general() {
    std::string text = usageLine(nullptr);
    text +=
        "\nConfigures the Karvo G7 Pro gaming mouse from a terminal, with the files of the\n"
        "karvo-gmouse program.\n\n"
        "Options (anywhere on the line; '--' ends them):\n"
        "  --data DIR               program folder holding skins/, read and written in\n"
        "                           place (default: skins/ beside this executable, or\n"
        "                           the installed data with your settings in\n"
        "                           ~/.config/karvo-gmouse)\n"
        "  --simulate[=STATEFILE]   talk to the emulated mouse; its 65536-byte memory is\n"
        "                           loaded from STATEFILE when it exists and saved back\n"
        "  --report-log FILE        append every report exchanged with the mouse to FILE:\n"
        "                           <ms since start> <SET|GET|IN> <hex bytes>\n"
        "  --json                   machine-readable output; errors and notices as one\n"
        "                           JSON object on stderr\n"
        "  -h, --help               this help; 'karvoctl help COMMAND' for a command\n"
        "  -V, --version            the program version\n\n"
        "Commands:\n";
    for (const CommandHelp& c : kCommands) {
        std::string name(c.name);
        name.resize(12, ' ');
        text += "  " + name + std::string(c.summary) + "\n";
    }
    text += "\nExit codes: 0 success, 1 failure (message on stderr), 2 bad usage.\n";
    return text;
}

std::string HelpText::command(const CommandHelp& help) {
    return usageLine(&help) + "\n" + std::string(help.summary) + ".\n\n" +
           std::string(help.details);
}

}  // namespace karvo::cli
