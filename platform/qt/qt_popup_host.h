// The pop-up menus on Qt: one frameless Qt::Popup window per level (menu, sub-menu, macro
// choice). While a pop-up is open it receives the mouse wherever the pointer is (under X11 a
// pointer grab), so the host sends each event to the level under the pointer, and a press
// outside every level, Escape, or the desktop closing a pop-up is a cancel.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QPoint>
#include <QWidget>

#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "ui/dialogs/popup_host.h"

namespace karvo::qt {

class PopupWidget;

class QtPopupHost final : public PopupHost {
  public:
    QtPopupHost(PictureCache& pictures, const QtFonts& fonts);
    ~QtPopupHost() override;

    TextSize pictureSize(const std::string& picture) override;
    SkinRect workArea() override;
    void show(PopupLevel level, SkinnedWindow& window, const SkinRect& frame) override;
    void hide(PopupLevel level) override;
    void repaint(PopupLevel level) override;
    void setCancelHandler(std::function<void()> handler) override;
    void setKeyHandler(std::function<void(NavigationKey)> handler) override;

    // The window of a level (null before its first pop-up); for tests and screenshots.
    QWidget* widget(PopupLevel level);

    // From the pop-up windows: a mouse event at a screen point, and a cancel.
    enum class Mouse { Move, Press, Release };
    void route(Mouse what, QPoint global, bool leftButton);
    void cancelled();
    void key(NavigationKey key);
    // While a pop-up is open it has the mouse; a move outside every level goes here (screen
    // pixels), so the window below can follow the pointer.
    void setOutsideMove(std::function<void(QPoint global)> handler) {
        outsideMove_ = std::move(handler);
    }

  private:
    PictureCache& pictures_;
    const QtFonts& fonts_;
    std::array<std::unique_ptr<PopupWidget>, kPopupLevels> widgets_;
    std::function<void()> cancel_;
    std::function<void(NavigationKey)> key_;
    std::function<void(QPoint)> outsideMove_;
};

}  // namespace karvo::qt
