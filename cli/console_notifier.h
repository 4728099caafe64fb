// ConsoleNotifier: the notices of the core (TipText n, plain messages) as lines on stderr, in
// the configuration's language, taken from the same LanguageText.ini the window shows them
// from. It counts them, so a command can tell that the core refused something.
#pragma once

#include <ostream>
#include <string_view>

#include "platform/notifier.h"
#include "services/language_text.h"

namespace karvo::cli {

class ConsoleNotifier final : public Notifier {
  public:
    // `texts` may be filled later (it is read once the language is known) and must outlive
    // the notifier.
    ConsoleNotifier(std::ostream& err, const LanguageTextTable& texts) : err_(err), texts_(texts) {}

    // "karvoctl: <TipText index><suffix>"; "notice <index>" stands in for a text the language
    // file does not have.
    void tipText(int index, std::string_view suffix = {}) override;
    void message(std::string_view text) override;

    int count() const { return count_; }

  private:
    std::ostream& err_;
    const LanguageTextTable& texts_;
    int count_ = 0;
};

}  // namespace karvo::cli
