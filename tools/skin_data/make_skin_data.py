#!/usr/bin/env python3
"""Writes the layout files and LanguageText.ini of every language folder under data/skins/.

The files are data the program reads; this script is how they are kept consistent: one
geometry (geometry.py) for all languages, English texts (texts_en.py), and per-language
overrides (lang_*.py). Run it after changing any of these and commit its output:

    python3 tools/skin_data/make_skin_data.py
"""

import importlib
import math
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import geometry  # noqa: E402
import texts_en  # noqa: E402

ROOT = HERE.parent.parent / "data" / "skins"

# Language index -> (folder, module with its texts or None, state recorded in LANGUAGES.md)
LANGUAGES = {
    0: ("0_INI_CN", "lang_zh_cn"), 1: ("1_INI_EN", None), 2: ("2_INI_FR", "lang_fr"),
    3: ("3_INI_BILI", "lang_bili"), 4: ("4_INI_DE", "lang_de"), 5: ("5_INI_SP", "lang_es"),
    6: ("6_INI_IT", "lang_it"), 7: ("7_INI_RU", "lang_ru"), 8: ("8_INI_TU", "lang_tr"),
    9: ("9_INI_PO", "lang_pt"), 10: ("10_INI_TH", "lang_th"), 11: ("11_INI_KR", "lang_ko"),
    12: ("12_INI_JP", "lang_ja"), 13: ("13_INI_AR", "lang_ar"), 14: ("14_INI_PL", "lang_pl"),
    15: ("15_INI_CZ", "lang_cs"), 16: ("16_INI_SE", "lang_sv"), 17: ("17_INI_NL", "lang_nl"),
    18: ("18_INI_POBR", "lang_pt_br"), 19: ("19_INI_CNTW", "lang_zh_tw"),
    20: ("20_INI_NLBE", "lang_nl_be"), 21: ("21_INI_DA", "lang_da"), 22: ("22_INI_SL", "lang_sl"),
    23: ("23_INI_FA", "lang_fa"), 24: ("24_INI_UA", "lang_uk"), 26: ("26_INI_HUN", "lang_hu"),
}

# The name each language calls itself, drawn into its row of the language menu.
NATIVE_NAMES = {
    0: "简体中文", 1: "English", 2: "Français", 3: "Belgique · België", 4: "Deutsch", 5: "Español",
    6: "Italiano", 7: "Русский", 8: "Türkçe", 9: "Português", 10: "ไทย", 11: "한국어",
    12: "日本語", 13: "العربية", 14: "Polski", 15: "Čeština", 16: "Svenska", 17: "Nederlands",
    18: "Português (Brasil)", 19: "繁體中文", 20: "Nederlands (België)", 21: "Dansk",
    22: "Slovenščina", 23: "فارسی", 24: "Українська", 26: "Magyar",
}

SECTIONS = ["LAYOUT", "FUNCTIONS", "SPECIAL_FUNCTIONS", "TIPS", "DEVMAC", "LED", "OTHER",
            "SHORTCUT"]


def load_texts(module_name):
    """English texts with the language's overrides laid over them, and the share translated."""
    texts = {name: _copy(getattr(texts_en, name)) for name in SECTIONS}
    if module_name is None:
        return texts, 1.0
    try:
        lang = importlib.import_module(module_name)
    except ModuleNotFoundError:
        return texts, 0.0
    total = translated = 0
    for name in SECTIONS:
        english = getattr(texts_en, name)
        override = getattr(lang, name, {})
        if name == "LAYOUT":
            for file, entries in english.items():
                for index, text in override.get(file, {}).items():
                    texts[name][file][index] = text
                for index, text in entries.items():
                    if not _neutral(text):
                        total += 1
                        translated += 1 if index in override.get(file, {}) else 0
        else:
            for key, text in override.items():
                texts[name][key] = text
            for key, text in english.items():
                if not _neutral(text) and not (name == "OTHER" and key == 21):
                    total += 1
                    translated += 1 if key in override else 0
    return texts, translated / total


def _neutral(text):
    """Texts that read the same in every language: numbers, units and key names."""
    return bool(re.fullmatch(r"[0-9 ]*(DPI [0-9]|[0-9]+ Hz|DPI|OK|Ctrl|Shift|Alt|Win|\?)?", text))


def _copy(value):
    return {k: (dict(v) if isinstance(v, dict) else v) for k, v in value.items()}


def check(text):
    if "," in text or "\n" in text:
        raise SystemExit(f"a text holds a comma or a line break: {text!r}")
    return text


# The program reads the special function names (30000 and up) with a 15-character buffer, so
# a longer name would lose its end.
SPECIAL_NAME_LIMIT = 14


def check_special(text):
    if len(text.encode("utf-16-le")) // 2 > SPECIAL_NAME_LIMIT:
        raise SystemExit(f"a special function name is longer than {SPECIAL_NAME_LIMIT} "
                         f"characters: {text!r}")
    return check(text)


