"""Where every control of every skinned window lies, in picture pixels (layout scale 1).

One geometry serves all languages, because the pictures are shared: a language folder differs
only in its texts. Entry numbers follow ui/skin/layout_index.h; the data tests check that every
entry listed there has a rectangle inside its picture.
"""

CANVAS = (1100, 700)  # main_mask.jpg, and every page picture


def header():
    """Entries 0-19 of skin_main.ini: title bar, page tabs, profiles and actions."""
    e = {}
    e[5] = ("logo", 24, 10, 220, 36, "")
    for i in range(4):  # page tabs
        e[6 + i] = ("tab", 300 + i * 128, 0, 124, 56, None)
    icons = [4, 17, 2, 0, 1]  # language, more, tray, minimise, close
    for n, idx in enumerate(icons):
        e[idx] = ("icon", 900 + n * 38, 12, 32, 32, "")
    for i in range(4):  # profiles
        e[10 + i] = ("profile", 24 + i * 112, 66, 108, 34, None)
    e[14] = ("import", 632, 66, 108, 34, None)
    e[15] = ("export", 748, 66, 108, 34, None)
    e[16] = ("reset", 864, 66, 100, 34, None)
    e[3] = ("apply", 972, 66, 104, 34, None)
    e[19] = ("web", 1040, 670, 36, 24, "https://www.example.com/karvo-g7-pro")
    return e


# The mouse drawing of the main page: button n's hotspot and its callout label.
MOUSE_CENTER_X = 550
HOTSPOTS = [  # buttons 1-8 (slots 0-7)
    (452, 146, 82, 128),   # 1 left
    (566, 146, 82, 128),   # 2 right
    (536, 166, 28, 58),    # 3 wheel
    (424, 318, 22, 52),    # 4 back (side)
    (424, 378, 22, 52),    # 5 forward (side)
    (538, 232, 24, 20),    # 6 DPI up
    (538, 256, 24, 20),    # 7 DPI down
    (538, 300, 24, 24),    # 8 profile
]
LABELS = [  # callouts: left column for 1, 7, 4, 5; right column for 2, 3, 6, 8
    (96, 168, 236, 44),    # 1
    (768, 168, 236, 44),   # 2
    (768, 236, 236, 44),   # 3
    (96, 316, 236, 44),    # 4
    (96, 384, 236, 44),    # 5
    (768, 304, 236, 44),   # 6
    (96, 236, 236, 44),    # 7
    (768, 372, 236, 44),   # 8
]


def main_page():
    e = header()
    for n, r in enumerate(HOTSPOTS):
        e[20 + n] = ("hotspot",) + r + ("",)
    for n, r in enumerate(LABELS):
        e[35 + n] = ("label",) + r + ("",)
    # Bottom bar: wheel mode, lighting shortcut, DPI level chips.
    e[60] = ("caption", 40, 588, 220, 22, None)
    e[31] = ("wheel0", 40, 614, 110, 32, None)
    e[32] = ("wheel1", 154, 614, 110, 32, None)
    e[62] = ("caption", 300, 588, 180, 22, None)
    e[46] = ("lightmode", 300, 614, 180, 32, None)
    e[61] = ("caption", 540, 588, 300, 22, None)
    for k in range(6):
        e[47 + k] = ("dpi", 540 + k * 88, 614, 80, 32, None)
    e[63] = ("hint", 300, 128, 500, 22, None)
    return e


def advanced_page():
    e = {}
    e[100] = ("caption", 44, 124, 400, 28, None)
    for k in range(6):
        y = 164 + k * 54
        e[47 + k] = ("toggle", 48, y + 11, 24, 24, "")
        e[60 + k] = ("level", 88, y, 380, 46, None)
        e[77 + k] = ("swatch", 488, y + 9, 60, 28, "")
    e[101] = ("caption", 44, 500, 120, 40, None)
    e[66] = ("slider", 172, 500, 303, 38, "")
    e[67] = ("value", 488, 504, 124, 30, "")
    e[102] = ("caption", 684, 124, 260, 26, None)
    e[1] = ("slider", 684, 162, 360, 12, "")
    e[103] = ("caption", 684, 196, 260, 26, None)
    e[18] = ("slider", 684, 234, 360, 12, "")
    e[104] = ("caption", 684, 268, 260, 26, None)
    e[31] = ("slider", 684, 306, 360, 12, "")
    e[105] = ("caption", 684, 352, 260, 26, None)
    for i in range(4):
        e[34 + i] = ("rate", 684 + i * 92, 386, 86, 36, None)
        e[38 + i] = ("lamp", 684 + i * 92 + 8, 400, 8, 8, "")
    e[106] = ("caption", 684, 452, 260, 26, None)
    e[83] = ("swatch", 684, 488, 60, 28, "")
    return e


def macro_page():
    e = {}
    e[0] = ("caption", 40, 124, 260, 26, None)
    e[1] = ("caption", 356, 124, 260, 26, None)
    e[2] = ("caption", 740, 124, 300, 26, None)
    e[4] = ("record", 740, 158, 320, 44, None)
    e[5] = ("insert", 740, 212, 320, 36, None)
    e[3] = ("caption", 740, 268, 300, 26, None)
    for i in range(3):
        e[6 + i] = ("mode", 740, 300 + i * 42, 320, 36, None)
    e[9] = ("caption", 740, 432, 150, 30, None)
    e[10] = ("caption", 740, 476, 300, 26, None)
    e[13] = ("gun", 740, 612, 156, 36, None)
    e[15] = ("soft", 904, 612, 156, 36, None)
    return e


