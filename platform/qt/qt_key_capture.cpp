// Keyboard capture on Qt; see qt_key_capture.h.
#include "platform/qt/qt_key_capture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

namespace karvo::qt {

namespace {
// xkb keycodes are the input event codes plus this.
constexpr quint32 kXkbOffset = 8;
}  // namespace

QtKeyCapture::QtKeyCapture() {
    const QString platform = QGuiApplication::platformName();
    nativeCodes_ =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

QtKeyCapture::~QtKeyCapture() {
    end();
}

bool QtKeyCapture::exclusive() const {
    return active_ && grabbed_ && QGuiApplication::platformName() == QLatin1String("xcb");
}

void QtKeyCapture::begin(Sink sink) {
    end();
    sink_ = std::move(sink);
    active_ = true;
    qApp->installEventFilter(this);
    // The dialog's window is usually shown after the capture begins; the filter grabs it then.
    if (QWidget* w = QApplication::activeModalWidget())
        grab(w);
}

void QtKeyCapture::end() {
    if (!active_)
        return;
    active_ = false;
    qApp->removeEventFilter(this);
    if (grabbed_)
        grabbed_->releaseKeyboard();
    grabbed_.clear();
    sink_ = nullptr;
}

void QtKeyCapture::grab(QWidget* window) {
    if (grabbed_ == window)
        return;
    if (grabbed_)
        grabbed_->releaseKeyboard();
    grabbed_ = window;
    window->grabKeyboard();
}

bool QtKeyCapture::eventFilter(QObject* watched, QEvent* event) {
    if (!active_)
        return false;
    switch (event->type()) {
        case QEvent::Show: {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow() && w->windowModality() != Qt::NonModal)
                grab(w);
            return false;
        }
        case QEvent::ShortcutOverride:
            // No shortcut of the program fires while keys are captured.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(event);
            PhysicalKeyEvent e;
            e.down = event->type() == QEvent::KeyPress;
            const quint32 native = k->nativeScanCode();
            e.evdevCode =
                nativeCodes_ && native > kXkbOffset ? static_cast<int>(native - kXkbOffset) : 0;
            e.fallbackVirtualKey = fallbackVirtualKey(k->key());
            e.altHeld = k->modifiers().testFlag(Qt::AltModifier);
            e.ctrlHeld = k->modifiers().testFlag(Qt::ControlModifier);
            // The sink may end the capture; keep what is needed after it.
            const Sink sink = sink_;
            const QPointer<QWidget> window =
                grabbed_ ? grabbed_.data() : QApplication::activeModalWidget();
            if (sink)
                sink(e);
            if (window)
                window->update();
            return true;
        }
        default:
            return false;
    }
}

int QtKeyCapture::fallbackVirtualKey(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;  // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Print:
            return 44;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Meta:
            return 91;
        case Qt::Key_Menu:
            return 93;
        case Qt::Key_NumLock:
            return 144;
        case Qt::Key_ScrollLock:
            return 145;
        case Qt::Key_Shift:
            return 160;
        case Qt::Key_Control:
            return 162;
        case Qt::Key_Alt:
            return 164;
        case Qt::Key_AltGr:
            return 165;
        case Qt::Key_Semicolon:
            return 186;
        case Qt::Key_Equal:
            return 187;
        case Qt::Key_Comma:
            return 188;
        case Qt::Key_Minus:
            return 189;
        case Qt::Key_Period:
            return 190;
        case Qt::Key_Slash:
            return 191;
        case Qt::Key_QuoteLeft:
            return 192;
        case Qt::Key_BracketLeft:
            return 219;
        case Qt::Key_Backslash:
            return 220;
        case Qt::Key_BracketRight:
            return 221;
        case Qt::Key_Apostrophe:
            return 222;
        default:
            return 0;
    }
}

}  // namespace karvo::qt
