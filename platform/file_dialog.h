// The system's file open and save dialogs. The window asks for one path and gets it back, or
// nothing when the user cancelled; the Qt back-end shows QFileDialog (the desktop's own
// dialog where a portal offers it) and tests give a path of their own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace karvo {

struct FileDialogRequest {
    std::string title;
    // A name filter as the dialogs take it, e.g. "Configuration (*.ini)".
    std::string filter;
    // The folder it opens in, and for a save the name it proposes.
    std::filesystem::path folder;
    std::string suggestedName;
};

class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // Blocks the caller (a modal dialog on the window thread) until the user chose or
    // cancelled.
    virtual std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) = 0;
};

}  // namespace karvo
