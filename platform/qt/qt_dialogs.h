// The system's file and colour dialogs on Qt. QFileDialog uses the desktop's own dialog where
// the platform theme offers one (a portal under Flatpak or on a desktop that has one) and Qt's
// otherwise.
#pragma once

#include <QWidget>

#include "platform/colour_dialog.h"
#include "platform/file_dialog.h"

namespace karvo::qt {

class QtFileDialog final : public FileDialog {
  public:
    // The dialogs are modal for `parent` (null: the application).
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override;

  private:
    QWidget* parent_;
};

class QtColourDialog final : public ColourDialog {
  public:
    explicit QtColourDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<RgbColour> choose(RgbColour initial) override;

  private:
    QWidget* parent_;
};

}  // namespace karvo::qt
