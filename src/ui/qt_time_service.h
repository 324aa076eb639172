// The desktop program's time: QTimer events through the Qt message loop,
// and a monotonic millisecond tick count.
#pragma once

#include "app/time_service.h"

#include <QElapsedTimer>
#include <QObject>

namespace xtr::ui {

class QtTimeService : public TimeService {
public:
    QtTimeService();
    uint32_t TickCount() override;
    std::unique_ptr<Timer> CreateTimer() override;

    // The parent of the QTimers behind the timers handed out (a timer freed
    // from inside its own timeout leaves its QTimer to the event loop).
    QObject& TimerParent() { return parent_; }

private:
    QElapsedTimer clock_;
    QObject parent_;
};

}  // namespace xtr::ui
