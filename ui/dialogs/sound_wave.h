// SoundWave: the sound-reactive lighting dialog. Modeless and skinned, it samples the peak of
// the default output every 96 ms, keeps the level history and shows it as 36 bars, sets the
// beat flag on its two beat timers, and owns the effect thread that turns the level into
// lighting commands. "Save" stores the choice and only hides the dialog: sampling and effect
// go on until the program ends. The main window opens it (the first opening creates it) and
// restores the normal lighting when it gets WM_SOUND_LIGHT_DONE.
//
// [ShareData] keys of config.ini, read at the first opening and written by "save":
//   SoundWaveMode  2, 3 or 4      SoundSpeaker, SoundMicroph, SoundBright2  kept as read
//   WaveShowStatu  1 on, 0 off
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "device/device_link.h"
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/notifier.h"
#include "platform/peak_meter.h"
#include "ui/dialogs/sound_effect.h"
#include "ui/dialogs/sound_effect_thread.h"
#include "ui/dialogs/sound_level.h"
#include "ui/dialogs/sound_wave_host.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/keyboard_focus.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

class SoundWave final : public SkinnedWindow {
  public:
    // Timer ids: 1 samples, 2 and 3 set the beat (modes 3/4 and mode 2), 4 ends a switch-off.
    static constexpr int kSampleTimer = 1;
    static constexpr int kBeatTimer = 2;
    static constexpr int kPulseBeatTimer = 3;
    static constexpr int kDoneTimer = 4;
    static constexpr std::chrono::milliseconds kSamplePeriod{96};
    static constexpr std::chrono::milliseconds kBeatPeriod{480};
    // After a switch-off, the pause before the main window is told to restore its lighting.
    static constexpr std::chrono::milliseconds kDoneDelay{250};
    static constexpr std::chrono::milliseconds kDoneRecheck{20};
    // Entries hit-tested: 0 to 11, so the bars (13 to 48) are never hot.
    static constexpr int kLastHitEntry = 11;

    struct Parts {
        SoundWaveHost& host;
        MessageQueue& queue;  // WM_SOUND_LIGHT_DONE to the main window
        Notifier& notifier;   // a missing layout, an unwritable configuration file
        device::DeviceLink& link;
        Clock& clock;  // the effect's pauses
        // Made at the first opening; null (or a meter that hears nothing) leaves the level 0.
        std::function<std::unique_ptr<PeakMeter>()> makeMeter;
        // The copy of the mouse's DPI level the colour command names (see SoundEffect).
        std::function<int()> levelIndex;
        // One-line diagnostics that are no notice for the user (thread priority).
        std::function<void(std::string_view)> say;
    };

    struct Skin {
        std::filesystem::path languageFolder;  // skin_sound.ini
        ImageStateSet pictures;                // sound_mask/normal/over/down.jpg
        std::filesystem::path configFile;      // config.ini
        int scale = 1;
    };

    explicit SoundWave(Parts parts);
    ~SoundWave() override;  // end()

    // The first opening reads the layout, starts the timers, makes the peak meter, starts the
    // effect thread and reads the [ShareData] keys, then shows the dialog centred on the
    // desktop. Later openings read the layout again (the language may have changed) and show
    // the same dialog where it was. A missing layout file is told through the notifier and
    // nothing opens (false); the effect, if it runs, goes on.
    bool open(const Skin& skin);

    // A timer of the host, on the window thread.
    void onTimer(int id);

    // The program ends: the effect thread stops (it sends nothing more), the timers stop and
    // the window closes. Idempotent.
    void end();

    // SkinnedWindow: window pixels. The dialog acts on press.
    bool onMouseMove(std::int32_t x, std::int32_t y) override;
    bool onLeftDown(std::int32_t x, std::int32_t y) override;
    bool onLeftUp(std::int32_t x, std::int32_t y) override;
    // Its entries for screen readers, from its control table.
    std::vector<AccessibleEntry> accessibleEntries() const override;
    // Tab, Enter and Space over its entries; Escape hides the dialog (the effect goes on, as
    // when it is hidden otherwise).
    bool onKey(NavigationKey key) override;
    int focusedEntry() const override { return focus_.focused(); }
    bool onMouseLeave(bool) override { return false; }
    void paint(Canvas& canvas) override;

    bool created() const { return created_; }
    int mode() const { return state_.mode(); }
    bool effectOn() const { return state_.on(); }
    int hot() const { return tracker_.hot(); }
    const sound::LevelHistory& levels() const { return levels_; }
    const sound::EffectState& effect() const { return state_; }
    sound::EffectState& effect() { return state_; }

  private:
    void firstOpening();
    void readSettings();
    void save();
    void switchOnOff();
    void sample();
    void paintBars(Canvas& canvas) const;

    Parts parts_;
    Skin skin_;
    std::optional<DialogLayout> layout_;
    KeyboardFocus focus_;
    ImageStateWindow tracker_;
    sound::LevelHistory levels_;
    sound::EffectState state_;
    // The kept keys, written back as they were read.
    int speaker_ = 0;
    int microph_ = 0;
    int bright2_ = 0;
    bool created_ = false;
    bool doneWaiting_ = false;
    bool ended_ = false;
    std::unique_ptr<PeakMeter> meter_;
    std::unique_ptr<sound::SoundEffectThread> thread_;  // last: stopped before the rest goes
};

}  // namespace karvo
