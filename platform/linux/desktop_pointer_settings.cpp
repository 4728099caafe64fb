// The choice of the pointer-settings back-end; see desktop_pointer_settings.h.
#include "platform/linux/desktop_pointer_settings.h"

#include <cstdlib>
#include <string_view>

#include "platform/linux/gnome_pointer_settings.h"
#include "platform/linux/kde_pointer_settings.h"
#include "platform/linux/settings_text.h"
#include "platform/linux/x11_pointer_settings.h"
#include "platform/null_pointer_settings.h"

namespace karvo {
namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool names(std::string_view list, std::string_view desktop) {
    while (true) {
        const std::size_t colon = list.find(':');
        if (sameLetters(list.substr(0, colon), desktop))
            return true;
        if (colon == std::string_view::npos)
            return false;
        list.remove_prefix(colon + 1);
    }
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

DesktopSession DesktopSession::ofProcess() {
    DesktopSession s;
    s.currentDesktop = env("XDG_CURRENT_DESKTOP");
    s.sessionType = env("XDG_SESSION_TYPE");
    s.display = env("DISPLAY");
    s.waylandDisplay = env("WAYLAND_DISPLAY");
    if (const auto v = settings_text::parseInt(env("KDE_SESSION_VERSION")))
        s.plasmaVersion = *v;
    return s;
}

bool DesktopSession::wayland() const {
    return !waylandDisplay.empty() || sameLetters(sessionType, "wayland");
}

PointerBackend pointerBackendFor(const DesktopSession& s) {
    if (names(s.currentDesktop, "GNOME"))
        return PointerBackend::Gnome;
    if (names(s.currentDesktop, "KDE"))
        return s.wayland() ? PointerBackend::KdeWayland : PointerBackend::KdeX11;
    // The X server of a Wayland session (Xwayland) has no libinput devices to set.
    if (s.wayland())
        return PointerBackend::UnsupportedWayland;
    if (!s.display.empty())
        return PointerBackend::X11Libinput;
    return PointerBackend::None;
}

std::string pointerBackendNotice(PointerBackend backend) {
    if (backend != PointerBackend::UnsupportedWayland)
        return {};
    return "This Wayland desktop keeps pointer and wheel speed to itself.";
}

DesktopPointerSettings openDesktopPointerSettings(const DesktopSession& session,
                                                  CommandRunner& runner) {
    DesktopPointerSettings d;
    d.backend = pointerBackendFor(session);
    switch (d.backend) {
        case PointerBackend::Gnome:
            d.settings = std::make_unique<GnomePointerSettings>(runner);
            break;
        case PointerBackend::KdeX11:
            d.settings = std::make_unique<KdePointerSettings>(
                runner, session.plasmaVersion, X11PointerSettings::open(session.display));
            break;
        case PointerBackend::KdeWayland:
            d.settings = std::make_unique<KdePointerSettings>(
                runner, session.plasmaVersion, std::make_unique<KwinPointerSettings>(runner));
            break;
        case PointerBackend::X11Libinput:
            d.settings = X11PointerSettings::open(session.display);
            break;
        case PointerBackend::None:
        case PointerBackend::UnsupportedWayland:
            break;
    }
    if (!d.settings)
        d.settings = std::make_unique<NullPointerSettings>();
    return d;
}

}  // namespace karvo
