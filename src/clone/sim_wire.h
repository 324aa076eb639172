// One direction of a simulated serial line. Bytes put on it arrive one by
// one, each after the time ten bits take at the sender's speed (start bit,
// eight data bits, stop bit), or at once when wire time is off. Every byte
// keeps the speed it was sent at, so a receiver set to another speed can
// tell that it would only see garbage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace xtr {

struct WireByte {
    uint8_t value;
    uint32_t baud;
    // A second speed the byte may have been sent at, when the sender changed
    // its speed around the time it sent the byte and no one can tell which
    // came first (0: none).
    uint32_t otherBaud = 0;
};

class SimWire {
public:
    void SetTimed(bool timed) { timed_ = timed; }
    bool Timed() const { return timed_; }

    // Puts bytes on the line at nowNs, behind whatever is still travelling;
    // otherBaud as in WireByte (they travel at baud).
    void Send(const uint8_t* bytes, size_t count, uint32_t baud, uint64_t nowNs, uint32_t otherBaud = 0);
    // Moves the bytes that have arrived by nowNs to out, in order.
    void Deliver(uint64_t nowNs, std::vector<WireByte>& out);
    // Bytes not yet handed out by Deliver.
    size_t Travelling() const { return queue_.size(); }
    void Clear();

    // Nanoseconds one byte takes at the speed.
    static uint64_t ByteTimeNs(uint32_t baud);

private:
    struct Entry {
        WireByte byte;
        uint64_t arrival;
    };
    std::deque<Entry> queue_;
    uint64_t busyUntil_ = 0;
    bool timed_ = true;
};

}  // namespace xtr
