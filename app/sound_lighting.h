// SoundLighting: the main window's side of sound-reactive lighting. The lighting page's entry
// opens the dialog through it (after reading the mouse's DPI level for the colour command),
// WM_SOUND_LIGHT_DONE restores the normal lighting through it, and the shutdown path ends the
// dialog and its effect thread before the last reports go to the mouse.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "app/device_threads.h"
#include "device/device_link.h"
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/notifier.h"
#include "platform/peak_meter.h"
#include "settings/settings_model.h"
#include "ui/dialogs/sound_wave.h"
#include "ui/dialogs/sound_wave_host.h"

namespace karvo {

class SoundLighting {
  public:
    struct Parts {
        SoundWaveHost& host;
        MessageQueue& queue;
        Notifier& notifier;
        device::DeviceLink& link;
        SettingsModel& settings;
        Clock& clock;
        DeviceThreads& threads;  // the DPI level copy
        std::function<std::unique_ptr<PeakMeter>()> makeMeter;
        std::function<void(std::string_view)> say;
        // The dialog's files for the current language, asked at every opening.
        std::function<SoundWave::Skin()> skin;
    };

    explicit SoundLighting(Parts parts);

    // The lighting page's entry: reads the mouse's state block (8 bytes at address 24) and
    // keeps byte 0 & 7 as the DPI level copy, then opens or shows the dialog.
    void open();

    // WM_SOUND_LIGHT_DONE: reads the state block again and keeps its level, sends the stored
    // lighting (command 0x13), waits 2 ms, sends the colour of the DPI level that config.ini
    // holds (command 0x14) and makes the mouse apply it (refresh).
    void restoreLighting();

    // The program ends. Idempotent.
    void end();

    SoundWave& dialog() { return dialog_; }

  private:
    int levelIndex() const;
    void readLevelIndex();

    Parts parts_;
    SoundWave dialog_;
};

}  // namespace karvo
