// The skin layout files of every window: their names, how many [BUTTONPOS] entries each holds
// and which of the two value readers reads it. Shared by the program, the picture generator
// and the data tests, so that all three agree on what a language folder must contain.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace karvo {

enum class LayoutFile {
    Main,
    Color,
    Advance,
    Mac,
    Warning,
    MacColor,
    Keyset,
    Shortcut,
    Sound,
    Gun
};

enum class LayoutReader {
    Window,  // splitLayoutValue: label,x,y,w,h,text
    Dialog,  // splitDialogValue: label,x,y,w,h,text,  (a comma closes the text)
};

struct LayoutFileInfo {
    LayoutFile id;
    std::string_view fileName;
    std::size_t entries;
    LayoutReader reader;
};

inline constexpr std::array<LayoutFileInfo, 10> kLayoutFiles = {{
    {LayoutFile::Main, "skin_main.ini", 80, LayoutReader::Window},
    {LayoutFile::Color, "skin_color.ini", 103, LayoutReader::Window},
    {LayoutFile::Advance, "skin_advance.ini", 138, LayoutReader::Window},
    {LayoutFile::Mac, "skin_mac.ini", 20, LayoutReader::Window},
    {LayoutFile::Warning, "LBWarning.ini", 8, LayoutReader::Window},
    {LayoutFile::MacColor, "mac_color.ini", 11, LayoutReader::Window},
    {LayoutFile::Keyset, "skin_keyset.ini", 4, LayoutReader::Dialog},
    {LayoutFile::Shortcut, "skin_shortcut.ini", 14, LayoutReader::Dialog},
    {LayoutFile::Sound, "skin_sound.ini", 50, LayoutReader::Dialog},
    // The gun dialog's entries are this program's own choice (layout_index.h, gun).
    {LayoutFile::Gun, "skin_gun.ini", 20, LayoutReader::Window},
}};

constexpr const LayoutFileInfo& layoutFileInfo(LayoutFile id) {
    for (const auto& info : kLayoutFiles) {
        if (info.id == id)
            return info;
    }
    return kLayoutFiles[0];  // unreachable: every id is in the table
}

// The main window reads these six, in this order, at start and on every language change.
inline constexpr std::array<LayoutFile, 6> kMainWindowFiles = {
    LayoutFile::Main, LayoutFile::Color,   LayoutFile::Advance,
    LayoutFile::Mac,  LayoutFile::Warning, LayoutFile::MacColor};

inline constexpr std::string_view kButtonSection = "BUTTONPOS";
inline constexpr std::string_view kEditSection = "EDIT";
inline constexpr std::string_view kMacroDisplaySection = "MACRODISPLAY";
inline constexpr std::string_view kFunctionSection = "FUN_STRING";

}  // namespace karvo
