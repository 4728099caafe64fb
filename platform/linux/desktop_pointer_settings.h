// Which pointer-settings back-end a desktop session gets: GNOME's settings under GNOME, Plasma's
// under KDE, the libinput driver's properties on a plain X11 session, and nothing on Wayland
// without one of those desktops (its compositor keeps the pointer to itself), where the user is
// told once why the sliders do not reach the desktop.
#pragma once

#include <memory>
#include <string>

#include "platform/command_runner.h"
#include "platform/pointer_settings.h"

namespace karvo {

// The session as its environment describes it.
struct DesktopSession {
    std::string currentDesktop;  // $XDG_CURRENT_DESKTOP, e.g. "ubuntu:GNOME", "KDE"
    std::string sessionType;     // $XDG_SESSION_TYPE: "x11", "wayland", ...
    std::string display;         // $DISPLAY
    std::string waylandDisplay;  // $WAYLAND_DISPLAY
    int plasmaVersion = 5;       // $KDE_SESSION_VERSION

    static DesktopSession ofProcess();
    bool wayland() const;
};

enum class PointerBackend { None, Gnome, KdeX11, KdeWayland, X11Libinput, UnsupportedWayland };

// The choice for a session (pure: the tests' table). A desktop is named in XDG_CURRENT_DESKTOP's
// colon-separated list, case-insensitively.
PointerBackend pointerBackendFor(const DesktopSession& session);

// The notice for UnsupportedWayland (empty for every other back-end): one line, as the warning
// dialog shows it; the README says what to do.
std::string pointerBackendNotice(PointerBackend backend);

struct DesktopPointerSettings {
    PointerBackend backend = PointerBackend::None;
    std::unique_ptr<PointerSettings> settings;  // never null: a null back-end at worst
};

// Builds the session's back-end; `runner` outlives it.
DesktopPointerSettings openDesktopPointerSettings(const DesktopSession& session,
                                                  CommandRunner& runner);

}  // namespace karvo
