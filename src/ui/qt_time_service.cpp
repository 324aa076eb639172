#include "ui/qt_time_service.h"

#include <QPointer>
#include <QTimer>

#include <memory>

namespace xtr::ui {
namespace {

// A timer over a QTimer. A task may be freed by its own handler, which runs
// inside the QTimer's timeout signal; a QObject must not be deleted while
// it emits, so the QTimer of a timer freed there is stopped, cut off and
// left to the event loop to delete.
class QtTimer : public Timer {
public:
    explicit QtTimer(QObject& parent) : timer_(new QTimer(&parent)), alive_(std::make_shared<bool>(true))
    {
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, timer_, [this, alive = alive_] {
            const std::shared_ptr<bool> stillAlive = alive;  // the slot may be disconnected by the callback
            firing_ = true;
            Fire();
            if (*stillAlive) {
                firing_ = false;
            }
        });
    }
    ~QtTimer() override
    {
        *alive_ = false;
        if (timer_.isNull()) {
            return;  // the service went first and took its QTimers along
        }
        timer_->stop();
        QObject::disconnect(timer_, nullptr, nullptr, nullptr);
        if (firing_) {
            timer_->deleteLater();
        } else {
            delete timer_.data();
        }
    }
    void Start(int intervalMs) override
    {
        if (timer_) {
            timer_->start(intervalMs < 1 ? 1 : intervalMs);
        }
    }
    void Stop() override
    {
        if (timer_) {
            timer_->stop();
        }
    }
    bool Enabled() const override { return timer_ && timer_->isActive(); }
    int Interval() const override { return timer_ ? timer_->interval() : 0; }

private:
    QPointer<QTimer> timer_;
    std::shared_ptr<bool> alive_;
    bool firing_ = false;
};

}  // namespace

QtTimeService::QtTimeService() { clock_.start(); }

uint32_t QtTimeService::TickCount() { return static_cast<uint32_t>(clock_.elapsed()); }

std::unique_ptr<Timer> QtTimeService::CreateTimer() { return std::make_unique<QtTimer>(parent_); }

}  // namespace xtr::ui
