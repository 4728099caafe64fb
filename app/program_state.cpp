// The main window's state objects, wired to each other.
#include "app/program_state.h"

namespace karvo {

ProgramState::ProgramState(const ProgramPaths& where, Notifier& notifier, PointerSettings& pointer)
    : paths(where),
      store(paths.configFolder, keys, notifier),
      macros(keys, notifier),
      downloader(link, settings, description, macros, keys, notifier, pointer) {}

}  // namespace karvo
