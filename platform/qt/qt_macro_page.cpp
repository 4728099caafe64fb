// Creation and updates of the macro page's child widgets.
#include "platform/qt/qt_macro_page.h"

#include <QRegularExpressionValidator>

#include "ui/skin/paint_region.h"

namespace karvo::qt {

namespace {
QRect toQRect(const SkinBox& box) {
    const SkinRect r = toRect(box);
    return {r.x, r.y, r.width, r.height};
}

// White on black, as the list boxes; a disabled box greys its text.
constexpr const char* kEditStyle =
    "QLineEdit { color: white; background: black; border: 1px solid #202020; padding: 0 6px; }"
    "QLineEdit:disabled { color: #8b94a7; }";
}  // namespace

QtMacroPage::QtMacroPage(MacroPageControls& controls, const MainSkin& skin, PictureCache& pictures,
                         const QtFonts& fonts, QWidget* parent)
    : controls_(controls) {
    CListBoxXI* models[] = {&controls.macroList(), &controls.stepList(), &controls.keyList()};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* list = new QtListBox(*models[i], pictures, fonts, parent);
        list->setGeometry(toQRect(skin.macroDisplays()[i]));
        list->setAfterInput([this] { sync(); });
        list->hide();
        lists_[i] = list;
    }
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        auto* edit = new QLineEdit(parent);
        edit->setGeometry(toQRect(skin.editFields()[i]));
        edit->setFont(fonts.font(FontRole::Body));
        edit->setStyleSheet(QString::fromLatin1(kEditStyle));
        edit->setFrame(false);
        edit->hide();
        edits_[i] = edit;
    }
    QLineEdit* repeat = edits_[0];
    repeat->setMaxLength(kRepeatDigits);
    repeat->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), repeat));
    QObject::connect(repeat, &QLineEdit::textEdited, repeat, [this, repeat](const QString& text) {
        const std::string shown = controls_.onRepeatEdited(text.toStdString());
        const QString now = QString::fromStdString(shown);
        if (now != text)
            repeat->setText(now);
    });
    QObject::connect(repeat, &QLineEdit::editingFinished, repeat, [this] {
        controls_.onRepeatFinished();
        sync();
    });
    sync();
}

void QtMacroPage::setCommands(MacroEditCommands* commands, OpenMenu openMenu) {
    commands_ = commands;
    openMenu_ = std::move(openMenu);
    for (int i = 0; i < 2; ++i)
        lists_[static_cast<std::size_t>(i)]->setOnRightClick(
            [this, i](int line, QPoint global) { onRightClick(i, line, global); });
    if (!inPlace_) {
        inPlace_ = new QLineEdit(lists_[0]->parentWidget());
        inPlace_->setStyleSheet(QString::fromLatin1(kEditStyle));
        inPlace_->setFrame(false);
        inPlace_->hide();
        QObject::connect(inPlace_, &QLineEdit::editingFinished, inPlace_,
                         [this] { finishInPlaceEdit(); });
    }
}

void QtMacroPage::onRightClick(int list, int line, QPoint global) {
    if (!commands_)
        return;
    // A right click on the list ends an edit in progress, with what was typed.
    finishInPlaceEdit();
    const auto request =
        list == 0 ? commands_->onMacroListRightClick(line) : commands_->onStepRightClick(line);
    sync();
    if (request && openMenu_)
        openMenu_(*request, global);
}

void QtMacroPage::finishInPlaceEdit() {
    if (!commands_ || !inPlace_ || !inPlace_->isVisible() || finishing_)
        return;
    finishing_ = true;
    const std::string text = inPlace_->text().toStdString();
    inPlace_->hide();
    commands_->finishEdit(text);
    finishing_ = false;
    sync();
}

void QtMacroPage::syncInPlaceEdit() {
    if (!inPlace_ || !commands_ || finishing_)
        return;
    const auto& edit = commands_->edit();
    if (!edit) {
        inPlace_->hide();
        return;
    }
    QtListBox* list = lists_[edit->macroList ? 0 : 1];
    const CListBoxXI& model = edit->macroList ? controls_.macroList() : controls_.stepList();
    const int row = edit->line - model.topLine();
    const QPoint at = list->geometry().topLeft() + QPoint(0, row * model.lineHeight());
    inPlace_->setGeometry(at.x(), at.y(), list->width(), model.lineHeight());
    inPlace_->setFont(edits_[0]->font());
    if (!inPlace_->isVisible()) {
        inPlace_->setText(QString::fromStdString(edit->text));
        inPlace_->show();
        inPlace_->raise();
        inPlace_->setFocus(Qt::OtherFocusReason);
        inPlace_->selectAll();
    }
}

void QtMacroPage::show(QLineEdit* edit, const EditBoxModel& model) {
    const QString text = QString::fromStdString(model.text);
    if (edit->text() != text)
        edit->setText(text);
    edit->setEnabled(model.enabled);
    edit->setReadOnly(model.readOnly);
}

void QtMacroPage::sync() {
    show(edits_[0], controls_.repeatBox());
    show(edits_[1], controls_.nameBox());
    show(edits_[2], controls_.noteBox());
    for (QtListBox* list : lists_)
        list->update();
    syncInPlaceEdit();
}

void QtMacroPage::setVisible(bool visible) {
    for (QtListBox* list : lists_)
        list->setVisible(visible);
    for (QLineEdit* edit : edits_)
        edit->setVisible(visible);
    if (!visible)
        finishInPlaceEdit();
}

}  // namespace karvo::qt
