#include "ui/qt_time_service.h"

#include <QTimer>

namespace xtr::ui {
namespace {

class QtTimer : public Timer {
public:
    QtTimer()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
    }
    void Start(int intervalMs) override { timer_.start(intervalMs < 1 ? 1 : intervalMs); }
    void Stop() override { timer_.stop(); }
    bool Enabled() const override { return timer_.isActive(); }
    int Interval() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

}  // namespace

QtTimeService::QtTimeService() { clock_.start(); }

uint32_t QtTimeService::TickCount() { return static_cast<uint32_t>(clock_.elapsed()); }

std::unique_ptr<Timer> QtTimeService::CreateTimer() { return std::make_unique<QtTimer>(); }

}  // namespace xtr::ui
