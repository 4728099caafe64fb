// Import and export of macros as files: a whole group as a group file (".dat") and a single
// macro as a one-key file (".sdat"). The file dialogs belong to the window; these commands take
// the chosen paths and do the checks, copies and notices.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "macro/macro_file.h"
#include "macro/macro_group.h"
#include "platform/notifier.h"

namespace karvo {

class MacroExchange {
  public:
    // Library files of the configuration folder that are never taken in as groups.
    static constexpr std::array<std::string_view, 4> kLibraryFiles = {"constMacro.dat", "PUBG.dat",
                                                                      "PUBG_CN.dat", "PUBG_EN.dat"};
    static constexpr int kTipDuplicateGroup = 23;

    // `file`, `notifier` and `library` must outlive this object.
    MacroExchange(const MacroFile& file, Notifier& notifier, MacroGroup& library,
                  std::filesystem::path configFolder);

    // Whether the window may open the dialog at all: TipText 21 when 12 groups exist, or when
    // the selected group holds 12 macros.
    bool groupImportAllowed() const;
    bool macroImportAllowed() const;

    // Takes a group file in as a new group named after the file ("Shooter.dat" gives Shooter,
    // "a.dat.dat" gives a; the name cleaned as a typed group name). The configuration folder's
    // library files are refused without a notice; TipText 6 for a file name that gives no
    // usable name, TipText 5 for a missing file, TipText 23 when a group of that name exists.
    // The current group and its table stay as they were whenever the import does not happen.
    bool importGroup(const std::filesystem::path& chosen);
    // Writes the current group to `target`; TipText 6 when there is no group.
    bool exportGroup(const std::filesystem::path& target) const;

    // Writes the current macro's row as [Macros] Macro; TipText 6 when no macro is current.
    bool exportMacro(const std::filesystem::path& target) const;
    // Appends the file's macro to the selected group under a name made unique in the group.
    // TipText 21 at 12 macros, TipText 5 for a missing file or one without a macro row.
    bool importMacro(const std::filesystem::path& chosen);

  private:
    bool isLibraryFile(const std::filesystem::path& chosen) const;

    const MacroFile& file_;
    Notifier& notifier_;
    MacroGroup& library_;
    std::filesystem::path configFolder_;
};

}  // namespace karvo
