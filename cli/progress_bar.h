// ProgressBar: a one-line bar on stderr for the slow exchanges with the mouse (apply, verify,
// long reads), redrawn in place; nothing at all when stderr is no terminal, so logs and
// scripts never see carriage returns.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace karvo::cli {

class ProgressBar {
  public:
    ProgressBar(std::ostream& err, bool enabled, std::string label)
        : err_(err), enabled_(enabled), label_(std::move(label)) {}
    ~ProgressBar() { finish(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // Redraws when the shown percentage changes.
    void update(std::size_t done, std::size_t total);
    // Ends the bar's line, once.
    void finish();

    // The bar as drawn for done of total: "<label> [#####-----]  50% 5/10".
    static std::string render(const std::string& label, std::size_t done, std::size_t total);

  private:
    std::ostream& err_;
    bool enabled_;
    std::string label_;
    int shown_ = -1;
};

}  // namespace karvo::cli
