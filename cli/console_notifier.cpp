// Notices on stderr; see console_notifier.h.
#include "cli/console_notifier.h"

#include <string>

namespace karvo::cli {

void ConsoleNotifier::tipText(int index, std::string_view suffix) {
    ++count_;
    const std::string& text = texts_.text(TextSection::TipText, index);
    err_ << "karvoctl: " << (text.empty() ? "notice " + std::to_string(index) : text) << suffix
         << '\n';
}

void ConsoleNotifier::message(std::string_view text) {
    ++count_;
    err_ << "karvoctl: " << text << '\n';
}

}  // namespace karvo::cli
