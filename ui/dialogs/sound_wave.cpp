// The sound-reactive lighting dialog: opening, sampling, the beat timers, its three kinds of
// entry and its paint; see sound_wave.h.
#include "ui/dialogs/sound_wave.h"

#include <algorithm>
#include <string>

#include "app/window_messages.h"
#include "platform/private_profile.h"
#include "ui/skin/layout_access.h"
#include "ui/skin/layout_index.h"

namespace karvo {

namespace {
namespace sw = skin::sound;

constexpr std::string_view kShareData = "ShareData";
constexpr std::string_view kModeKey = "SoundWaveMode";
constexpr std::string_view kSpeakerKey = "SoundSpeaker";
constexpr std::string_view kMicrophKey = "SoundMicroph";
constexpr std::string_view kBright2Key = "SoundBright2";
constexpr std::string_view kOnKey = "WaveShowStatu";
constexpr std::size_t kNumberBuffer = 5;  // the keys are read into 5 characters

constexpr int kLastTextEntry = sw::kSave;  // entries 0 to 10 carry texts
constexpr int kBarValueCap = 99;
constexpr std::int32_t kThinBar = 2;

bool isModeEntry(int entry) {
    return entry >= sw::kModeFirst && entry < sw::kModeFirst + 3;
}

}  // namespace

SoundWave::SoundWave(Parts parts) : parts_(std::move(parts)) {}

SoundWave::~SoundWave() {
    end();
}

bool SoundWave::open(const Skin& skin) {
    focus_.clear();
    if (ended_)
        return false;
    auto layout =
        DialogLayout::load(skin.languageFolder, LayoutFile::Sound, skin.scale, parts_.notifier);
    if (!layout)
        return false;
    skin_ = skin;
    skin_.scale = std::max(skin.scale, 1);
    layout_ = std::move(layout);
    if (created_) {
        parts_.host.showAgain();
        return true;
    }
    firstOpening();
    // Centred on the desktop the first time; afterwards it stays where the user put it.
    const TextSize base = parts_.host.pictureSize(skin_.pictures.mask);
    const SkinRect d = parts_.host.desktop();
    const TextSize size{base.width * skin_.scale, base.height * skin_.scale};
    parts_.host.show({d.x + (d.width - size.width) / 2, d.y + (d.height - size.height) / 2,
                      size.width, size.height});
    return true;
}

void SoundWave::firstOpening() {
    created_ = true;
    parts_.host.startTimer(kSampleTimer, kSamplePeriod);
    parts_.host.startTimer(kBeatTimer, kBeatPeriod);
    parts_.host.startTimer(kPulseBeatTimer, kBeatPeriod);
    if (parts_.makeMeter)
        meter_ = parts_.makeMeter();
    thread_ = std::make_unique<sound::SoundEffectThread>(
        sound::SoundEffect::Parts{parts_.link, parts_.clock, state_, parts_.levelIndex},
        parts_.say);
    thread_->start();
    readSettings();
}

void SoundWave::readSettings() {
    const ini::IniSnapshot file(skin_.configFile);
    const int mode = file.getInt(kShareData, kModeKey, kNumberBuffer);
    // A file without the key (or with a mode this program does not know) starts with the
    // first mode, so switching the effect on always shows something.
    state_.setMode(mode >= sound::kFirstMode && mode <= sound::kLastMode ? mode
                                                                         : sound::kFirstMode);
    speaker_ = file.getInt(kShareData, kSpeakerKey, kNumberBuffer);
    microph_ = file.getInt(kShareData, kMicrophKey, kNumberBuffer);
    bright2_ = file.getInt(kShareData, kBright2Key, kNumberBuffer);
    state_.setOn(file.getInt(kShareData, kOnKey, kNumberBuffer) != 0);
}

void SoundWave::save() {
    // One replacement of the file as it is on disk now: the window or karvoctl may have
    // written other keys since the dialog read its own.
    ini::IniTransaction t(skin_.configFile);
    bool ok = t.set(kShareData, kModeKey, std::to_string(state_.mode()));
    ok = t.set(kShareData, kSpeakerKey, std::to_string(speaker_)) && ok;
    ok = t.set(kShareData, kMicrophKey, std::to_string(microph_)) && ok;
    ok = t.set(kShareData, kBright2Key, std::to_string(bright2_)) && ok;
    ok = t.set(kShareData, kOnKey, state_.on() ? "1" : "0") && ok;
    if (!ok || !t.commit()) {
        parts_.notifier.message(skin_.configFile.filename().string() +
                                ": the sound-reactive lighting settings could not be saved.");
    }
}

void SoundWave::switchOnOff() {
    if (state_.on()) {
        state_.setOn(false);
        // The main window restores the normal lighting once the effect has had time to end
        // its step (the step itself sends the effect-9 report in mode 2).
        doneWaiting_ = true;
        parts_.host.startTimer(kDoneTimer, kDoneDelay);
    } else {
        // Back on before the restore went out: the effect takes the lights again, so there is
        // nothing to restore.
        doneWaiting_ = false;
        parts_.host.stopTimer(kDoneTimer);
        state_.setOn(true);
    }
}

void SoundWave::sample() {
    const float peak = meter_ ? meter_->takePeak() : 0.0f;
    levels_.add(sound::sampleOfPeak(peak));
    state_.setLevel(levels_.level(), levels_.newest());
    parts_.host.invalidate();
}

void SoundWave::onTimer(int id) {
    switch (id) {
        case kSampleTimer:
            sample();
            break;
        case kBeatTimer:
            if (state_.mode() == 3 || state_.mode() == 4)
                state_.setBeat();
            break;
        case kPulseBeatTimer:
            if (state_.mode() == 2)
                state_.setBeat();
            break;
        case kDoneTimer:
            if (!doneWaiting_) {
                parts_.host.stopTimer(kDoneTimer);
            } else if (state_.stepping()) {
                // A step is still sending; the restore must come after its last report.
                parts_.host.startTimer(kDoneTimer, kDoneRecheck);
            } else {
                doneWaiting_ = false;
                parts_.host.stopTimer(kDoneTimer);
                parts_.queue.post({msg::WM_SOUND_LIGHT_DONE, 1, 0});
            }
            break;
        default:
            break;
    }
}

void SoundWave::end() {
    if (ended_)
        return;
    ended_ = true;
    if (thread_)
        thread_->stop();
    if (created_) {
        for (const int id : {kSampleTimer, kBeatTimer, kPulseBeatTimer, kDoneTimer})
            parts_.host.stopTimer(id);
        parts_.host.close();
    }
    meter_.reset();
}

bool SoundWave::onMouseMove(std::int32_t x, std::int32_t y) {
    if (!layout_)
        return false;
    return tracker_.moveTo(layout_->layout(), x, y, kLastHitEntry);
}

bool SoundWave::onLeftDown(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    const int entry = tracker_.hot();
    if (entry == NO_ITEM) {
        parts_.host.startSystemMove();
        return false;
    }
    tracker_.press();
    if (isModeEntry(entry)) {
        state_.setMode(entry);
    } else if (entry == sw::kOnOff) {
        switchOnOff();
    } else if (entry == sw::kSave) {
        save();
        tracker_.release();
        parts_.host.hide();
    }
    return true;
}

bool SoundWave::onLeftUp(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    const bool was = tracker_.pressed();
    tracker_.release();
    return was;
}

void SoundWave::paintBars(Canvas& canvas) const {
    const SkinLayout& layout = layout_->layout();
    const std::string& down = skin_.pictures.down;
    const bool moving = levels_.newest() > 1 && levels_.level() > 0 && state_.on();
    for (int i = 0; i < sw::kBars; ++i) {
        const SkinRect r = toPicture(layout.rect(sw::kBarFirst + i), skin_.scale);
        if (r.empty())
            continue;
        if (moving) {
            const int value =
                std::min(levels_.history()[static_cast<std::size_t>(i)], kBarValueCap);
            const std::int32_t h = r.height * value / 100;
            canvas.copyRect(down, {r.x, r.y + (r.height - h) / 2, r.width, h});
        } else {
            canvas.copyRect(down, {r.x, r.y + r.height / 2 - kThinBar / 2, r.width, kThinBar});
        }
    }
}

void SoundWave::paint(Canvas& canvas) {
    canvas.begin(skin_.pictures.normal);
    if (!layout_) {
        canvas.finish(skin_.scale);
        return;
    }
    const SkinLayout& layout = layout_->layout();
    const ImageStateSet& p = skin_.pictures;
    const int s = skin_.scale;
    const int hot = tracker_.hot();
    const int mode = state_.mode();
    // The hot mode or save entry: pressed from the down picture, else from the over picture;
    // the current mode keeps its down look under the cursor.
    if ((isModeEntry(hot) && hot != mode) || hot == sw::kSave) {
        ImageStateWindow::copyEntry(canvas, tracker_.pressed() ? p.down : p.over, layout, hot, s);
    }
    if (isModeEntry(mode))
        ImageStateWindow::copyEntry(canvas, p.down, layout, mode, s);
    ImageStateWindow::copyEntry(canvas, state_.on() ? p.down : p.over, layout, sw::kOnOff, s);
    paintBars(canvas);
    for (int i = 0; i <= kLastTextEntry; ++i) {
        const std::string& text = layout.text(i);
        if (!text.empty())
            drawCentredText(canvas, text, toPicture(layout.rect(i), s), FontRole::Body, kWhite);
    }
    focus_.paint(canvas, accessibleEntries(), s);
    canvas.finish(s);
}

bool SoundWave::onKey(NavigationKey key) {
    if (key == NavigationKey::Escape) {
        parts_.host.hide();
        return false;
    }
    bool repaint = false;
    focus_.handle(*this, accessibleEntries(), key, repaint);
    return repaint;
}

std::vector<AccessibleEntry> SoundWave::accessibleEntries() const {
    return layout_ ? layoutEntries(LayoutFile::Sound, layout_->layout())
                   : std::vector<AccessibleEntry>{};
}

}  // namespace karvo
