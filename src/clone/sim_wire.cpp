#include "clone/sim_wire.h"

#include <algorithm>

namespace xtr {

uint64_t SimWire::ByteTimeNs(uint32_t baud)
{
    return 10ull * 1000000000ull / std::max<uint32_t>(baud, 1);
}

void SimWire::Send(const uint8_t* bytes, size_t count, uint32_t baud, uint64_t nowNs, uint32_t otherBaud)
{
    const uint64_t byteTime = ByteTimeNs(baud);
    uint64_t at = std::max(busyUntil_, nowNs);
    for (size_t i = 0; i < count; ++i) {
        if (timed_) {
            at += byteTime;
        } else {
            at = nowNs;
        }
        queue_.push_back({{bytes[i], baud, otherBaud}, at});
    }
    busyUntil_ = at;
}

void SimWire::Deliver(uint64_t nowNs, std::vector<WireByte>& out)
{
    while (!queue_.empty() && queue_.front().arrival <= nowNs) {
        out.push_back(queue_.front().byte);
        queue_.pop_front();
    }
}

void SimWire::Clear()
{
    queue_.clear();
    busyUntil_ = 0;
}

}  // namespace xtr
