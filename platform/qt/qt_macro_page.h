// The macro page's child controls on Qt: three list box widgets and three line edits inside the
// main window, at the skin's rectangles. They show what MacroPageControls holds and pass the
// user's input to it.
#pragma once

#include <array>
#include <functional>

#include <QLineEdit>
#include <QWidget>

#include "app/macro_edit_commands.h"
#include "app/macro_page_controls.h"
#include "platform/qt/qt_list_box.h"

namespace karvo::qt {

class QtMacroPage {
  public:
    static constexpr int kRepeatDigits = 4;

    // The widgets become children of `parent`, which owns them; they start hidden.
    QtMacroPage(MacroPageControls& controls, const MainSkin& skin, PictureCache& pictures,
                const QtFonts& fonts, QWidget* parent);

    // The editing commands, and how a pop-up menu they ask for is opened at a screen point.
    using OpenMenu = std::function<void(const MacroEditCommands::MenuRequest&, QPoint)>;
    void setCommands(MacroEditCommands* commands, OpenMenu openMenu);

    void setVisible(bool visible);
    // Brings every widget up to date with the controls (after a reload or any input).
    void sync();

    // 0 macros, 1 steps, 2 keys.
    QtListBox* list(int index) const { return lists_[static_cast<std::size_t>(index)]; }
    // 0 repeat count, 1 macro name, 2 the box below the steps.
    QLineEdit* edit(int index) const { return edits_[static_cast<std::size_t>(index)]; }

  private:
    static void show(QLineEdit* edit, const EditBoxModel& model);
    void onRightClick(int list, int line, QPoint global);
    // Shows or hides the in-place edit box as the commands say.
    void syncInPlaceEdit();
    void finishInPlaceEdit();

    MacroPageControls& controls_;
    std::array<QtListBox*, 3> lists_{};
    std::array<QLineEdit*, 3> edits_{};
    MacroEditCommands* commands_ = nullptr;
    OpenMenu openMenu_;
    QLineEdit* inPlace_ = nullptr;
    bool finishing_ = false;
};

}  // namespace karvo::qt
