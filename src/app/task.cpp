#include "app/task.h"

#include <algorithm>

namespace xtr {

cmcTask::cmcTask() : timer_(Time().CreateTimer())
{
    timer_->SetCallback([this] { Dispatch(); });
    SetPeriod(-1);
}

cmcTask::~cmcTask() = default;

void cmcTask::SetHandler(Handler handler, void* context)
{
    handler_ = handler;
    context_ = context;
}

bool cmcTask::SetPeriod(int32_t ms)
{
    period_ = ms;
    if (ms < 0) {
        timer_->Stop();
    } else {
        timer_->Start(std::max(ms, 1));
    }
    stopped_ = timer_->Enabled() ? 0 : 1;
    return stopped_ != 0;
}

void cmcTask::Stop()
{
    handler_ = nullptr;
    context_ = nullptr;
    SetPeriod(-1);
}

void cmcTask::Dispatch()
{
    // A timer event that arrives while the handler runs (a nested message
    // loop inside it) is dropped, neither queued nor caught up.
    if (busy_ != 0 || handler_ == nullptr) {
        return;
    }
    busy_ = 1;
    handler_(context_, this);
    busy_ = 0;
    if (orphaned_) {
        delete this;  // released by its owner while the handler ran
    }
}

void cmcTask::Release(cmcTask*& task)
{
    if (task == nullptr) {
        return;
    }
    task->Stop();
    if (task->Busy()) {
        task->orphaned_ = true;
    } else {
        delete task;
    }
    task = nullptr;
}

void cmcTask::Release(std::unique_ptr<cmcTask>& task)
{
    if (!task) {
        return;
    }
    cmcTask* raw = task.release();
    Release(raw);
}

}  // namespace xtr
