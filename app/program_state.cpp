// The main window's state objects, wired to each other.
#include "app/program_state.h"

namespace karvo {

ProgramState::ProgramState(const std::filesystem::path& programFolder, Notifier& notifier,
                           PointerSettings& pointer)
    : paths(ProgramPaths::build(programFolder, 1)),
      store(paths.configFolder, keys, notifier),
      macros(keys, notifier),
      downloader(link, settings, description, macros, keys, notifier, pointer) {}

}  // namespace karvo
