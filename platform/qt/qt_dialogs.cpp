// QFileDialog and QColorDialog behind the platform's dialog interfaces.
#include "platform/qt/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace karvo::qt {
namespace {

QString startPath(const FileDialogRequest& r) {
    std::filesystem::path p = r.folder;
    if (!r.suggestedName.empty())
        p /= r.suggestedName;
    return QString::fromStdString(p.string());
}

std::optional<std::filesystem::path> chosen(const QString& file) {
    if (file.isEmpty())
        return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

}  // namespace

std::optional<std::filesystem::path> QtFileDialog::openFile(const FileDialogRequest& r) {
    return chosen(QFileDialog::getOpenFileName(parent_, QString::fromStdString(r.title),
                                               startPath(r), QString::fromStdString(r.filter)));
}

std::optional<std::filesystem::path> QtFileDialog::saveFile(const FileDialogRequest& r) {
    // Qt asks before overwriting a file that exists.
    return chosen(QFileDialog::getSaveFileName(parent_, QString::fromStdString(r.title),
                                               startPath(r), QString::fromStdString(r.filter)));
}

std::optional<RgbColour> QtColourDialog::choose(RgbColour initial) {
    const QColor c = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), parent_);
    if (!c.isValid())
        return std::nullopt;
    return RgbColour{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                     static_cast<std::uint8_t>(c.blue())};
}

}  // namespace karvo::qt
