// The sound-reactive lighting dialog on Qt: a modeless, frameless SkinWidget of its own with
// the dialog's timers. It forwards input and timers to the controller and decides nothing.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QTimer>

#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/skin_widget.h"
#include "ui/dialogs/sound_wave_host.h"

namespace karvo::qt {

class QtSoundWindow final : public SoundWaveHost {
  public:
    QtSoundWindow(PictureCache& pictures, const QtFonts& fonts);
    ~QtSoundWindow() override;
    // The controller comes after the window, as it needs the window as its host. `onTimer`
    // gets the id of every timer that fires.
    void attach(SkinnedWindow& controller, std::function<void(int)> onTimer);
    SkinWidget* widget() { return widget_.get(); }

    TextSize pictureSize(const std::string& picture) override;
    SkinRect desktop() const override;
    void show(const SkinRect& frame) override;
    void showAgain() override;
    void hide() override;
    void invalidate() override;
    void startSystemMove() override;
    void startTimer(int id, std::chrono::milliseconds period) override;
    void stopTimer(int id) override;
    void close() override;

  private:
    PictureCache& pictures_;
    const QtFonts& fonts_;
    std::function<void(int)> onTimer_;
    std::unique_ptr<SkinWidget> widget_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace karvo::qt
