"""English texts: the captions of the layout files and every text of LanguageText.ini.

The other languages override these keys; a key a language leaves out keeps the English text.
Texts never contain a comma, because a comma ends a piece of the value syntax.
"""

# Layout captions by file and entry (piece 5 of the value).
LAYOUT = {
    "main": {
        6: "Buttons", 7: "Performance", 8: "Macros", 9: "Lighting",
        10: "Profile 1", 11: "Profile 2", 12: "Profile 3", 13: "Profile 4",
        14: "Import", 15: "Export", 16: "Reset", 3: "Apply",
        60: "Scroll wheel", 31: "Standard", 32: "Alternate",
        62: "Lighting", 46: "Lighting effect",
        61: "DPI levels in the cycle",
        47: "DPI 1", 48: "DPI 2", 49: "DPI 3", 50: "DPI 4", 51: "DPI 5", 52: "DPI 6",
        63: "Click a button on the mouse to change what it does",
    },
    "advance": {
        100: "Sensitivity levels",
        60: "Level 1", 61: "Level 2", 62: "Level 3", 63: "Level 4", 64: "Level 5", 65: "Level 6",
        101: "DPI",
        102: "Pointer speed", 103: "Scroll speed", 104: "Fire key interval",
        105: "Polling rate", 34: "125 Hz", 35: "250 Hz", 36: "500 Hz", 37: "1000 Hz",
        106: "Custom colour",
    },
    "mac": {
        0: "Macro library", 1: "Steps", 2: "Record", 3: "Playback",
        4: "Start / stop recording", 5: "Insert a step",
        6: "Repeat while held", 7: "Repeat until pressed again", 8: "Repeat a set number of times",
        9: "Repeat count", 10: "Keys", 13: "Gun presets", 15: "Play on this PC",
    },
    "color": {
        80: "Mode", 17: "Effects", 19: "Lights off", 81: "Effect", 35: "Choose an effect",
        82: "Colours", 83: "Brightness", 84: "Speed", 85: "Direction",
        47: "Left", 48: "Right", 49: "Outward", 50: "Inward", 45: "Mirror the effect",
        86: "Reaction lighting",
        51: "Button 1", 52: "Button 2", 53: "Button 3", 54: "Button 4",
        55: "Button 5", 56: "Button 6", 57: "Button 7", 58: "Button 8",
    },
    "warning": {},
    "mac_color": {7: "OK", 8: "Cancel", 9: "Key colours", 10: "Click a colour to change it"},
    "keyset": {0: "Press the new key", 1: "OK", 2: "Cancel"},
    "shortcut": {10: "Key combination", 11: "Modifier keys", 12: "Key", 13: "Press a key on the keyboard",
                 4: "Clear", 3: "Cancel", 2: "Confirm"},
    "sound": {0: "Sound-reactive lighting", 1: "Effect", 2: "Pulse", 3: "Colour flow", 4: "Beat",
              5: "Effect on", 10: "Save"},
    "gun": {12: "Gun presets", 9: "Shots per press", 10: "Interval (ms)", 11: "Recoil compensation (1-99)",
            2: "Repeat count", 3: "While held", 8: "Choose a weapon", 5: "Cancel", 4: "OK"},
}

# [FUN_STRING] of skin_main.ini: function names by code, and the special functions.
FUNCTIONS = {
    0: "Disable", 1: "Left click", 2: "Right click", 3: "Middle click", 4: "Back", 5: "Forward",
    6: "DPI cycle", 7: "More functions", 8: "Multimedia", 9: "Macro", 10: "Key combination",
    11: "Profiles", 12: "Fire key", 13: "Double click", 14: "Triple click", 15: "DPI shift",
    16: "DPI up", 17: "DPI down", 18: "Handled by this PC", 19: "Cycle profiles",
    20: "Next profile",
    21: "Previous profile", 22: "First profile", 23: "Play / pause", 24: "Stop",
    25: "Previous track", 26: "Next track", 27: "Volume up", 28: "Volume down", 29: "Mute",
    30: "Media player", 31: "Mail", 32: "Calculator", 33: "Key combination",
}
SPECIAL_FUNCTIONS = {30000: "Lighting cycle", 30001: "Lights on/off", 30002: "Polling rate"}

