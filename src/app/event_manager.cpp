// The event manager: listener list, sends, the queue of posted events and
// its dispatch round. Removal of a listener is only marked while anything is
// being delivered, so listeners may register and unregister themselves or
// each other from inside a listener function.
#include "app/events.h"

#include "app/task.h"

#include <algorithm>

namespace xtr {
namespace {

constexpr int32_t kRoundPeriodMs = 10;

cmcEvent MakeEvent(uint8_t type, uint8_t mode, std::uintptr_t object, int32_t value)
{
    cmcEvent event;
    event.type = type;
    event.mode = mode;
    event.object = object;
    event.value = value;
    return event;
}

// A text travels with its terminating zero byte.
void AttachText(cmcEvent& event, std::string_view text)
{
    event.data.assign(text.begin(), text.end());
    event.data.push_back(0);
}

}  // namespace

cmcEvMan::cmcEvMan() : task_(new cmcTask())
{
    task_->SetHandler(&cmcEvMan::RoundHandler, this);
    task_->SetPeriod(kRoundPeriodMs);
}

cmcEvMan::~cmcEvMan()
{
    cmcTask::Release(task_);
    // Whatever is still queued is dropped undelivered; the listener entries
    // and the answer tree go with the members.
    queue_.clear();
    listeners_.clear();
    current_ = &root_;
    root_.DropChildren();
}

void cmcEvMan::Register(Listener listener, void* context)
{
    if (listener == nullptr) {
        return;
    }
    Unregister(listener, context);
    listeners_.push_front(Entry{listener, context, false});
}

void cmcEvMan::Unregister(Listener listener, void* context)
{
    for (Entry& entry : listeners_) {
        if (entry.listener == listener && entry.context == context) {
            entry.removed = true;
        }
    }
}

void cmcEvMan::Send(uint8_t type, std::uintptr_t object, int32_t value)
{
    Deliver(MakeEvent(type, kEvModeSent, object, value));
}

void cmcEvMan::SendText(uint8_t type, std::uintptr_t object, int32_t value, std::string_view text)
{
    cmcEvent event = MakeEvent(type, kEvModeSent, object, value);
    AttachText(event, text);
    Deliver(event);
}

void cmcEvMan::Post(uint8_t type, std::uintptr_t object, int32_t value)
{
    Enqueue(MakeEvent(type, kEvModePosted, object, value));
}

void cmcEvMan::PostText(uint8_t type, std::uintptr_t object, int32_t value, std::string_view text)
{
    cmcEvent event = MakeEvent(type, kEvModePosted, object, value);
    AttachText(event, text);
    Enqueue(std::move(event));
}

void cmcEvMan::PostData(uint8_t type, const void* data, int32_t length)
{
    cmcEvent event = MakeEvent(type, kEvModePosted, 0, 0);
    if (data != nullptr && length > 0) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        event.data.assign(bytes, bytes + length);
    }
    Enqueue(std::move(event));
}

void cmcEvMan::Enqueue(cmcEvent event)
{
    queue_.push_back(Queued{std::move(event), false, true});
}

void cmcEvMan::Deliver(const cmcEvent& event)
{
    // Entries are never unlinked while a delivery runs, and new ones go to
    // the front, so the iterator stays valid whatever the listeners do.
    ++delivering_;
    for (auto it = listeners_.begin(); it != listeners_.end(); ++it) {
        if (!it->removed) {
            it->listener(it->context, event);
        }
    }
    --delivering_;
}

void cmcEvMan::RoundHandler(void* context, cmcTask* /*task*/)
{
    static_cast<cmcEvMan*>(context)->DispatchRound();
}

void cmcEvMan::DispatchRound()
{
    for (Queued& queued : queue_) {
        queued.fresh = false;
    }
    // Events posted by listeners during the walk are appended as fresh and
    // wait for the next round. A deque keeps references to its elements
    // valid when appending, so the event being delivered stays in place.
    for (size_t i = 0; i < queue_.size(); ++i) {
        Queued& queued = queue_[i];
        if (queued.done || queued.fresh) {
            continue;
        }
        queued.done = true;
        Deliver(queued.event);
    }
    std::erase_if(queue_, [](const Queued& queued) { return queued.done; });
    FreeRemovedListeners();
}

void cmcEvMan::FreeRemovedListeners()
{
    // A send whose listener runs a modal loop is still walking the list;
    // its entries are freed by a later round.
    if (delivering_ > 0) {
        return;
    }
    listeners_.remove_if([](const Entry& entry) { return entry.removed; });
}

}  // namespace xtr
