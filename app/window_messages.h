// The numeric ids of the messages the main window receives: the system's own, those of the
// program's windows (their values are the interface between them), and the few this port adds
// for its worker threads. The back-end forwards every one of them to the window controller.
#pragma once

#include <cstdint>

namespace karvo::msg {

// System messages and their arguments.
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_KEYUP = 0x0101;
inline constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr std::uint32_t WM_POWERBROADCAST = 0x0218;
inline constexpr std::uintptr_t PBT_APMRESUMEAUTOMATIC = 0x0012;
inline constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr std::uint32_t WM_COMMAND = 0x0111;
inline constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
inline constexpr std::uintptr_t SC_MINIMIZE = 0xF020;
inline constexpr std::uintptr_t SC_CLOSE = 0xF060;
inline constexpr std::uintptr_t SC_RESTORE = 0xF120;
inline constexpr std::uintptr_t HTCAPTION = 2;
inline constexpr std::intptr_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr std::intptr_t WM_RBUTTONUP = 0x0205;
// The About entry the window adds to its system menu; a command id of its own, below the
// system's SC_ range.
inline constexpr std::uintptr_t IDM_ABOUTBOX = 0x0010;

// Between the program's windows.
inline constexpr std::uint32_t WM_TRAY_NOTIFY = 0x0401;  // wparam kTrayIconId, lparam the mouse
inline constexpr std::uint32_t WM_GUN_DIALOG_DONE = 0x040A;
inline constexpr std::uint32_t WM_SOUND_LIGHT_DONE = 0x040C;
inline constexpr std::uint32_t WM_MENU_CLOSED = 0x07E9;
inline constexpr std::uint32_t WM_MENU_PICK = 0x07EA;
inline constexpr std::uint32_t WM_MACRO_GROUP_FILE = 0x07EB;
inline constexpr std::uint32_t WM_KEY_CAPTURED = 0x07F5;
inline constexpr std::uint32_t WM_FONTS_CHANGED = 0x07F7;
inline constexpr std::uint32_t WM_COMBINATION_SET = 0x07F8;
inline constexpr std::uint32_t WM_MACRO_GROUP_SHOW_1 = 0x83ED;
inline constexpr std::uint32_t WM_MACRO_GROUP_SHOW_2 = 0x83EE;
inline constexpr std::uint32_t WM_MACRO_GROUP_SHOW_3 = 0x83EF;
inline constexpr std::uint32_t WM_REPAINT = 0x83F0;
inline constexpr std::uint32_t WM_EDIT_COMBINATION = 0x83F4;
inline constexpr std::uint32_t WM_EXIT_PROGRAM = 0x83F5;
inline constexpr std::uint32_t WM_MACRO_ROW_SELECT = 0x2B11;

// The tray icon and the commands of its menu (WM_COMMAND wparam).
inline constexpr std::uintptr_t kTrayIconId = 153;
inline constexpr std::uintptr_t ID_TRAY_EXIT = 32800;
inline constexpr std::uintptr_t ID_TRAY_SHOW = 32801;

// This port's own, above the design's range: a worker's download progress (wparam blocks
// written, lparam blocks in all), its end (wparam the result), and notices raised on another
// thread, which the warning dialog shows once the window thread gets here.
inline constexpr std::uint32_t WM_DOWNLOAD_PROGRESS = 0x8410;
inline constexpr std::uint32_t WM_DOWNLOAD_DONE = 0x8411;
inline constexpr std::uint32_t WM_SHOW_NOTICES = 0x8412;

// The cursor point of WM_NCLBUTTONDOWN: y in the high 16 bits, x in the low 16 bits.
constexpr std::intptr_t packPoint(std::int32_t x, std::int32_t y) {
    return static_cast<std::intptr_t>(((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16) |
                                      (static_cast<std::uint32_t>(x) & 0xFFFFu));
}

}  // namespace karvo::msg
