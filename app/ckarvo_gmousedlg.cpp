// The main window controller: input rules of the header, the page tabs, the profile tabs and
// the sliders, the message table this window handles so far, and the paint sequence.
#include "app/ckarvo_gmousedlg.h"

#include <algorithm>

#include "app/language_text_index.h"
#include "app/window_messages.h"
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
    mainShown_ = page == Page::Main;
    drag_ = Drag::None;
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
    if (page_ == Page::Advanced) {
        switch (onPage) {
            case adv::kDpiSlider:
                startDrag(Drag::DpiValue);
                break;
            case adv::kPointerSpeed:
                startDrag(Drag::PointerSpeed);
                break;
            case adv::kWheelSpeed:
                startDrag(Drag::WheelSpeed);
                break;
            case adv::kFireTime:
                startDrag(Drag::FireTime);
                break;
            default:
                break;
        }
    } else if (page_ == Page::Lighting && s.modeLight == 0) {
        const int type = s.ledType;
        if (onPage == li::kBrightness && type >= 2 && type <= 5)
            startDrag(Drag::LedBright);
        else if (onPage == li::kSpeed && type != 2 && type != 9 && type != 12 && type != 13)
            startDrag(Drag::LedSpeed);
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

void CKarvo_GMouseDlg::actOnHeaderDown(int entry) {
    if (entry >= mw::kTabFirst && entry < mw::kTabFirst + mw::kTabCount)
        showPage(static_cast<Page>(entry - mw::kTabFirst));
    // 4 (language menu) and 17 (more menu) open pop-up menus, which this window does not
    // have yet.
}

void CKarvo_GMouseDlg::actOnHeaderUp(int entry) {
    if (entry == mw::kMinimise || entry == mw::kMinimiseToTray) {
        parts_.queue.post({msg::WM_SYSCOMMAND, msg::SC_MINIMIZE, 0});
    } else if (entry == mw::kClose) {
        parts_.host.hide();
        shutdown();
    } else if (entry >= mw::kProfileFirst && entry < mw::kProfileFirst + mw::kProfileCount) {
        parts_.settings.edit([&](Settings& s) { s.currentProfile = entry - mw::kProfileFirst; });
        parts_.host.invalidate();
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
            case Drag::LedSpeed:
                s.ledCycleTime = static_cast<std::uint8_t>(
                    slider::stepAt(x, skin.lighting().rect(li::kSpeed), 6) - 1);
                break;
            case Drag::LedBright:
                s.ledBrightness = 7 - slider::stepAt(x, skin.lighting().rect(li::kBrightness), 7);
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
            parts_.host.invalidate();
            break;
        case msg::WM_SHOW_NOTICES:
            parts_.warning.showQueued();
            break;
        default:
            break;
    }
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
    parts_.host.removeTrayIcon();
    if (reportToMouse && parts_.link) {
        parts_.link->sendRefresh();
        parts_.link->sendClosing();
    }
    // A notice still on screen would keep its own loop running past the window's end.
    parts_.warning.close();
    parts_.host.close();
}

void CKarvo_GMouseDlg::paintProgress(Canvas& canvas) const {
    if (!progress_ || progress_->second == 0)
        return;
    const SkinRect apply = toPicture(parts_.skin.main().rect(mw::kApply), parts_.skin.scale());
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
