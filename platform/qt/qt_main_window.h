// The main window on Qt: the skinned widget of the main window controller, its tray icon and
// the window operations the controller asks for.
#pragma once

#include <memory>

#include <QSystemTrayIcon>

#include "app/window_host.h"
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

    void invalidate() override;
    void minimise() override;
    void restore() override;
    void hide() override;
    void close() override;
    void startSystemMove() override;
    void addTrayIcon() override;
    void removeTrayIcon() override;
    void messageBox(std::string_view text) override;
    std::uintptr_t showSystemMenu(std::int32_t x, std::int32_t y,
                                  std::span<const SystemMenuEntry> entries) override;
    void showAbout() override;
    SkinRect frame() const override;
    bool hidden() const override;

  private:
    PictureCache& pictures_;
    const QtFonts& fonts_;
    QString title_;
    QSize size_;
    std::unique_ptr<SkinWidget> widget_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};

}  // namespace karvo::qt
