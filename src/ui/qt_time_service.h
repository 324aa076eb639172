// The desktop program's time: QTimer events through the Qt message loop,
// and a monotonic millisecond tick count.
#pragma once

#include "app/time_service.h"

#include <QElapsedTimer>

namespace xtr::ui {

class QtTimeService : public TimeService {
public:
    QtTimeService();
    uint32_t TickCount() override;
    std::unique_ptr<Timer> CreateTimer() override;

private:
    QElapsedTimer clock_;
};

}  // namespace xtr::ui
