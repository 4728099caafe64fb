// The operating-system services start-up uses, beyond the window itself: the screen, fonts,
// pictures, HID access and device notifications. The Qt back-end implements them for the
// program; the start-up test has a fake that records the order of the calls.
#pragma once

#include <filesystem>
#include <string>

#include "app/font_choice.h"
#include "platform/device_notifier.h"
#include "platform/hid_backend.h"
#include "platform/pointer_settings.h"
#include "ui/skin/canvas.h"
#include "ui/skin/main_skin.h"

namespace karvo {

class StartupPlatform {
  public:
    virtual ~StartupPlatform() = default;
    // The primary screen in the units the window is laid out in (logical pixels), so the
    // layout scale never doubles what the system scales already.
    virtual TextSize screenSize() = 0;
    virtual int logicalDpi() = 0;
    // Registers and creates the fonts the choice names; false when a font file or an embedded
    // font could not be registered.
    virtual bool applyFonts(const FontChoice& choice, const std::filesystem::path& skinFolder) = 0;
    virtual void setWindowTitle(const std::string& title) = 0;
    // The window's and the tray's icon, from a picture file; a missing one leaves the
    // system's default.
    virtual void setWindowIcon(const std::string& picture) = 0;
    virtual TextSize pictureSize(const std::string& picture) = 0;
    // Sizes the main window (window pixels) and gives it that rectangle as its outline.
    virtual void shapeWindow(TextSize size) = 0;
    // Creates the main window's child controls (the macro page's list and edit boxes) at the
    // skin's rectangles, hidden until their page is shown.
    virtual void createChildControls(const MainSkin& skin) = 0;
    virtual hid::HidBackend& hidBackend() = 0;
    // Null when the system announces no devices.
    virtual hid::DeviceNotifier* deviceNotifier() = 0;
    virtual PointerSettings& pointerSettings() = 0;
};

}  // namespace karvo
