// The start-up services on Qt: screen metrics, fonts, picture sizes and the main window's
// shape; HID access, device notifications and pointer settings are handed in by the program,
// which chooses between the real mouse and the emulated one.
#pragma once

#include "app/startup_platform.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_main_window.h"

namespace karvo::qt {

class QtStartupPlatform final : public StartupPlatform {
  public:
    QtStartupPlatform(QtMainWindow& window, QtFonts& fonts, PictureCache& pictures,
                      hid::HidBackend& hid, hid::DeviceNotifier* notifier, PointerSettings& pointer,
                      MacroPageControls* macroControls = nullptr)
        : window_(window),
          fonts_(fonts),
          pictures_(pictures),
          hid_(hid),
          notifier_(notifier),
          pointer_(pointer),
          macroControls_(macroControls) {}

    TextSize screenSize() override;
    int logicalDpi() override;
    bool applyFonts(const FontChoice& choice, const std::filesystem::path& skinFolder) override;
    void setWindowTitle(const std::string& title) override;
    void setWindowIcon(const std::string& picture) override;
    TextSize pictureSize(const std::string& picture) override;
    void shapeWindow(TextSize size) override;
    void createChildControls(const MainSkin& skin) override;
    hid::HidBackend& hidBackend() override { return hid_; }
    hid::DeviceNotifier* deviceNotifier() override { return notifier_; }
    PointerSettings& pointerSettings() override { return pointer_; }

  private:
    QtMainWindow& window_;
    QtFonts& fonts_;
    PictureCache& pictures_;
    hid::HidBackend& hid_;
    hid::DeviceNotifier* notifier_;
    PointerSettings& pointer_;
    MacroPageControls* macroControls_;
};

}  // namespace karvo::qt
