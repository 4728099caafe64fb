// The main window on Qt: the skinned widget of the main window controller, its tray icon and
// the window operations the controller asks for.
#pragma once

#include <memory>

#include <QSystemTrayIcon>

#include "app/window_host.h"
#include "platform/qt/qt_macro_page.h"
#include "platform/qt/skin_widget.h"

namespace karvo::qt {

class QtMainWindow final : public WindowHost {
  public:
    QtMainWindow(PictureCache& pictures, const QtFonts& fonts);
    // The controller comes after the window, as it needs the window as its host.
    void attach(SkinnedWindow& controller);
    SkinWidget* widget() { return widget_.get(); }
    void setTitle(const QString& title);
    void setFixedSize(QSize size);
    // Creates the macro page's child controls inside the window (after attach); hidden until
    // showMacroControls(true).
    void createMacroPage(MacroPageControls& controls, const MainSkin& skin);
    QtMacroPage* macroPage() { return macroPage_.get(); }
    void showMacroControls(bool visible);

    void invalidate() override;
    void minimise() override;
    void restore() override;
    void hide() override;
    void close() override;
    void startSystemMove() override;
    void addTrayIcon() override;
    void removeTrayIcon() override;
    void messageBox(std::string_view text) override;
    SkinRect frame() const override;
    bool hidden() const override;

  private:
    PictureCache& pictures_;
    const QtFonts& fonts_;
    QString title_;
    QSize size_;
    std::unique_ptr<SkinWidget> widget_;
    // After the widget, so it goes first: the child widgets belong to the window widget.
    std::unique_ptr<QtMacroPage> macroPage_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};

}  // namespace karvo::qt
