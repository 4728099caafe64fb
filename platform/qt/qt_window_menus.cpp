// The window's menus on Qt; see qt_window_menus.h.
#include "platform/qt/qt_window_menus.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace karvo::qt {

namespace {
SkinRect desktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}
}  // namespace

void QtWindowMenus::followPointerOutside(QWidget* window, SkinnedWindow& controller) {
    host_.setOutsideMove([window, &controller](QPoint global) {
        if (!window || !window->isVisible())
            return;
        const QPoint p = window->mapFromGlobal(global);
        if (controller.onMouseMove(p.x(), p.y()))
            window->update();
    });
}

CaptureParts QtWindowMenus::captureParts() {
    ProgramState& s = parts_.state;
    return {parts_.runner,
            capture_,
            parts_.queue,
            s.keys,
            s.texts,
            parts_.warning,
            s.paths.skinFolder,
            [&s] { return s.paths.languageFolder; },
            [&s] { return s.language; },
            s.layoutScale};
}

QtWindowMenus::QtWindowMenus(Parts parts)
    : parts_(std::move(parts)),
      host_(parts_.pictures, parts_.fonts),
      menus_(MenuEnvironment{parts_.state.settings, parts_.queue, parts_.state.texts,
                             parts_.state.skin, parts_.state.macros, parts_.state.paths, host_,
                             parts_.warning, [&s = parts_.state] { return s.description.keyNum; }}),
      opener_(menus_),
      shortcut_(captureParts(), parts_.state.settings),
      combinationOpener_(shortcut_, desktop),
      keyDialog_(captureParts()),
      languages_({parts_.state, parts_.platform, parts_.warning, &parts_.warning,
                  parts_.afterLanguageSwitch,
                  [this](int position) { return menus_.offeredLanguage(position + 1); }}) {}

}  // namespace karvo::qt
