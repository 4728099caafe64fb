// Driving the sound-reactive lighting dialog in tests: the shipped English layout in a test's
// own language folder, presses on its entries, and waits for the effect thread's reports.
#pragma once

#include <chrono>
#include <filesystem>
#include <thread>

#include "device/sim/emulated_mouse.h"
#include "temp_dir.h"
#include "ui/dialogs/sound_wave.h"
#include "ui/skin/dialog_layout.h"

namespace karvo::testing {

// The shipped English skin_sound.ini.
inline SkinLayout shippedSoundLayout() {
    RecordingNotifier ignored;
    return DialogLayout::load(std::filesystem::path(KARVO_SOURCE_DATA_DIR) / "skins/1_INI_EN",
                              LayoutFile::Sound, 1, ignored)
        ->layout();
}

// Copies the shipped skin_sound.ini into <dir>/lang and names the dialog's files there, with
// config.ini holding `config`.
inline SoundWave::Skin soundSkinIn(const TempDir& dir, std::string_view config) {
    std::filesystem::create_directories(dir / "lang");
    std::filesystem::copy_file(
        std::filesystem::path(KARVO_SOURCE_DATA_DIR) / "skins/1_INI_EN/skin_sound.ini",
        dir / "lang/skin_sound.ini", std::filesystem::copy_options::overwrite_existing);
    dir.write("config.ini", config);
    return {dir / "lang",
            {"sound_mask.jpg", "sound_normal.jpg", "sound_over.jpg", "sound_down.jpg"},
            dir / "config.ini",
            1};
}

// A move to the centre of an entry, a press and a release there.
inline void pressEntry(SoundWave& dlg, const SkinLayout& layout, int entry) {
    const SkinRect r = layout.rect(entry);
    const std::int32_t x = r.x + r.width / 2;
    const std::int32_t y = r.y + r.height / 2;
    dlg.onMouseMove(x, y);
    dlg.onLeftDown(x, y);
    dlg.onLeftUp(x, y);
}

// Waits (real time, up to five seconds) until the mouse has received `count` live commands,
// of `code` only when it is not 0.
inline bool commandsArrive(const sim::EmulatedMouse& mouse, std::size_t count,
                           std::uint8_t code = 0) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        std::size_t n = 0;
        for (const auto& c : mouse.liveCommands())
            n += code == 0 || c.code == code ? 1 : 0;
        if (n >= count)
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace karvo::testing
