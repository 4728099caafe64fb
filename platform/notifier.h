// How the core tells the user something: every notice goes through one Notifier, which the
// window connects to its warning dialog and the command-line tool to stderr. Notices are named
// by their language-text index (TipText n), so each front end shows them in the user's language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace karvo {

class Notifier {
  public:
    virtual ~Notifier() = default;

    // Shows language text TipText `index`, followed by `suffix` (a product name, a file name).
    virtual void tipText(int index, std::string_view suffix = {}) = 0;

    // Shows a notice that has no language text of its own (damaged files, failed writes);
    // the text is complete and in English.
    virtual void message(std::string_view text) = 0;
};

// Keeps every notice, for tests and for front ends that show them later.
class RecordingNotifier final : public Notifier {
  public:
    struct Notice {
        int tipText;  // -1 for a plain message
        std::string text;
        bool operator==(const Notice&) const = default;
    };
    void tipText(int index, std::string_view suffix = {}) override {
        notices.push_back({index, std::string(suffix)});
    }
    void message(std::string_view text) override { notices.push_back({-1, std::string(text)}); }

    std::vector<Notice> notices;
};

}  // namespace karvo
