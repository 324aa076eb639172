// The clone commands as chains of operations on one clone manager: every
// command identifies the radio first and goes on only when the radio is one
// this program can clone; a read then brings the clone area, a write
// prepares the image and sends its ranges. The desktop program's clone
// commands and the command-line tool share these chains.
#pragma once

#include "clone/clone_result.h"
#include "image/range_list.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace xtr {

class cmcEeprom;
class indCloneMan;

class CloneChain {
public:
    // Called once when the chain ends, with the record of its last
    // operation (valid only during the call); nullptr when the chain stopped
    // without an operation to report, because the manager was busy. A failed
    // operation has already shown its message.
    using Done = std::function<void(const dst_CDrv_Result* result)>;
    // Brings the image into its canonical form before it is written.
    using Prepare = std::function<void(cmcEeprom& image)>;

    CloneChain(indCloneMan& manager, int32_t modelCode, int32_t extraCode);
    ~CloneChain();
    CloneChain(const CloneChain&) = delete;
    CloneChain& operator=(const CloneChain&) = delete;

    // Each returns false, doing nothing, while the manager or this chain is
    // busy.
    bool Identify(Done done);
    // Identify, then read the clone area into an image of imageSize bytes
    // (the result's image).
    bool Read(int32_t imageSize, Done done);
    // Identify, then prepare the image (which must outlive the chain's
    // run) and write its ranges. The image is prepared only once the radio
    // has answered, so a missing radio leaves it untouched.
    bool Write(cmcEeprom& image, RangeList ranges, Prepare prepare, Done done);

    bool Running() const { return step_ != Step::Idle; }

private:
    // The operation running (step_) and what follows the identify (next_;
    // Identify there means nothing follows).
    enum class Step { Idle, Identify, Read, Write };

    static void OnIdentified(void* context, dst_CDrv_Result* result);
    static void OnFinished(void* context, dst_CDrv_Result* result);
    bool Start(Step next, Done done);
    void End(const dst_CDrv_Result* result);

    indCloneMan& manager_;
    int32_t modelCode_;
    int32_t extraCode_;
    Step step_ = Step::Idle;
    Step next_ = Step::Idle;
    int32_t imageSize_ = 0;
    cmcEeprom* image_ = nullptr;
    std::vector<RangePair> ranges_;
    Prepare prepare_;
    Done done_;
};

}  // namespace xtr