TIPS = {
    1: "Please connect the mouse and start the program again. Mouse not found:",
    2: "The mouse is being reset to its factory settings. Please wait.",
    3: "The factory settings have been restored.",
    4: "A settings or skin file is missing. Please reinstall the program.",
    5: "A file could not be copied or loaded.",
    6: "This cannot be done: it would exceed a limit or leave no button with the left click.",
    7: "Create a macro group first.",
    8: "This settings file belongs to another product.",
    9: "Stop the recording first.",
    12: "Select a macro group first.",
    16: "The lights are switched off. Turn them on in the lighting page first.",
    21: "The limit has been reached: no more steps or macros can be added.",
    23: "A macro group with this name already exists.",
    29: "The macros do not fit into the memory of the mouse. Shorten or remove some macros.",
    30: "No more than twelve macro groups can be created.",
}

DEVMAC = {
    0: "New group", 1: "New macro", 2: "Delete group", 3: "Reset all groups", 4: "Rename group",
    5: "Import group", 6: "Export group", 7: "Group properties", 8: "Import macro",
    9: "Rename macro", 10: "Delete macro", 11: "Export macro", 12: "Import macro",
    13: "Change", 14: "Delete",
    20: "Left button", 21: "Middle button", 22: "Right button",
    23: "Insert before", 24: "Insert after", 25: "Insert cursor move", 26: "Insert DPI change",
    27: "Insert lighting", 28: "Insert delay", 29: "Delete step",
    34: "Show", 35: "Exit", 36: "Group", 37: "Macro",
    38: "Left button down", 39: "Left button up", 40: "Right button down", 41: "Right button up",
    42: "Middle button down", 43: "Middle button up",
    44: "Left and up", 45: "Left and down", 46: "Right and up", 47: "Right and down",
    48: "Set DPI", 49: "Reset DPI",
}

LED = {
    0: "Spectrum", 1: "Colour cycle", 2: "Static", 3: "Wave", 4: "Ripple", 5: "Flow",
    6: "Breathing", 7: "Marquee", 8: "Flash", 9: "Random", 10: "Scan", 11: "Neon",
    12: "Reactive", 13: "Keep current",
    14: "Off", 15: "Flash", 16: "Fade", 17: "Glow",
    18: "Static", 19: "Breathing", 20: "Flash", 21: "Spectrum", 22: "Wave", 23: "Fade",
    24: "Pulse", 25: "Strobe", 26: "Glow", 27: "Scan", 28: "Random",
    29: "Brightness 1", 30: "Brightness 2", 31: "Brightness 3", 32: "Brightness 4",
    33: "Brightness 5", 34: "Brightness 6", 35: "Brightness 7", 36: "Brightness 8",
    37: "Slowest", 38: "Slow", 39: "Medium", 40: "Quick", 41: "Fast", 42: "Fastest",
}

OTHER = {
    1: "Disabled", 11: "[Reset DPI]", 12: " ms", 13: "[Lighting] ", 14: "?", 17: "[Delay]",
    20: "Macro", 21: "English",
    # The more menu's rows and its autostart state.
    30: "Start with the session", 31: "About", 32: "Write everything to the mouse", 33: "on",
    34: "off",
    # What screen readers call the window's symbol entries and colour wells.
    35: "Minimise", 36: "Close", 37: "Minimise to the tray", 38: "Language", 39: "More",
    40: "Web page", 41: "Colour", 42: "In the colour cycle",
}

SHORTCUT = {0: "Ctrl", 1: "Shift", 2: "Alt", 3: "Win", 4: "No modifier keys", 5: "Press a key"}
