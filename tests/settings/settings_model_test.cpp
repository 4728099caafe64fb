// The model's derived colours and its lock: readers on other threads see whole changes only.
#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace karvo {
namespace {

TEST(ScreenColour, ShowsEachLevelAs255Minus16TimesItWrapping) {
    const std::pair<ColourLevels, std::uint32_t> cases[] = {
        {{0, 0, 0}, 0xFFFFFF},   {{15, 15, 15}, 0x0F0F0F}, {{16, 16, 16}, 0xFFFFFF},
        {{0, 15, 15}, 0x0F0FFF}, {{15, 0, 15}, 0x0FFF0F},  {{15, 15, 0}, 0xFF0F0F},
        {{-1, 1, 17}, 0xEFEF0F},  // a negative level wraps the other way
    };
    for (const auto& [levels, colour] : cases) {
        EXPECT_EQ(screenColour(levels), colour) << levels.r << ',' << levels.g << ',' << levels.b;
    }
}

TEST(SettingsModel, ReadersNeverSeeHalfAChange) {
    SettingsModel model;
    model.edit([](Settings& s) { s.shared.fireTime = 0; });  // matches the functions' 0
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (std::int32_t i = 1; i <= 2000; ++i) {
            model.edit([i](Settings& s) {
                for (auto& p : s.profiles)
                    p.buttons[0].function = i;
                s.shared.fireTime = i;
            });
        }
        stop = true;
    });
    int torn = 0;
    while (!stop) {
        const Settings s = model.snapshot();
        for (const auto& p : s.profiles)
            torn += p.buttons[0].function != s.shared.fireTime;
    }
    writer.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(model.read([](const Settings& s) { return s.shared.fireTime; }), 2000);
}

}  // namespace
}  // namespace karvo
