#include "overlay/line_cache.h"

namespace xtr {

std::size_t LineCache::SlotOf(std::int64_t start)
{
    return static_cast<std::size_t>((static_cast<std::uint64_t>(start) * 0x9E3779B97F4A7C15u) >> 56) % kSlots;
}

std::size_t LineCache::FindSlot(std::int64_t start) const
{
    for (std::size_t slot = SlotOf(start); used_[slot]; slot = (slot + 1) % kSlots) {
        if (slots_[slot]->start == start) {
            return slot;
        }
    }
    return kSlots;
}

// Empties a slot and moves later lines of its probe run back, so that every
// line stays reachable from its own slot without passing an empty one.
void LineCache::Unindex(std::size_t slot)
{
    used_[slot] = false;
    for (std::size_t next = (slot + 1) % kSlots; used_[next]; next = (next + 1) % kSlots) {
        const std::size_t home = SlotOf(slots_[next]->start);
        // The line at next may fill the hole unless its home lies after the
        // hole on the way round to next.
        const bool homeBetween = slot <= next ? (home > slot && home <= next) : (home > slot || home <= next);
        if (!homeBetween) {
            slots_[slot] = slots_[next];
            used_[slot] = true;
            used_[next] = false;
            slot = next;
        }
    }
}

const LineCache::Line* LineCache::Find(std::int64_t start)
{
    const std::size_t slot = FindSlot(start);
    if (slot == kSlots) {
        return nullptr;
    }
    lines_.splice(lines_.begin(), lines_, slots_[slot]);
    return &lines_.front();
}

const LineCache::Line& LineCache::Store(std::int64_t start, std::int64_t bytes, const std::string& text)
{
    const std::size_t existing = FindSlot(start);
    if (existing != kSlots) {
        lines_.splice(lines_.begin(), lines_, slots_[existing]);
    } else {
        if (lines_.size() < kCapacity) {
            lines_.emplace_front();
        } else {
            // Reuse the least recently used line.
            lines_.splice(lines_.begin(), lines_, std::prev(lines_.end()));
            Unindex(FindSlot(lines_.front().start));
        }
        std::size_t slot = SlotOf(start);
        while (used_[slot]) {
            slot = (slot + 1) % kSlots;
        }
        slots_[slot] = lines_.begin();
        used_[slot] = true;
    }
    Line& line = lines_.front();
    line.start = start;
    line.bytes = bytes;
    line.text = text;
    return line;
}

}  // namespace xtr
