// The main window controller: input rules of the header, the page tabs, the profile tabs and
// the sliders, the message table this window handles so far, and the paint sequence.
#include "app/ckarvo_gmousedlg.h"

#include <algorithm>

#include "app/window_access.h"
#include "app/window_messages.h"
#include "device/downloader.h"
#include "services/language_text_index.h"
#include "settings/combination.h"
#include "ui/skin/advanced_page_painter.h"
#include "ui/skin/header_painter.h"
#include "ui/skin/layout_index.h"
#include "ui/skin/lighting_page_painter.h"
#include "ui/skin/macro_page_painter.h"
#include "ui/skin/main_page_painter.h"
#include "ui/skin/page_text_painter.h"
#include "ui/skin/slider_math.h"

namespace karvo {

namespace {
namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace li = skin::lighting;

// Last entry hit-tested in each table. The header is entries 0-19 of the main table; on the
// other pages the rest of that table is not on screen.
constexpr int kMainLast = 79;
constexpr int kLightingLast = 70;
constexpr int kAdvancedLast = 137;
constexpr int kMacroLast = 19;

constexpr ColourRef kProgressColour = 0xE0A000;  // a light blue, as COLORREF
constexpr ColourRef kDoneColour = 0x50C850;      // green: the last write reached the mouse
// Downloader::Result values as the done message carries them.
constexpr std::uintptr_t kResultComplete = 0;
constexpr std::uintptr_t kResultTransportFailed = 2;
constexpr std::uintptr_t kResultOtherProgram = 4;
static_assert(kResultTransportFailed ==
                  static_cast<std::uintptr_t>(device::Downloader::Result::TransportFailed) &&
              kResultOtherProgram ==
                  static_cast<std::uintptr_t>(device::Downloader::Result::OtherProgram));
}  // namespace

std::vector<TrayMenuItem> trayMenuItems(const LanguageTextTable& texts) {
    return {{msg::ID_TRAY_SHOW, texts.text(TextSection::DevMac, text::devmac::kTrayShow)},
            {msg::ID_TRAY_EXIT, texts.text(TextSection::DevMac, text::devmac::kTrayExit)}};
}

CKarvo_GMouseDlg::CKarvo_GMouseDlg(Parts parts, PagePictures pictures, int keyNum)
    : parts_(parts), pictures_(std::move(pictures)), keyNum_(std::clamp(keyNum, 0, kButtonSlots)) {}

void CKarvo_GMouseDlg::setPictures(PagePictures pictures, int keyNum) {
    pictures_ = std::move(pictures);
    keyNum_ = std::clamp(keyNum, 0, kButtonSlots);
}

ImageStateWindow& CKarvo_GMouseDlg::tracker(LayoutFile table) {
    switch (table) {
        case LayoutFile::Advance:
            return advanced_;
        case LayoutFile::Mac:
            return macro_;
        case LayoutFile::Color:
            return lighting_;
        default:
            return main_;
    }
}

int CKarvo_GMouseDlg::hot(LayoutFile table) const {
    return const_cast<CKarvo_GMouseDlg*>(this)->tracker(table).hot();
}

int CKarvo_GMouseDlg::pageHot() const {
    switch (page_) {
        case Page::Advanced:
            return advanced_.hot();
        case Page::Macro:
            return macro_.hot();
        case Page::Lighting:
            return lighting_.hot();
        case Page::Main:
            break;
    }
    return main_.hot();
}

void CKarvo_GMouseDlg::showPage(Page page) {
    if (page == page_)
        return;
    page_ = page;
    // The header's entries stay focused across pages; the old page's are gone.
    if (focus_.focused() >= 0 && (window_access::tableOf(focus_.focused()) != LayoutFile::Main ||
                                  window_access::entryOf(focus_.focused()) >= mw::kHeaderCount))
        focus_.clear();
    mainShown_ = page == Page::Main;
    lightingShown_ = page == Page::Lighting;
    drag_ = Drag::None;
    if (menuOpen_) {
        menus_->close();
        menuOpen_ = false;
        openMenuKind_ = -1;
    }
    parts_.host.invalidate();
    if (onPageChanged_)
        onPageChanged_(page);
}

const PaintRegion* CKarvo_GMouseDlg::paintRegion() const {
    // Only the macro page has child controls; the other pages paint the whole window.
    return page_ == Page::Macro ? parts_.macroRegion : nullptr;
}

bool CKarvo_GMouseDlg::onMouseMove(std::int32_t x, std::int32_t y) {
    if (drag_ != Drag::None) {
        dragTo(x);
        return true;
    }
    const MainSkin& skin = parts_.skin;
    bool changed =
        main_.moveTo(skin.main(), x, y, page_ == Page::Main ? kMainLast : mw::kHeaderCount - 1);
    changed |= lighting_.moveTo(skin.lighting(), x, y, kLightingLast);
    changed |= advanced_.moveTo(skin.advanced(), x, y, kAdvancedLast);
    changed |= macro_.moveTo(skin.macro(), x, y, kMacroLast);
    // A lighting pop-up stays open only while the pointer is on the entries that open one.
    if (menuOpen_ && openMenuTable_ == LayoutFile::Color && page_ == Page::Lighting) {
        const int h = lighting_.hot();
        const bool onOpener = h == li::kBrightness || h == li::kSpeed ||
                              (h >= li::kReactionMenuFirst && h < li::kReactionMenuFirst + keyNum_);
        if (!onOpener) {
            menus_->close();
            menuOpen_ = false;
            openMenuKind_ = -1;
            changed = true;
        }
    }
    return changed;
}

bool CKarvo_GMouseDlg::overBackground() const {
    const int onPage = page_ == Page::Main ? main_.hot() : pageHot();
    return main_.hot() == NO_ITEM && onPage == NO_ITEM;
}

bool CKarvo_GMouseDlg::onLeftDown(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    const int header = main_.hot() < mw::kHeaderCount ? main_.hot() : NO_ITEM;
    const int onPage = page_ == Page::Main ? main_.hot() : pageHot();
    if (overBackground()) {
        // The background: the system moves the window, as a title bar would.
        parts_.queue.post({msg::WM_NCLBUTTONDOWN, msg::HTCAPTION, msg::packPoint(x, y)});
        return false;
    }
    pressed_ = true;
    if (header != NO_ITEM) {
        actOnHeaderDown(header);
        return true;
    }
    const SharedSettings s = parts_.settings.read([](const Settings& all) { return all.shared; });
    switch (page_) {
        case Page::Main:
            actOnMainPage(onPage);
            break;
        case Page::Advanced:
            actOnAdvancedPage(onPage);
            break;
        case Page::Lighting:
            actOnLightingPage(onPage, s);
            break;
        case Page::Macro:
            actOnMacroPage(onPage);
            break;
    }
    if (drag_ != Drag::None)
        dragTo(x);
    return true;
}

bool CKarvo_GMouseDlg::onLeftUp(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    const bool wasPressed = pressed_;
    pressed_ = false;
    drag_ = Drag::None;
    const int entry = main_.hot();
    if (wasPressed && entry != NO_ITEM && entry < mw::kHeaderCount)
        actOnHeaderUp(entry);
    return wasPressed;
}

bool CKarvo_GMouseDlg::onRightUp(std::int32_t x, std::int32_t y) {
    const bool changed = onMouseMove(x, y);
    // The background stands in for the title bar this frameless window does not have.
    if (drag_ == Drag::None && overBackground())
        openSystemMenu(x, y);
    return changed;
}

bool CKarvo_GMouseDlg::onSystemMenuKey(std::int32_t x, std::int32_t y) {
    openSystemMenu(x, y);
    return false;
}

void CKarvo_GMouseDlg::openSystemMenu(std::int32_t x, std::int32_t y) {
    const SystemMenuEntry entries[] = {
        {"Restore", msg::SC_RESTORE}, {"Minimise", msg::SC_MINIMIZE},
        {"Close", msg::SC_CLOSE},     {"", 0},
        {"About", msg::IDM_ABOUTBOX},
    };
    // The choice comes back as the system command it names, like any other, in its turn.
    if (const std::uintptr_t command = parts_.host.showSystemMenu(x, y, entries); command != 0)
        parts_.queue.post({msg::WM_SYSCOMMAND, command, 0});
}

bool CKarvo_GMouseDlg::onMouseLeave(bool leftButtonHeld) {
    if (drag_ == Drag::None || leftButtonHeld)
        return false;
    drag_ = Drag::None;
    return true;
}

bool CKarvo_GMouseDlg::refusedWhileRecording(int entry) {
    if (entry == mw::kMinimise || entry == mw::kClose || !macroEditor_->recording())
        return false;
    tip(text::tip::kRecording);
    return true;
}

void CKarvo_GMouseDlg::actOnHeaderDown(int entry) {
    const bool actsAtDown = entry == mw::kLanguage || entry == mw::kMore ||
                            (entry >= mw::kTabFirst && entry < mw::kTabFirst + mw::kTabCount);
    if (!actsAtDown || refusedWhileRecording(entry))
        return;
    if (entry >= mw::kTabFirst && entry < mw::kTabFirst + mw::kTabCount) {
        const Page page = static_cast<Page>(entry - mw::kTabFirst);
        showPage(page);
        if (page == Page::Main)
            actions_->startBlink();
        else if (page == Page::Lighting)
            actions_->startLightingAnimation();
    } else if (entry == mw::kLanguage) {
        openMenu(menu_kind::kLanguage, LayoutFile::Main, entry, -1);
    } else if (entry == mw::kMore) {
        openMenu(menu_kind::kMore, LayoutFile::Main, entry, -1, false, moreMenuTexts());
    }
}

void CKarvo_GMouseDlg::actOnHeaderUp(int entry) {
    const bool actedAtDown = entry == mw::kLanguage || entry == mw::kMore ||
                             (entry >= mw::kTabFirst && entry < mw::kTabFirst + mw::kTabCount);
    if (actedAtDown || refusedWhileRecording(entry))
        return;
    if (entry == mw::kMinimise || entry == mw::kMinimiseToTray) {
        parts_.queue.post({msg::WM_SYSCOMMAND, msg::SC_MINIMIZE, 0});
    } else if (entry == mw::kClose) {
        parts_.host.hide();
        shutdown();
    } else if (entry == mw::kApply) {
        startApply(false);
    } else if (entry >= mw::kProfileFirst && entry < mw::kProfileFirst + mw::kProfileCount) {
        parts_.settings.edit([&](Settings& s) { s.currentProfile = entry - mw::kProfileFirst; });
        parts_.host.invalidate();
    } else if (entry == mw::kImport) {
        importConfig();
    } else if (entry == mw::kExport) {
        exportConfig();
    } else if (entry == mw::kResetAll) {
        if (!actions_->writing())
            actions_->resetAll();
        parts_.host.invalidate();
    } else if (entry == mw::kWebsite) {
        const std::string& url = parts_.skin.main().text(mw::kWebsite);
        if (!url.empty())
            parts_.host.openUrl(url);
    }
}

void CKarvo_GMouseDlg::tip(int index) {
    parts_.warning.tipText(index);
}

void CKarvo_GMouseDlg::startApply(bool everything) {
    // A second apply while the mouse is being written does nothing.
    if (actions_->writing())
        return;
    if (everything ? actions_->startFullApply() : actions_->startApply()) {
        progress_ = std::pair<std::size_t, std::size_t>{0, 0};
        lastResult_.reset();
        parts_.host.invalidate();
    }
}

void CKarvo_GMouseDlg::importConfig() {
    if (!fileDialog_ || actions_->writing())
        return;
    FileDialogRequest request;
    request.filter = "All Files (*.ini)";
    request.folder = actions_->programFolder();
    if (const auto file = fileDialog_->openFile(request)) {
        actions_->importConfig(*file);
        parts_.host.invalidate();
    }
}

void CKarvo_GMouseDlg::exportConfig() {
    if (!fileDialog_)
        return;
    FileDialogRequest request;
    request.filter = "All Files (*.ini)";
    request.folder = actions_->programFolder();
    request.suggestedName = "config.ini";
    if (auto file = fileDialog_->saveFile(request)) {
        // The save dialog's default extension.
        if (!file->has_extension())
            file->replace_extension(".ini");
        actions_->exportConfig(*file);
        parts_.host.invalidate();
    }
}

void CKarvo_GMouseDlg::toggleDpiLevel(SharedSettings& s, int k) {
    if (k < 0 || k >= kDpiLevels)
        return;
    auto& level = s.dpi[static_cast<std::size_t>(k)];
    if (!level.enabled) {
        level.enabled = true;
        return;
    }
    level.enabled = false;
    if (s.dpiLevel != k)
        return;
    int next = k;
    for (int i = 0; i < kDpiLevels; ++i) {
        next = (next + 1) % kDpiLevels;
        if (s.dpi[static_cast<std::size_t>(next)].enabled) {
            s.dpiLevel = next;
            return;
        }
    }
    // No other level is enabled: the level stays as it was.
    s.dpiLevel = k;
    level.enabled = true;
}

void CKarvo_GMouseDlg::toggleCycleColour(SharedSettings& s, int k) {
    if (k < 0 || k >= kUserColours)
        return;
    const auto bit = static_cast<std::uint8_t>(1u << k);
    if (!(s.colourCycleMask & bit)) {
        s.colourCycleMask = static_cast<std::uint8_t>(s.colourCycleMask | bit);
        return;
    }
    int taking = 0;
    for (int c = 0; c < kUserColours; ++c)
        taking += s.colourInCycle(c) ? 1 : 0;
    if (taking > 1)
        s.colourCycleMask = static_cast<std::uint8_t>(s.colourCycleMask & ~bit);
}

ColourLevels CKarvo_GMouseDlg::levelsOf(RgbColour c) {
    return {(255 - c.r) / 16, (255 - c.g) / 16, (255 - c.b) / 16};
}

MenuRequest CKarvo_GMouseDlg::placeBelow(MenuRequest r, MenuSize size, const SkinRect& work) {
    const SkinRect& e = r.entryOnScreen;
    r.x = e.x + e.width - size.width;
    r.y = e.y + e.height;
    r.above = false;
    if (!work.empty() && r.y + size.height > work.y + work.height) {
        r.y = e.y - size.height;
        r.above = true;
    }
    return r;
}

SkinRect CKarvo_GMouseDlg::onScreen(const SkinRect& r) const {
    return parts_.host.onScreen(r);
}

bool CKarvo_GMouseDlg::openMenu(int kind, LayoutFile table, int entry, int slot, bool beside,
                                std::vector<std::string> texts) {
    const SkinLayout& layout = table == LayoutFile::Color     ? parts_.skin.lighting()
                               : table == LayoutFile::Advance ? parts_.skin.advanced()
                               : table == LayoutFile::Mac     ? parts_.skin.macro()
                                                              : parts_.skin.main();
    MenuRequest request;
    request.kind = kind;
    request.table = table;
    request.entry = entry;
    request.slot = slot;
    request.texts = std::move(texts);
    request.entryOnScreen = onScreen(layout.rect(entry));
    const MenuSize size = menus_->size(request);
    if (beside) {
        // Beside the entry: its right edge, its top; up when it would leave the work area.
        const SkinRect& e = request.entryOnScreen;
        request.x = e.x + e.width;
        request.y = e.y;
        const SkinRect work = parts_.host.workArea();
        if (!work.empty() && request.y + size.height > work.y + work.height) {
            request.y = std::max(work.y, work.y + work.height - size.height);
            request.above = true;
        }
    } else {
        request = placeBelow(request, size, parts_.host.workArea());
    }
    if (kind == menu_kind::kInsert) {
        macroEditor_->openInsertMenu(request);
        return true;
    }
    if (!menus_->open(request))
        return false;
    menuOpen_ = true;
    openMenuKind_ = kind;
    openMenuTable_ = table;
    parts_.host.invalidate();
    return true;
}

void CKarvo_GMouseDlg::actOnMainPage(int entry) {
    // A button's name beside the drawing lights up with the button, and opens its menu too.
    const bool label = entry >= mw::kLabelFirst && entry < mw::kLabelFirst + keyNum_;
    if (label || (entry >= mw::kHotspotFirst && entry < mw::kHotspotFirst + keyNum_)) {
        const int slot = entry - (label ? mw::kLabelFirst : mw::kHotspotFirst);
        // The menu may take the primary click away only when another button keeps it.
        const bool anotherClicks = parts_.settings.read([&](const Settings& all) {
            for (int b = 0; b < keyNum_; ++b) {
                if (b != slot && all.current().buttons[static_cast<std::size_t>(b)].function == 1)
                    return true;
            }
            return false;
        });
        if (!anotherClicks) {
            tip(text::tip::kNotPossible);
            return;
        }
        openMenu(menu_kind::kButtonFunction, LayoutFile::Main, entry, slot);
    } else if (entry == mw::kWheelStatusFirst || entry == mw::kWheelStatusFirst + 1) {
        parts_.settings.edit(
            [&](Settings& all) { all.shared.wheelStatus = entry - mw::kWheelStatusFirst; });
        parts_.host.invalidate();
    } else if (entry == mw::kLightingMode) {
        const bool lightsOff =
            parts_.settings.read([](const Settings& all) { return all.shared.modeLight == 1; });
        if (lightsOff)
            tip(text::tip::kLightsOff);
        else
            openMenu(menu_kind::kLightingMode, LayoutFile::Main, entry, -1);
    } else if (entry >= mw::kDpiToggleFirst && entry < mw::kDpiToggleFirst + kDpiLevels) {
        parts_.settings.edit(
            [&](Settings& all) { toggleDpiLevel(all.shared, entry - mw::kDpiToggleFirst); });
        parts_.host.invalidate();
    }
}

void CKarvo_GMouseDlg::actOnAdvancedPage(int entry) {
    switch (entry) {
        case adv::kDpiSlider:
            startDrag(Drag::DpiValue);
            return;
        case adv::kPointerSpeed:
            startDrag(Drag::PointerSpeed);
            return;
        case adv::kWheelSpeed:
            startDrag(Drag::WheelSpeed);
            return;
        case adv::kFireTime:
            startDrag(Drag::FireTime);
            return;
        default:
            break;
    }
    if (entry >= adv::kRateFirst && entry < adv::kRateFirst + adv::kRateCount) {
        // The mouse takes one report rate: the stored value stays 0 and the code sent 7.
        parts_.settings.edit([](Settings& all) {
            all.shared.usbSpeed = 0;
            all.shared.reportRateCode = 7;
        });
        parts_.host.invalidate();
    } else if (entry >= adv::kDpiToggleFirst && entry < adv::kDpiToggleFirst + kDpiLevels) {
        parts_.settings.edit(
            [&](Settings& all) { toggleDpiLevel(all.shared, entry - adv::kDpiToggleFirst); });
        parts_.host.invalidate();
    } else if (entry >= adv::kDpiLevelFirst && entry < adv::kDpiLevelFirst + kDpiLevels) {
        const int level = entry - adv::kDpiLevelFirst;
        parts_.settings.edit([&](Settings& all) {
            if (all.shared.dpi[static_cast<std::size_t>(level)].enabled)
                all.shared.dpiLevel = level;
        });
        parts_.host.invalidate();
    } else if (entry >= adv::kDpiColourFirst && entry <= adv::kUserColour) {
        chooseColour(entry - adv::kDpiColourFirst);
    }
}

void CKarvo_GMouseDlg::chooseColour(int tableEntry) {
    if (!colourDialog_ || tableEntry < 0 || tableEntry >= kDpiLevels + kUserColours)
        return;
    const auto k = static_cast<std::size_t>(tableEntry);
    const ColourLevels now = parts_.settings.read([&](const Settings& all) {
        return k < kDpiLevels ? all.shared.dpi[k].colour : all.shared.userColour[k - kDpiLevels];
    });
    const std::uint32_t screen = screenColour(now);
    const RgbColour initial{static_cast<std::uint8_t>(screen & 0xFF),
                            static_cast<std::uint8_t>((screen >> 8) & 0xFF),
                            static_cast<std::uint8_t>((screen >> 16) & 0xFF)};
    const auto chosen = colourDialog_->choose(initial);
    if (!chosen)
        return;
    const ColourLevels levels = levelsOf(*chosen);
    parts_.settings.edit([&](Settings& all) {
        if (k < kDpiLevels)
            all.shared.dpi[k].colour = levels;
        else
            all.shared.userColour[k - kDpiLevels] = levels;
    });
    parts_.host.invalidate();
}

void CKarvo_GMouseDlg::actOnLightingPage(int entry, const SharedSettings& s) {
    if (s.modeLight != 0) {
        // With the lights off only the entry that turns them on acts.
        if (entry == li::kModeEffects) {
            parts_.settings.edit([](Settings& all) { all.shared.modeLight = 0; });
            parts_.host.invalidate();
        }
        return;
    }
    const int type = s.ledType;
    const bool colours = type == 1 || type == 3 || type == 4 || type == 5;
    auto set = [this](auto&& change) {
        parts_.settings.edit([&](Settings& all) { change(all.shared); });
        parts_.host.invalidate();
    };
    if (entry >= li::kUserColourFirst && entry < li::kUserColourFirst + li::kUserColours) {
        if (colours && s.colourInCycle(entry - li::kUserColourFirst))
            chooseColour(kDpiLevels + entry - li::kUserColourFirst);
    } else if (entry >= li::kCycleToggleFirst && entry < li::kCycleToggleFirst + li::kUserColours) {
        if (colours)
            set([&](SharedSettings& sh) { toggleCycleColour(sh, entry - li::kCycleToggleFirst); });
    } else if (entry == li::kModeOff) {
        set([](SharedSettings& sh) { sh.modeLight = 1; });
    } else if (entry == li::kEffectMenu) {
        openMenu(menu_kind::kLightingMode, LayoutFile::Color, entry, -1);
    } else if (entry == li::kSoundLighting) {
        if (sound_)
            sound_->open();
    } else if (entry == li::kBrightness) {
        // Brightness and speed are chosen from their value menus, beside the entry.
        if (type >= 2 && type <= 5)
            openMenu(menu_kind::kLightingValue, LayoutFile::Color, entry, -1, true);
    } else if (entry == li::kSpeed) {
        if (type != 2 && type != 9 && type != 12 && type != 13)
            openMenu(menu_kind::kLightingValue, LayoutFile::Color, entry, -1, true);
    } else if (entry == li::kSymmetry) {
        if (colours || type == 7)
            set([](SharedSettings& sh) { sh.ledSymmetry = sh.ledSymmetry ? 0 : 1; });
    } else if (entry == li::kDirectionFirst || entry == li::kDirectionFirst + 1) {
        if (type == 3 || type == 4 || type == 5 || type == 7 || type == 10)
            set([&](SharedSettings& sh) { sh.ledDirection = entry - li::kDirectionFirst; });
    } else if (entry == li::kDirectionFirst + 2) {
        if (type == 3 || type == 4 || type == 5)
            set([](SharedSettings& sh) { sh.ledDirection = 2; });
    } else if (entry == li::kDirectionFirst + 3) {
        if (type == 3)
            set([](SharedSettings& sh) { sh.ledDirection = 3; });
    } else if (entry >= li::kReactionFirst && entry < li::kReactionFirst + keyNum_) {
        const auto slot = static_cast<std::size_t>(entry - li::kReactionFirst);
        parts_.settings.edit([&](Settings& all) {
            auto& b = all.current().buttons[slot];
            b.ledReactEnable = b.ledReactEnable ? 0 : 1;
        });
        parts_.host.invalidate();
    } else if (entry >= li::kReactionMenuFirst && entry < li::kReactionMenuFirst + keyNum_) {
        openMenu(menu_kind::kLightingValue, LayoutFile::Color, entry,
                 entry - li::kReactionMenuFirst, true);
    }
}

void CKarvo_GMouseDlg::actOnMacroPage(int entry) {
    namespace mp = skin::macro_page;
    const bool grouped = actions_->macroGroupSelected();
    switch (entry) {
        case mp::kRecord:
            if (!grouped)
                tip(text::tip::kNoMacroGroup);
            else
                macroEditor_->toggleRecording();
            break;
        case mp::kInsert:
            if (!grouped)
                tip(text::tip::kNoMacroGroup);
            else
                openMenu(menu_kind::kInsert, LayoutFile::Mac, entry, -1);
            break;
        case mp::kGunPresets:
            macroEditor_->openGunPresets();
            break;
        case mp::kModeWhileHeld:
        case mp::kModeToggle:
        case mp::kModeCount: {
            const int mode = entry == mp::kModeWhileHeld ? 2 : entry == mp::kModeToggle ? 1 : 0;
            if (!grouped)
                tip(text::tip::kNoMacroGroup);
            else if (actions_->setPlaybackMode(mode))
                selectedMacroMode_ = mode;
            parts_.host.invalidate();
            break;
        }
        case mp::kSoftwarePlayback:
            parts_.settings.edit(
                [](Settings& all) { all.shared.softHardMac = all.shared.softHardMac ? 0 : 1; });
            parts_.host.invalidate();
            break;
        default:
            break;
    }
}

void CKarvo_GMouseDlg::startDrag(Drag drag) {
    drag_ = drag;
}

void CKarvo_GMouseDlg::dragTo(std::int32_t x) {
    const MainSkin& skin = parts_.skin;
    parts_.settings.edit([&](Settings& all) {
        SharedSettings& s = all.shared;
        switch (drag_) {
            case Drag::DpiValue: {
                const int v = slider::stepAt(x, skin.advanced().rect(adv::kDpiSlider), 17);
                const int level = std::clamp(s.dpiLevel, 0, kDpiLevels - 1);
                s.dpi[static_cast<std::size_t>(level)].step = static_cast<std::uint8_t>(v - 1);
                break;
            }
            case Drag::PointerSpeed:
                s.pointerSpeed = static_cast<std::uint8_t>(
                    slider::stepAt(x, skin.advanced().rect(adv::kPointerSpeed), 11));
                break;
            case Drag::WheelSpeed:
                s.wheelSpeed = static_cast<std::uint8_t>(
                    slider::stepAt(x, skin.advanced().rect(adv::kWheelSpeed), 11));
                break;
            case Drag::FireTime:
                s.fireTime =
                    std::max(8, slider::stepAt(x, skin.advanced().rect(adv::kFireTime), 300));
                break;
            case Drag::None:
                break;
        }
    });
}

void CKarvo_GMouseDlg::onMessage(const WindowMessage& m) {
    switch (m.id) {
        case msg::WM_SYSCOMMAND:
            if (m.wparam == msg::SC_MINIMIZE) {
                parts_.host.minimise();
            } else if (m.wparam == msg::SC_RESTORE) {
                parts_.host.restore();
            } else if (m.wparam == msg::SC_CLOSE) {
                // Closing the window keeps the program in the tray; only the exit entry ends it.
                // Without a tray a hidden window could not come back, so it is only minimised.
                parts_.host.minimise();
                if (parts_.host.trayIconShown()) {
                    parts_.host.hide();
                } else if (!noTrayNoticeGiven_) {
                    noTrayNoticeGiven_ = true;
                    parts_.warning.message(
                        "There is no system tray, so closing the window minimises it.");
                }
            } else if (m.wparam == msg::IDM_ABOUTBOX) {
                parts_.host.showAbout();
            }
            break;
        case msg::WM_NCLBUTTONDOWN:
            if (m.wparam == msg::HTCAPTION)
                parts_.host.startSystemMove();
            break;
        case msg::WM_CLOSE:
            shutdown();
            break;
        case msg::WM_EXIT_PROGRAM:
            endWindow(false);
            break;
        case msg::WM_TRAY_NOTIFY:
            if (m.wparam == msg::kTrayIconId && m.lparam == msg::WM_LBUTTONDBLCLK)
                parts_.host.restore();
            break;
        case msg::WM_COMMAND:
            if (m.wparam == msg::ID_TRAY_SHOW)
                parts_.host.restore();
            else if (m.wparam == msg::ID_TRAY_EXIT)
                shutdown();
            break;
        case msg::WM_REPAINT:
            parts_.host.invalidate();
            break;
        case msg::WM_DOWNLOAD_PROGRESS:
            progress_ = {m.wparam, static_cast<std::size_t>(m.lparam)};
            parts_.host.invalidate();
            break;
        case msg::WM_DOWNLOAD_DONE:
            progress_.reset();
            lastResult_ = static_cast<int>(m.wparam);
            parts_.host.invalidate();
            // A stop for macros has told its reason already; a lost mouse has not.
            if (m.wparam == kResultTransportFailed)
                parts_.warning.message(
                    "Writing to the mouse failed: it stopped answering (unplugged?). Your "
                    "settings are saved; press Apply again once it is back.");
            else if (m.wparam == kResultOtherProgram)
                parts_.warning.message(
                    "Another program (karvoctl?) kept the mouse busy, so nothing was written. "
                    "Your settings are saved; press Apply again when it has finished.");
            break;
        case msg::WM_POWERBROADCAST:
            // Back from sleep the mouse may have lost what it was sent: write it again.
            if (m.wparam == msg::PBT_APMRESUMEAUTOMATIC && !actions_->writing())
                actions_->startRewrite();
            break;
        case msg::WM_GUN_DIALOG_DONE:
            break;
        case msg::WM_SOUND_LIGHT_DONE:
            // The sound dialog ended: its owner sends the normal lighting again.
            if (sound_)
                sound_->restoreLighting();
            parts_.host.invalidate();
            break;
        case msg::WM_MENU_CLOSED:
            onMenuClosed(m);
            break;
        case msg::WM_MENU_PICK:
            if (m.wparam == static_cast<std::uintptr_t>(menu_kind::kMore))
                onMorePick(static_cast<int>(m.lparam));
            else if (m.wparam >= static_cast<std::uintptr_t>(menu_kind::kMacroList) &&
                     m.wparam <= static_cast<std::uintptr_t>(menu_kind::kInsert))
                macroEditor_->onMenuPick(static_cast<int>(m.wparam), static_cast<int>(m.lparam));
            parts_.host.invalidate();
            break;
        case msg::WM_MACRO_GROUP_FILE:
            if (m.wparam >= 1 && m.wparam <= 3)
                actions_->macroGroupFile(static_cast<int>(m.wparam));
            parts_.host.invalidate();
            break;
        case msg::WM_KEY_CAPTURED:
            macroEditor_->onKeyCaptured();
            parts_.host.invalidate();
            break;
        case msg::WM_KEYDOWN:
        case msg::WM_KEYUP:
        case msg::WM_SYSKEYDOWN:
        case msg::WM_SYSKEYUP:
            macroEditor_->onRecordedKey(m.id, static_cast<int>(m.wparam));
            break;
        case msg::WM_FONTS_CHANGED:
            if (m.wparam == 1)
                language_->fontsChanged();
            parts_.host.invalidate();
            break;
        case msg::WM_COMBINATION_SET:
            onCombinationSet(m);
            break;
        case msg::WM_EDIT_COMBINATION: {
            const auto slot = static_cast<int>(m.wparam);
            if (slot < 0 || slot >= kButtonSlots)
                break;
            const std::string text = parts_.settings.read([&](const Settings& all) {
                const auto& b = all.current().buttons[static_cast<std::size_t>(slot)];
                return b.function == kFunctionCombination ? b.combination : std::string();
            });
            combination_->open(slot, text, m.lparam != 0);
            break;
        }
        case msg::WM_MACRO_GROUP_SHOW_1:
        case msg::WM_MACRO_GROUP_SHOW_2:
        case msg::WM_MACRO_GROUP_SHOW_3:
            actions_->refreshMacroPage();
            parts_.host.invalidate();
            break;
        case msg::WM_MACRO_ROW_SELECT:
            onRowSelect(m);
            break;
        case msg::WM_SHOW_NOTICES:
            parts_.warning.showQueued();
            break;
        default:
            break;
    }
}

void CKarvo_GMouseDlg::onMenuClosed(const WindowMessage& m) {
    if (m.wparam == 1 && m.lparam >= 1)
        language_->switchTo(static_cast<int>(m.lparam) - 1);
    menuOpen_ = false;
    openMenuKind_ = -1;
    // The press that opened the menu was released over the pop-up, and the pointer moved
    // there, not over this window: take the entries under the pointer as it is now, so the
    // opener is not left drawn hot or pressed.
    pressed_ = false;
    if (const auto at = parts_.host.cursor()) {
        onMouseMove(at->first, at->second);
    } else {
        for (ImageStateWindow* t : {&main_, &lighting_, &advanced_, &macro_})
            t->setHot(NO_ITEM);
    }
    parts_.host.invalidate();
}

void CKarvo_GMouseDlg::onCombinationSet(const WindowMessage& m) {
    const auto slot = static_cast<std::size_t>((m.wparam >> 8) & 0xFF);
    if (slot >= static_cast<std::size_t>(kButtonSlots) || m.text.empty())
        return;
    if (!parts_.keys)
        return;
    parts_.settings.edit([&](Settings& all) {
        combination::store(all, *parts_.keys, m.text, static_cast<std::uint16_t>(m.wparam));
    });
    parts_.host.invalidate();
}

void CKarvo_GMouseDlg::onRowSelect(const WindowMessage& m) {
    const auto list = static_cast<int>(m.lparam);
    const auto row = static_cast<int>(static_cast<std::intptr_t>(m.wparam));
    if (list == 1) {
        if (row == -1)
            tip(text::tip::kNoSelection);
        actions_->refreshMacroPage();
    } else if (list == 2 || list == 3) {
        macroEditor_->onRowSelect(list, row);
    }
    parts_.host.invalidate();
}

void CKarvo_GMouseDlg::shutdown() {
    endWindow(true);
}

void CKarvo_GMouseDlg::mouseRemoved() {
    endWindow(false);
}

void CKarvo_GMouseDlg::endWindow(bool reportToMouse) {
    if (shutDown_)
        return;
    shutDown_ = true;
    drag_ = Drag::None;
    pressed_ = false;
    menus_->close();
    menuOpen_ = false;
    parts_.host.removeTrayIcon();
    // The effect thread stops first: no lighting report may follow the closing report.
    if (sound_)
        sound_->end();
    if (reportToMouse && parts_.link) {
        parts_.link->sendRefresh();
        parts_.link->sendClosing();
    }
    // A notice still on screen would keep its own loop running past the window's end.
    parts_.warning.close();
    parts_.host.close();
}

void CKarvo_GMouseDlg::paintProgress(Canvas& canvas) const {
    const SkinRect apply = toPicture(parts_.skin.main().rect(mw::kApply), parts_.skin.scale());
    if (!progress_ && lastResult_ && static_cast<std::uintptr_t>(*lastResult_) == kResultComplete) {
        canvas.fillRect({apply.x, apply.y + apply.height - 3, apply.width, 3}, kDoneColour);
        return;
    }
    if (!progress_ || progress_->second == 0)
        return;
    const auto done = static_cast<std::int32_t>(static_cast<std::size_t>(apply.width) *
                                                std::min(progress_->first, progress_->second) /
                                                progress_->second);
    canvas.fillRect({apply.x, apply.y + apply.height - 3, done, 3}, kProgressColour);
}

void CKarvo_GMouseDlg::paint(Canvas& canvas) {
    const Settings settings = parts_.settings.snapshot();
    PageView view{parts_.skin, pictures_, settings, Page::Main, 0,           NO_ITEM,
                  NO_ITEM,     NO_ITEM,   NO_ITEM,  false,      std::nullopt};
    view.page = page_;
    view.keyNum = keyNum_;
    view.hotMain = main_.hot();
    view.hotAdvanced = advanced_.hot();
    view.hotMacro = macro_.hot();
    view.hotLighting = lighting_.hot();
    view.pressed = pressed_;
    view.selectedMacroMode = selectedMacroMode_;
    view.previewColour = preview_ ? preview_() : 0;
    if (parts_.description) {
        const auto level = static_cast<std::size_t>(std::clamp(settings.shared.dpiLevel, 0, 5));
        view.activeDpi = parts_.description->dpiOf(settings.shared.dpi[level].step);
    }
    if (parts_.texts && settings.shared.ledType < text::led::kEffects)
        view.effectName =
            parts_.texts->text(TextSection::Led, text::led::kEffectFirst + settings.shared.ledType);
    if (parts_.texts && page_ == Page::Lighting) {
        for (int n = 0; n < std::min(keyNum_, kButtonSlots); ++n) {
            const int type = settings.current().buttons[static_cast<std::size_t>(n)].ledReactType;
            view.reactionNames.push_back(
                type >= 0 && type < text::led::kReactions
                    ? parts_.texts->text(TextSection::Led, text::led::kReactionFirst + type)
                    : std::string());
        }
    }

    canvas.begin(view.set().normal);
    MainPagePainter::Badge badge = MainPagePainter::Badge::NotNeeded;
    switch (page_) {
        case Page::Main:
            badge = MainPagePainter::paint(canvas, view);
            break;
        case Page::Advanced:
            AdvancedPagePainter::paintHot(canvas, view);
            AdvancedPagePainter::paint(canvas, view);
            break;
        case Page::Macro:
            MacroPagePainter::paintHot(canvas, view);
            MacroPagePainter::paint(canvas, view);
            break;
        case Page::Lighting:
            LightingPagePainter::paintHot(canvas, view);
            LightingPagePainter::paint(canvas, view);
            break;
    }
    HeaderPainter::paint(canvas, view);
    PageTextPainter::paint(canvas, view);
    paintProgress(canvas);
    paintFocus(canvas);
    canvas.finish(parts_.skin.scale());

    // A missing badge is told once, after the paint: a message box inside the paint would
    // come back with every repaint the box itself causes.
    if (badge == MainPagePainter::Badge::Missing && !badgeReported_) {
        badgeReported_ = true;
        parts_.host.messageBox("zhi.png");
    } else if (badge == MainPagePainter::Badge::Drawn) {
        badgeReported_ = false;
    }
}

}  // namespace karvo
