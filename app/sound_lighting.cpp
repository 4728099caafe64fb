// The opener and the restore of sound-reactive lighting; see sound_lighting.h.
#include "app/sound_lighting.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "device/stored_lighting.h"
#include "platform/private_profile.h"

namespace karvo {

namespace {
constexpr std::uint16_t kStateBlock = 24;
constexpr std::chrono::milliseconds kPauseBeforeColour{2};
constexpr std::size_t kNumberBuffer = 5;
}  // namespace

SoundLighting::SoundLighting(Parts parts)
    : parts_(std::move(parts)),
      dialog_({parts_.host, parts_.queue, parts_.notifier, parts_.link, parts_.clock,
               parts_.makeMeter, [this] { return levelIndex(); }, parts_.say}) {}

int SoundLighting::levelIndex() const {
    const int copy = parts_.threads.dpiLevelCopy();
    if (copy >= 0)
        return copy;
    // Neither the mouse nor a DPI key has said yet: the level the settings hold.
    return parts_.settings.read([](const Settings& s) { return s.shared.dpiLevel; });
}

void SoundLighting::readLevelIndex() {
    std::array<std::uint8_t, 8> block{};
    if (parts_.link.hasFeatureHandle() && parts_.link.readBlock(kStateBlock, block))
        parts_.threads.setDpiLevelCopy(block[0] & 7);
}

void SoundLighting::open() {
    readLevelIndex();
    if (parts_.skin)
        dialog_.open(parts_.skin());
}

void SoundLighting::restoreLighting() {
    readLevelIndex();
    const Settings settings = parts_.settings.snapshot();
    parts_.link.sendLighting(device::storedLighting(settings.shared));
    parts_.clock.sleepFor(kPauseBeforeColour);
    // The level the mouse was last told (apply, or a DPI key), as the file has it; the
    // settings in memory may hold a choice not applied yet, and are left as they are.
    int level = std::clamp(settings.shared.dpiLevel, 0, kDpiLevels - 1);
    if (parts_.skin) {
        const std::string text =
            ini::readString(parts_.skin().configFile, "ShareData", "DPI_LEVEL", "", kNumberBuffer);
        const int stored = ini::toInt(text);
        if (!text.empty() && stored >= 0 && stored < kDpiLevels)
            level = stored;
    }
    const ColourLevels& c = settings.shared.dpi[static_cast<std::size_t>(level)].colour;
    parts_.link.sendDpiColour(level, c.r, c.g, c.b);
    parts_.link.sendRefresh();
}

void SoundLighting::end() {
    dialog_.end();
}

}  // namespace karvo
