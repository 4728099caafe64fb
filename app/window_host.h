// What the main window controller asks of the platform window that shows it. Each call is a
// plain execution; the decisions stay in the controller.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/skin/skin_layout.h"

namespace karvo {

// An entry of the tray icon's menu: the command it posts (WM_COMMAND) and its caption.
struct TrayMenuItem {
    std::uintptr_t command = 0;
    std::string text;
    bool operator==(const TrayMenuItem&) const = default;
};

// One entry of the window's system menu: its text and the WM_SYSCOMMAND id it sends. An entry
// with command 0 is a separator.
struct SystemMenuEntry {
    std::string text;
    std::uintptr_t command = 0;
};

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void invalidate() = 0;  // repaint the whole window soon (window thread)
    virtual void minimise() = 0;
    virtual void restore() = 0;
    virtual void hide() = 0;             // off screen, the program keeps running in the tray
    virtual void close() = 0;            // end the main window; the program then ends
    virtual void startSystemMove() = 0;  // let the system drag the window with the mouse
    virtual void addTrayIcon() = 0;
    virtual void removeTrayIcon() = 0;
    // Whether the tray icon is on screen: false on a desktop without a system tray, where a
    // hidden window could never be brought back.
    virtual bool trayIconShown() const { return true; }
    // The tray icon's menu; choosing an entry posts WM_COMMAND with its command. A double
    // click on the icon posts WM_TRAY_NOTIFY (kTrayIconId, WM_LBUTTONDBLCLK).
    virtual void setTrayMenu(std::vector<TrayMenuItem> items) = 0;
    virtual void messageBox(std::string_view text) = 0;
    // Shows the system menu with `entries` at (x, y) in window pixels until the user chooses;
    // returns the chosen entry's command, or 0 when the menu was dismissed.
    virtual std::uintptr_t showSystemMenu(std::int32_t x, std::int32_t y,
                                          std::span<const SystemMenuEntry> entries) = 0;
    // The program's name, what it is for and its version, in a box of its own.
    virtual void showAbout() = 0;
    // The window's frame on screen, and whether it is hidden in the tray.
    virtual SkinRect frame() const = 0;
    virtual bool hidden() const = 0;
    // A rectangle of the window (window pixels) on the screen. A window shown smaller than
    // its layout (a screen too small for it) scales it; else it is the frame's offset.
    virtual SkinRect onScreen(const SkinRect& r) const {
        const SkinRect f = frame();
        return {f.x + r.x, f.y + r.y, r.width, r.height};
    }
    // The screen area windows may cover (without panels and docks), in screen pixels; menus
    // are kept inside it. An empty rectangle: unknown, nothing is kept inside.
    virtual SkinRect workArea() const { return {}; }
    // Opens a web address with the desktop's handler.
    virtual void openUrl(std::string_view url) { (void)url; }
    // Where the pointer is now, in window pixels (it may lie outside the window); nothing when
    // the platform cannot tell.
    virtual std::optional<std::pair<std::int32_t, std::int32_t>> cursor() const {
        return std::nullopt;
    }
};

}  // namespace karvo
