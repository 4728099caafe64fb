// The shipped English skin of the build, loaded at a chosen layout scale, with the page
// pictures named after their files, for tests of the painters and the main window.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/settings_model.h"
#include "ui/skin/main_skin.h"
#include "ui/skin/page_view.h"

namespace karvo::testing {

inline std::filesystem::path builtSkinFolder() {
    return std::filesystem::path(KARVO_DATA_OUT_DIR);
}

struct ShippedSkin {
    explicit ShippedSkin(int scale = 1) {
        RecordingNotifier notifier;
        const auto folder = builtSkinFolder() / "1_INI_EN";
        EXPECT_EQ(skin.load(folder, scale, "Disabled", notifier), MainSkin::Load::Loaded);
        pictures = PagePictures::in(builtSkinFolder(), folder);
        settings.shared.dpiLevel = 0;
        for (auto& b : settings.profiles[0].buttons)
            b.function = 1;
    }
    PageView view(Page page) const {
        PageView v{skin,    pictures, settings, page,  8,           NO_ITEM,
                   NO_ITEM, NO_ITEM,  NO_ITEM,  false, std::nullopt};
        return v;
    }
    // An entry's rectangle in picture pixels.
    SkinRect at(const SkinLayout& table, int index) const {
        return toPicture(table.rect(index), skin.scale());
    }

    MainSkin skin;
    PagePictures pictures;
    Settings settings;
};

}  // namespace karvo::testing
