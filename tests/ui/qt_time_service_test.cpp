// The desktop program's timers: a task freed from inside its own handler
// (which runs inside its QTimer's timeout) leaves the QTimer stopped to the
// event loop instead of deleting it in the middle of its own signal.
#include "qt_app.h"

#include "app/task.h"
#include "ui/qt_time_service.h"

#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

namespace xtr::test {
namespace {

using namespace std::chrono_literals;

// Notes the deferred deletion of the object it watches.
class DeletionWitness : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::DeferredDelete) {
            ++deferred;
        }
        return false;
    }
    int deferred = 0;
};

struct Owner {
    cmcTask* task = nullptr;
    int runs = 0;
    static void ReleaseItself(void* context, cmcTask*)
    {
        auto* owner = static_cast<Owner*>(context);
        ++owner->runs;
        cmcTask::Release(owner->task);
    }
};

class QtTimeServiceTest : public ::testing::Test {
protected:
    QtTimeServiceTest() : previous_(SetTimeService((QtApp(), &service))) {}
    ~QtTimeServiceTest() override { SetTimeService(previous_); }

    // Runs Qt's events until done() holds; the limit only ends a hung test.
    template <typename Done>
    bool ProcessUntil(Done done)
    {
        const auto limit = std::chrono::steady_clock::now() + 30s;
        while (!done()) {
            if (std::chrono::steady_clock::now() > limit) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }
    int QTimers() { return static_cast<int>(service.TimerParent().findChildren<QTimer*>().size()); }

    ui::QtTimeService service;

private:
    TimeService* previous_;
};

TEST_F(QtTimeServiceTest, TaskFreedFromItsOwnHandlerLeavesItsTimerToTheEventLoop)
{
    Owner owner;
    owner.task = new cmcTask();
    owner.task->SetHandler(&Owner::ReleaseItself, &owner);
    ASSERT_EQ(QTimers(), 1);
    QPointer<QTimer> timer = service.TimerParent().findChild<QTimer*>();
    DeletionWitness witness;
    timer->installEventFilter(&witness);
    owner.task->SetPeriod(1);
    ASSERT_TRUE(ProcessUntil([&] { return owner.runs > 0; }));
    EXPECT_EQ(owner.task, nullptr);

    // The task went at once; its QTimer outlived its own signal and was
    // deleted by the event loop afterwards, without firing again.
    ASSERT_TRUE(ProcessUntil([&] { return timer.isNull(); }));
    EXPECT_EQ(witness.deferred, 1);
    EXPECT_EQ(owner.runs, 1);
    EXPECT_EQ(QTimers(), 0);
}

TEST_F(QtTimeServiceTest, TaskFreedOutsideItsHandlerTakesItsTimerAtOnce)
{
    int runs = 0;
    auto task = std::make_unique<cmcTask>();
    task->SetHandler([](void* c, cmcTask*) { ++*static_cast<int*>(c); }, &runs);
    task->SetPeriod(1);
    ASSERT_TRUE(ProcessUntil([&] { return runs >= 2; }));
    cmcTask::Release(task);
    EXPECT_EQ(QTimers(), 0);
}

TEST_F(QtTimeServiceTest, ServiceGoingFirstLeavesItsTimersHarmless)
{
    auto own = std::make_unique<ui::QtTimeService>();
    std::unique_ptr<Timer> timer = own->CreateTimer();
    timer->Start(5);
    EXPECT_TRUE(timer->Enabled());
    own.reset();
    EXPECT_FALSE(timer->Enabled());
    timer->Start(5);  // nothing left to start
    EXPECT_FALSE(timer->Enabled());
}

}  // namespace
}  // namespace xtr::test
