// The main window on Qt: the skinned widget of the main window controller, its tray icon and
// the window operations the controller asks for.
#pragma once

#include <memory>
#include <vector>

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include "app/window_host.h"
#include "platform/message_queue.h"
#include "platform/qt/qt_macro_page.h"
#include "platform/qt/skin_widget.h"

namespace karvo::qt {

class QtMainWindow final : public QObject, public WindowHost {
  public:
    // Tray clicks and menu commands, and a close asked by the window manager, reach the
    // controller as messages through `queue`.
    QtMainWindow(PictureCache& pictures, const QtFonts& fonts, MessageQueue& queue);
    ~QtMainWindow() override;
    // The controller comes after the window, as it needs the window as its host.
    void attach(SkinnedWindow& controller);
    SkinWidget* widget() { return widget_.get(); }
    void setTitle(const QString& title);
    // The window's size in window pixels. With fitting on, a window larger than its screen's
    // free area is shown scaled down to fit it.
    void setFixedSize(QSize size);
    void setFitToScreen(bool fit);
    void setIcon(const QIcon& icon);
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
    bool trayIconShown() const override;
    void setTrayMenu(std::vector<TrayMenuItem> items) override;
    void messageBox(std::string_view text) override;
    std::uintptr_t showSystemMenu(std::int32_t x, std::int32_t y,
                                  std::span<const SystemMenuEntry> entries) override;
    void showAbout() override;
    SkinRect frame() const override;
    SkinRect onScreen(const SkinRect& r) const override;
    bool hidden() const override;
    SkinRect workArea() const override;
    void openUrl(std::string_view url) override;
    std::optional<std::pair<std::int32_t, std::int32_t>> cursor() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildTrayMenu();
    // The fit for the size on the widget's screen, applied to the widget and its children.
    void applyFit();

    PictureCache& pictures_;
    const QtFonts& fonts_;
    MessageQueue& queue_;
    QString title_;
    QSize size_;
    bool fitToScreen_ = false;
    ViewFit fit_;
    QIcon icon_;
    std::vector<TrayMenuItem> trayItems_;
    bool ending_ = false;
    std::unique_ptr<SkinWidget> widget_;
    std::unique_ptr<QMenu> trayMenu_;
    // After the widget, so it goes first: the child widgets belong to the window widget.
    std::unique_ptr<QtMacroPage> macroPage_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};

}  // namespace karvo::qt
