// The picture files of the main window's pages.
#include "ui/skin/page_view.h"

namespace karvo {

namespace {
ImageStateSet pageSet(const std::filesystem::path& folder, const std::string& stem) {
    return {(folder / "main_mask.jpg").string(), (folder / (stem + "_normal.jpg")).string(),
            (folder / (stem + "_over.jpg")).string(), (folder / (stem + "_down.jpg")).string()};
}
}  // namespace

PagePictures PagePictures::in(const std::filesystem::path& skinFolder,
                              const std::filesystem::path& languageFolder) {
    PagePictures p;
    p.main = pageSet(skinFolder, "main");
    p.advanced = pageSet(skinFolder, "advanced");
    p.macro = pageSet(skinFolder, "mac");
    p.lighting = pageSet(skinFolder, "led");
    p.knob = (skinFolder / "moveRect.png").string();
    p.ledNull = (skinFolder / "led_null.jpg").string();
    p.lightsOff = (skinFolder / "new_down.jpg").string();
    p.macroBadge = (languageFolder / "zhi.png").string();
    return p;
}

const ImageStateSet& PagePictures::of(Page page) const {
    switch (page) {
        case Page::Advanced:
            return advanced;
        case Page::Macro:
            return macro;
        case Page::Lighting:
            return lighting;
        case Page::Main:
            break;
    }
    return main;
}

}  // namespace karvo