def window_file(entries, captions, extra=""):
    lines = ["[BUTTONPOS]"]
    for index in sorted(entries):
        label, x, y, w, h, text = entries[index]
        text = captions.get(index, "") if text is None else text
        lines.append(f"{index}={label},{x},{y},{w},{h},{check(text)}")
    return "\n".join(lines) + "\n" + extra


def dialog_file(entries, captions):
    # The dialogs' reader needs a comma after the text, so every value ends with one.
    lines = ["[BUTTONPOS]"]
    for index in sorted(entries):
        label, x, y, w, h, text = entries[index]
        text = captions.get(index, "") if text is None else text
        lines.append(f"{index}={label},{x},{y},{w},{h},{check(text)},")
    return "\n".join(lines) + "\n"


def boxes(section, table, label):
    lines = [f"[{section}]"]
    for key in sorted(table):
        x, y, w, h = table[key]
        lines.append(f"{key}={label},{x},{y},{w},{h},")
    return "\n".join(lines) + "\n"


def fun_string(texts):
    lines = ["[FUN_STRING]"]
    for code in range(48):
        name = texts["FUNCTIONS"].get(code)
        if name is not None:
            lines.append(f"{code}={check(name)}")
    for code, name in sorted(texts["SPECIAL_FUNCTIONS"].items()):
        lines.append(f"{code}={check_special(name)}")
    return "\n".join(lines) + "\n"


def language_text(texts):
    def section(name, values, label):
        lines = [f"[{name}]"]
        for index in range(50):
            if index in values:
                lines.append(f"{index}={label}{index},{check(values[index])},")
        return lines

    mousekey = {k: v for k, v in texts["FUNCTIONS"].items() if k < 34}
    out = section("TipText", texts["TIPS"], "tip")
    out += section("UniqueName_MouseKey", mousekey, "key")
    out += ["fontFlag=", "font=", "fontName="]
    out += section("UniqueName_DevMac", texts["DEVMAC"], "menu")
    out += section("UniqueName_LED", texts["LED"], "led")
    out += section("UniqueName_Other", texts["OTHER"], "other")
    out += section("UniqueName_ShortCut", texts["SHORTCUT"], "key")
    return "\n".join(out) + "\n"


def write_language(folder, texts):
    d = ROOT / folder
    d.mkdir(parents=True, exist_ok=True)
    lay = texts["LAYOUT"]
    files = {
        "skin_main.ini": window_file(geometry.main_page(), lay["main"]) + fun_string(texts),
        "skin_advance.ini": window_file(geometry.advanced_page(), lay["advance"]),
        "skin_mac.ini": window_file(geometry.macro_page(), lay["mac"])
        + boxes("EDIT", geometry.MACRO_EDIT, "edit")
        + boxes("MACRODISPLAY", geometry.MACRO_DISPLAY, "list"),
        "skin_color.ini": window_file(geometry.lighting_page(), {20: lay["sound"][0], **lay["color"]}),
        "LBWarning.ini": window_file(geometry.warning(), lay["warning"]),
        "mac_color.ini": window_file(geometry.mac_color(), lay["mac_color"]),
        "skin_keyset.ini": dialog_file(geometry.keyset(), lay["keyset"]),
        "skin_shortcut.ini": dialog_file(geometry.shortcut(), lay["shortcut"]),
        "skin_sound.ini": dialog_file(geometry.sound(), lay["sound"]),
        "skin_gun.ini": window_file(geometry.gun(), lay["gun"]) + boxes("EDIT", geometry.GUN_EDIT, "edit"),
        "LanguageText.ini": language_text(texts),
    }
    for name, body in files.items():
        (d / name).write_text(body, encoding="utf-8", newline="\n")


def main():
    report = ["# Language folders", "",
              "Written by tools/skin_data/make_skin_data.py. Every folder holds every layout file",
              "and a complete LanguageText.ini; a text that is not translated is the English one.",
              "", "| Index | Folder | Language | Translated |", "|---|---|---|---|"]
    for index, (folder, module) in sorted(LANGUAGES.items()):
        texts, share = load_texts(module)
        texts["OTHER"][21] = NATIVE_NAMES[index]
        write_language(folder, texts)
        # Rounded down, so a folder with one English text left never reads as 100 %.
        state = "complete" if share >= 0.999 else ("English" if share == 0 else
                                                     f"{math.floor(share * 100)} %, rest English")
        report.append(f"| {index} | {folder} | {texts['OTHER'][21]} | {state} |")
    report += ["", "Index 25 has no folder: the program then reads these files from `skins/` itself,",
               "where no language files are shipped."]
    (ROOT / "LANGUAGES.md").write_text("\n".join(report) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
