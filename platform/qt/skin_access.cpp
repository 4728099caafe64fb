// Accessible interfaces and keys of the skinned windows; see skin_access.h.
#include "platform/qt/skin_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <map>

namespace karvo::qt {

namespace {

QAccessible::Role qtRole(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::PageTab:
            return QAccessible::PageTab;
        case AccessibleRole::RadioButton:
            return QAccessible::RadioButton;
        case AccessibleRole::CheckBox:
            return QAccessible::CheckBox;
        case AccessibleRole::Slider:
            return QAccessible::Slider;
        case AccessibleRole::Link:
            return QAccessible::Link;
        case AccessibleRole::ComboBox:
            return QAccessible::ButtonMenu;
        case AccessibleRole::MenuItem:
            return QAccessible::MenuItem;
        case AccessibleRole::StaticText:
            return QAccessible::StaticText;
    }
    return QAccessible::Button;
}

SkinnedWindow* controllerOf(const QWidget* widget) {
    const auto* surface = dynamic_cast<const SkinnedSurface*>(widget);
    return surface ? surface->skinnedController() : nullptr;
}

std::vector<AccessibleEntry> entriesOf(const QWidget* widget) {
    const SkinnedWindow* c = controllerOf(widget);
    return c ? c->accessibleEntries() : std::vector<AccessibleEntry>{};
}

// One entry of a skinned window, found again by its id at every question, so that it always
// tells what the window shows now.
class SkinEntryAccessible final : public QAccessibleInterface,
                                  public QAccessibleActionInterface,
                                  public QAccessibleValueInterface {
  public:
    SkinEntryAccessible(QWidget* widget, int id) : widget_(widget), id_(id) {}

    bool isValid() const override { return widget_ && entry().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return widget_ ? widget_->window()->windowHandle() : nullptr;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return widget_ ? QAccessible::queryAccessibleInterface(widget_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const auto e = entry();
        if (!e)
            return {};
        switch (t) {
            case QAccessible::Name:
                return QString::fromStdString(e->name);
            case QAccessible::Value:
                return QString::fromStdString(e->value);
            case QAccessible::Description:
                return e->role == AccessibleRole::ComboBox ? QString::fromStdString(e->value)
                                                           : QString();
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const auto e = entry();
        const auto* surface = dynamic_cast<const SkinnedSurface*>(widget_.data());
        if (!e || !surface)
            return {};
        const SkinRect r = surface->toShown(e->rect);
        return {widget_->mapToGlobal(QPoint(r.x, r.y)), QSize(r.width, r.height)};
    }
    QAccessible::Role role() const override {
        const auto e = entry();
        return e ? qtRole(e->role) : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const auto e = entry();
        if (!e) {
            s.invalid = true;
            return s;
        }
        s.focusable = e->focusable;
        const SkinnedWindow* c = controllerOf(widget_.data());
        s.focused = c && c->focusedEntry() == id_;
        if (e->checked) {
            s.checkable = true;
            s.checked = *e->checked;
            if (e->role == AccessibleRole::PageTab)
                s.selected = *e->checked;
        }
        s.hasPopup = e->role == AccessibleRole::ComboBox;
        s.invisible = e->rect.empty();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::ValueInterface) {
            const auto e = entry();
            if (e && e->role == AccessibleRole::Slider)
                return static_cast<QAccessibleValueInterface*>(this);
        }
        return nullptr;
    }

    // Actions: press (every entry); a slider also increases and decreases by one step.
    QStringList actionNames() const override {
        const auto e = entry();
        if (e && e->role == AccessibleRole::Slider)
            return {increaseAction(), decreaseAction()};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        SkinnedWindow* c = controllerOf(widget_.data());
        const auto e = entry();
        if (!c || !e)
            return;
        bool repaint = false;
        if (name == pressAction())
            repaint = c->activate(id_);
        else if (name == increaseAction())
            repaint = c->setValue(id_, e->current + 1);
        else if (name == decreaseAction())
            repaint = c->setValue(id_, e->current - 1);
        if (repaint && widget_)
            widget_->update();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QVariant currentValue() const override {
        const auto e = entry();
        return e ? QVariant(e->current) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override {
        SkinnedWindow* c = controllerOf(widget_.data());
        if (c && c->setValue(id_, value.toInt()) && widget_)
            widget_->update();
    }
    QVariant maximumValue() const override {
        const auto e = entry();
        return e ? QVariant(e->maximum) : QVariant();
    }
    QVariant minimumValue() const override {
        const auto e = entry();
        return e ? QVariant(e->minimum) : QVariant();
    }
    QVariant minimumStepSize() const override { return 1; }

    int id() const { return id_; }

  private:
    std::optional<AccessibleEntry> entry() const {
        for (AccessibleEntry& e : entriesOf(widget_.data())) {
            if (e.id == id_)
                return std::move(e);
        }
        return std::nullopt;
    }

    QPointer<QWidget> widget_;
    int id_;
};

// The window of a skinned controller: its child widgets (the macro page's lists) first, then
// its entries.
class SkinWindowAccessible final : public QAccessibleWidget {
  public:
    explicit SkinWindowAccessible(QWidget* widget)
        : QAccessibleWidget(widget, (widget->windowFlags() & Qt::Popup) == Qt::Popup
                                        ? QAccessible::PopupMenu
                                        : QAccessible::Window) {}
    ~SkinWindowAccessible() override {
        for (const auto& [id, handle] : children_)
            QAccessible::deleteAccessibleInterface(handle);
    }

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(entriesOf(widget()).size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const auto entries = entriesOf(widget());
        const auto i = static_cast<std::size_t>(index - widgets);
        return i < entries.size() ? entryInterface(entries[i].id) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* entry = dynamic_cast<const SkinEntryAccessible*>(child);
        if (!entry)
            return QAccessibleWidget::indexOfChild(child);
        const auto entries = entriesOf(widget());
        const auto it = std::find_if(entries.begin(), entries.end(),
                                     [&](const AccessibleEntry& e) { return e.id == entry->id(); });
        return it == entries.end()
                   ? -1
                   : QAccessibleWidget::childCount() + static_cast<int>(it - entries.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        const auto* surface = dynamic_cast<const SkinnedSurface*>(widget());
        for (const AccessibleEntry& e : entriesOf(widget())) {
            if (surface && surface->toShown(e.rect).contains(p.x(), p.y()))
                return entryInterface(e.id);
        }
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override {
        const SkinnedWindow* c = controllerOf(widget());
        if (c && c->focusedEntry() >= 0) {
            for (const AccessibleEntry& e : entriesOf(widget())) {
                if (e.id == c->focusedEntry())
                    return entryInterface(e.id);
            }
        }
        return QAccessibleWidget::focusChild();
    }
    QString text(QAccessible::Text t) const override {
        const SkinnedWindow* c = controllerOf(widget());
        if (t == QAccessible::Name && c && !c->accessibleName().empty())
            return QString::fromStdString(c->accessibleName());
        return QAccessibleWidget::text(t);
    }

  private:
    // Each entry keeps one interface (and one id for the tools) for the window's life.
    QAccessibleInterface* entryInterface(int id) const {
        const auto it = children_.find(id);
        if (it != children_.end())
            return QAccessible::accessibleInterface(it->second);
        auto* iface = new SkinEntryAccessible(widget(), id);
        children_[id] = QAccessible::registerAccessibleInterface(iface);
        return iface;
    }

    mutable std::map<int, QAccessible::Id> children_;
};

QAccessibleInterface* skinFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && dynamic_cast<SkinnedSurface*>(widget))
        return new SkinWindowAccessible(widget);
    return nullptr;
}

}  // namespace

std::optional<NavigationKey> navigationKey(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (e.key()) {
        case Qt::Key_Tab:
            return (e.modifiers() & Qt::ShiftModifier) ? NavigationKey::BackTab
                                                       : NavigationKey::Tab;
        case Qt::Key_Backtab:
            return NavigationKey::BackTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return NavigationKey::Enter;
        case Qt::Key_Space:
            return NavigationKey::Space;
        case Qt::Key_Left:
            return NavigationKey::Left;
        case Qt::Key_Right:
            return NavigationKey::Right;
        case Qt::Key_Up:
            return NavigationKey::Up;
        case Qt::Key_Down:
            return NavigationKey::Down;
        case Qt::Key_Home:
            return NavigationKey::Home;
        case Qt::Key_End:
            return NavigationKey::End;
        case Qt::Key_Escape:
            return NavigationKey::Escape;
        default:
            return std::nullopt;
    }
}

void installSkinAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(skinFactory);
        return true;
    }();
    (void)installed;
}

void announceFocus(QWidget* widget) {
    if (!widget || !QAccessible::isActive())
        return;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(widget);
    QAccessibleInterface* focused = window ? window->focusChild() : nullptr;
    if (!focused || focused == window)
        return;
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

}  // namespace karvo::qt
