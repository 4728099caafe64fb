// Tells a watching process when the window has painted its first frame: the start-up
// benchmark starts the program with KARVO_FIRST_FRAME_FD naming the write end of a pipe and
// times the byte that arrives there. Without the variable nothing is installed.
#pragma once

#include <QObject>

namespace karvo::qt {

class FirstFrameSignal final : public QObject {
  public:
    // Watches `widget` when KARVO_FIRST_FRAME_FD holds a file descriptor number.
    explicit FirstFrameSignal(QObject* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int fd_ = -1;
};

}  // namespace karvo::qt