MACRO_EDIT = {0: (900, 432, 160, 30), 1: (356, 158, 344, 32), 2: (356, 612, 344, 36)}
MACRO_DISPLAY = {1: (40, 158, 296, 490), 2: (356, 198, 344, 404), 3: (740, 506, 320, 96)}


def lighting_page():
    e = {}
    e[80] = ("caption", 40, 124, 100, 34, None)
    e[17] = ("modeon", 144, 124, 136, 34, None)
    e[19] = ("modeoff", 284, 124, 136, 34, None)
    e[81] = ("caption", 40, 170, 100, 34, None)
    e[35] = ("effect", 144, 170, 276, 34, None)
    e[71] = ("area", 440, 116, 244, 96, "")
    e[75] = ("area", 24, 222, 676, 118, "")
    e[82] = ("caption", 40, 230, 200, 24, None)
    e[14] = ("lamp", 664, 236, 12, 12, "")
    for i in range(7):
        e[0 + i] = ("swatch", 44 + i * 92, 264, 72, 34, "")
        e[7 + i] = ("check", 70 + i * 92, 308, 20, 20, "")
    e[72] = ("area", 24, 348, 676, 58, "")
    e[83] = ("caption", 40, 356, 150, 40, None)
    e[40] = ("slider", 220, 370, 440, 12, "")
    e[73] = ("area", 24, 414, 676, 58, "")
    e[84] = ("caption", 40, 422, 150, 40, None)
    e[41] = ("slider", 220, 436, 440, 12, "")
    e[74] = ("area", 24, 480, 676, 112, "")
    e[85] = ("caption", 40, 488, 150, 36, None)
    for i in range(4):
        e[47 + i] = ("dir", 220 + i * 112, 488, 104, 36, None)
    e[45] = ("mirror", 220, 540, 216, 34, None)
    # Opens the sound-reactive lighting dialog; its caption is the dialog's title.
    e[20] = ("sound", 220, 608, 440, 36, None)
    e[78] = ("offarea", 24, 222, 676, 370, "")
    e[86] = ("caption", 736, 124, 320, 26, None)
    for n in range(8):
        y = 162 + n * 50
        e[51 + n] = ("react", 736, y, 240, 40, None)
        e[61 + n] = ("reactmenu", 984, y, 76, 40, "")
    return e


def warning():
    return {2: ("message", 24, 52, 392, 76, ""),
            0: ("ok", 212, 148, 100, 36, ""),
            1: ("cancel", 320, 148, 100, 36, "")}


WARNING_SIZE = (440, 204)
KEYSET_SIZE = (360, 200)
SHORTCUT_SIZE = (480, 330)
SOUND_SIZE = (520, 340)
GUN_SIZE = (560, 380)


def keyset():
    return {0: ("title", 20, 16, 320, 28, None),
            3: ("key", 40, 60, 280, 52, ""),
            1: ("ok", 88, 138, 124, 38, None),
            2: ("cancel", 220, 138, 100, 38, None)}


def shortcut():
    e = {10: ("title", 20, 14, 380, 30, None),
         5: ("close", 436, 14, 28, 28, ""),
         11: ("caption", 28, 58, 200, 24, None),
         0: ("modifiers", 28, 86, 424, 40, ""),
         12: ("caption", 28, 140, 200, 24, None),
         1: ("key", 28, 168, 424, 40, "")}
    for i, name in enumerate(["Ctrl", "Shift", "Alt", "Win"]):
        e[6 + i] = (name, 28 + i * 108, 222, 100, 34, name)
    e[13] = ("hint", 28, 262, 424, 20, None)
    e[4] = ("clear", 28, 284, 100, 34, None)
    e[3] = ("cancel", 244, 284, 100, 34, None)
    e[2] = ("confirm", 352, 284, 100, 34, None)
    return e


def sound():
    e = {0: ("title", 24, 16, 400, 30, None),
         1: ("caption", 24, 60, 200, 24, None)}
    for i in range(3):
        e[2 + i] = ("mode", 24 + i * 160, 88, 152, 36, None)
    e[5] = ("caption", 24, 286, 120, 36, None)
    e[9] = ("switch", 150, 290, 56, 28, "")
    e[10] = ("save", 396, 286, 100, 36, None)
    for i in range(36):
        e[13 + i] = ("bar", 30 + i * 13, 144, 9, 124, "")
    return e


def gun():
    return {12: ("title", 24, 16, 440, 30, None),
            6: ("close", 516, 16, 28, 28, ""),
            0: ("picture", 24, 60, 256, 128, ""),
            1: ("name", 24, 196, 256, 28, ""),
            9: ("caption", 304, 64, 232, 22, None),
            10: ("caption", 304, 132, 232, 22, None),
            11: ("caption", 304, 200, 232, 22, None),
            2: ("modecount", 24, 266, 124, 34, None),
            3: ("modeheld", 156, 266, 124, 34, None),
            8: ("menu", 304, 266, 232, 34, None),
            5: ("cancel", 328, 322, 100, 36, None),
            4: ("ok", 436, 322, 100, 36, None)}


GUN_EDIT = {0: (304, 90, 232, 30), 1: (304, 158, 232, 30), 2: (304, 226, 232, 30)}


def mac_color():
    """Read with the main window's files but used by no window; kept as a colour row."""
    e = {}
    for i in range(7):
        e[i] = ("colour", 20 + i * 44, 20, 36, 28, "")
    e[7] = ("ok", 20, 60, 90, 30, None)
    e[8] = ("cancel", 118, 60, 90, 30, None)
    e[9] = ("title", 20, 100, 300, 24, None)
    e[10] = ("hint", 20, 128, 300, 24, None)
    return e
