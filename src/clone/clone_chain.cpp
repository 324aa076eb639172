#include "clone/clone_chain.h"

#include "clone/clone_manager.h"
#include "image/eeprom.h"

namespace xtr {

CloneChain::CloneChain(indCloneMan& manager, int32_t modelCode, int32_t extraCode)
    : manager_(manager), modelCode_(modelCode), extraCode_(extraCode)
{
}

CloneChain::~CloneChain() = default;

bool CloneChain::Identify(Done done)
{
    return Start(Step::Identify, std::move(done));
}

bool CloneChain::Read(int32_t imageSize, Done done)
{
    imageSize_ = imageSize;
    return Start(Step::Read, std::move(done));
}

bool CloneChain::Write(cmcEeprom& image, RangeList ranges, Prepare prepare, Done done)
{
    if (Running() || manager_.IsBusy()) {
        return false;
    }
    image_ = &image;
    ranges_.clear();
    ForEachRange(ranges, [this](const RangePair& pair) {
        ranges_.push_back(pair);
        return true;
    });
    ranges_.push_back(kRangeEnd);
    prepare_ = std::move(prepare);
    return Start(Step::Write, std::move(done));
}

bool CloneChain::Start(Step next, Done done)
{
    if (Running() || manager_.IsBusy()) {
        return false;
    }
    manager_.SetTarget(modelCode_, extraCode_);
    step_ = Step::Identify;
    next_ = next;
    done_ = std::move(done);
    if (!manager_.RunIdentify(&CloneChain::OnIdentified, this)) {
        step_ = Step::Idle;
        done_ = nullptr;
        return false;
    }
    return true;
}

void CloneChain::OnIdentified(void* context, dst_CDrv_Result* result)
{
    auto* self = static_cast<CloneChain*>(context);
    if (result->code != kCloneOk || self->next_ == Step::Identify) {
        self->End(result);
        return;
    }
    if (self->manager_.IsBusy()) {
        self->End(nullptr);
        return;
    }
    bool started = false;
    if (self->next_ == Step::Read) {
        self->manager_.SetImageSize(self->imageSize_);
        self->step_ = Step::Read;
        started = self->manager_.RunRead(kCloneReadRanges, &CloneChain::OnFinished, self);
    } else {
        self->manager_.SetImageSize(self->image_->Size());
        if (self->prepare_) {
            self->prepare_(*self->image_);
        }
        self->step_ = Step::Write;
        started = self->manager_.RunWrite(*self->image_, self->ranges_, &CloneChain::OnFinished, self);
    }
    if (!started) {
        self->End(nullptr);
    }
}

void CloneChain::OnFinished(void* context, dst_CDrv_Result* result)
{
    static_cast<CloneChain*>(context)->End(result);
}

void CloneChain::End(const dst_CDrv_Result* result)
{
    step_ = Step::Idle;
    next_ = Step::Idle;
    image_ = nullptr;
    prepare_ = nullptr;
    Done done = std::move(done_);
    done_ = nullptr;
    // The caller may start the next chain (or drop this one) from here.
    if (done) {
        done(result);
    }
}

}  // namespace xtr
