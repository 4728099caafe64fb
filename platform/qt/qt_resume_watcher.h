// Resume from sleep: logind announces PrepareForSleep(false) on the system bus when the
// machine wakes; the watcher posts the window's power message then. Without a system bus it
// says so once on stderr and does nothing.
#pragma once

#include <QObject>

#include "platform/message_queue.h"

namespace karvo::qt {

class QtResumeWatcher final : public QObject {
    Q_OBJECT
  public:
    explicit QtResumeWatcher(MessageQueue& queue);
    // Connected to logind's signal.
    bool watching() const { return watching_; }

  private Q_SLOTS:
    void onPrepareForSleep(bool start);

  private:
    MessageQueue& queue_;
    bool watching_ = false;
};

}  // namespace karvo::qt
