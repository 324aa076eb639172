// The byte buffer behind serial streams and protocol frames. Bytes are taken
// from the front by moving the head inside the block; the block is only
// rebuilt once the unused space before the head passes 4096 bytes, so a
// receive stream costs no copy per byte.
#include "image/buff.h"
#include "app/text_util.h"

#include "app/fatal.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace xtr {
namespace {

constexpr int32_t kCompactAfter = 4096;

// True when p points into the n bytes from start.
bool PointsInto(const uint8_t* p, const uint8_t* start, int32_t n)
{
    return std::less_equal<const uint8_t*>()(start, p) && std::less<const uint8_t*>()(p, start + n);
}

}  // namespace

cmcBuff::cmcBuff()
{
    Clear();
}

cmcBuff::cmcBuff(const cmcBuff& other)
{
    Clear();
    Assign(other);
}

cmcBuff& cmcBuff::operator=(const cmcBuff& other)
{
    Assign(other);
    return *this;
}

cmcBuff::~cmcBuff() = default;

void cmcBuff::Clear()
{
    block_ = std::make_unique<uint8_t[]>(1);  // value-initialised: 0x00
    head_ = block_.get();
    length_ = 0;
    capacity_ = 1;
    fill_ = 0;
}

int32_t cmcBuff::SetLength(int32_t n)
{
    // A negative length would make every later copy run wild.
    n = std::max(n, int32_t{0});
    if (capacity_ < n) {
        const int64_t wanted = std::max<int64_t>(int64_t{n} + length_ / 4, 1);
        const int32_t size = static_cast<int32_t>(std::min<int64_t>(wanted, std::numeric_limits<int32_t>::max()));
        auto block = std::make_unique<uint8_t[]>(static_cast<size_t>(size));
        std::memcpy(block.get(), head_, static_cast<size_t>(length_));
        std::memset(block.get() + length_, fill_, static_cast<size_t>(size - length_));
        block_ = std::move(block);
        head_ = block_.get();
        capacity_ = size;
    }
    length_ = n;
    return length_;
}

void cmcBuff::Assign(const cmcBuff& other)
{
    if (&other == this) {
        return;
    }
    AssignBytes(other.head_, other.length_);
}

void cmcBuff::Append(const cmcBuff& other)
{
    AppendBytes(other.head_, other.length_);
}

void cmcBuff::AppendByte(uint8_t b)
{
    AppendRepeated(b, 1);
}

void cmcBuff::AssignBytes(const uint8_t* source, int32_t n)
{
    n = std::max(n, int32_t{0});
    if (n > 0 && PointsInto(source, block_.get(), HeadOffset() + capacity_)) {
        // The source is a part of this buffer, which growing may free.
        const std::vector<uint8_t> copy(source, source + n);
        AssignBytes(copy.data(), n);
        return;
    }
    SetLength(n);
    if (n > 0) {
        std::memcpy(head_, source, static_cast<size_t>(n));
    }
}

void cmcBuff::AppendBytes(const uint8_t* source, int32_t n)
{
    if (n <= 0 || source == nullptr) {
        return;
    }
    if (PointsInto(source, block_.get(), HeadOffset() + capacity_)) {
        // Growing may free the block the source lives in: copy it out first.
        const std::vector<uint8_t> copy(source, source + n);
        AppendBytes(copy.data(), n);
        return;
    }
    const int32_t old = length_;
    SetLength(old + n);
    std::memcpy(head_ + old, source, static_cast<size_t>(n));
}

void cmcBuff::AppendRepeated(uint8_t b, int32_t n)
{
    if (n <= 0) {
        return;
    }
    const int32_t old = length_;
    SetLength(old + n);
    std::memset(head_ + old, b, static_cast<size_t>(n));
}

uint8_t* cmcBuff::Element(int32_t i)
{
    if (i < 0 || i >= length_) {
        Fatal("Out of cmcBuff element !");
    }
    return head_ + i;
}

const uint8_t* cmcBuff::Element(int32_t i) const
{
    if (i < 0 || i >= length_) {
        Fatal("Out of cmcBuff element !");
    }
    return head_ + i;
}

void cmcBuff::Compact()
{
    const int32_t size = std::max(length_, int32_t{1});
    auto block = std::make_unique<uint8_t[]>(static_cast<size_t>(size));
    std::memcpy(block.get(), head_, static_cast<size_t>(length_));
    block_ = std::move(block);
    head_ = block_.get();
    capacity_ = size;
}

int cmcBuff::TakeFront()
{
    if (length_ <= 0) {
        return -1;
    }
    const int value = *head_;
    ++head_;
    --capacity_;
    --length_;
    if (HeadOffset() > kCompactAfter) {
        Compact();
    }
    return value;
}

void cmcBuff::FromHexText(std::string_view text)
{
    cmcBuff result;
    int high = -1;
    for (const char c : text) {
        const int nibble = HexDigitValue(c);
        if (nibble < 0) {
            continue;
        }
        if (high < 0) {
            high = nibble;
        } else {
            result.AppendByte(static_cast<uint8_t>(high << 4 | nibble));
            high = -1;
        }
    }
    if (high >= 0) {
        result.AppendByte(static_cast<uint8_t>(high << 4));
    }
    Assign(result);
}

int GetNibble(const uint8_t* bytes, int n)
{
    const uint8_t b = bytes[n / 2];
    return (n % 2 == 0) ? (b >> 4) : (b & 0x0F);
}

int SetNibble(uint8_t* bytes, int n, int v)
{
    uint8_t& b = bytes[n / 2];
    const uint8_t nibble = static_cast<uint8_t>(v & 0x0F);
    b = (n % 2 == 0) ? static_cast<uint8_t>((b & 0x0F) | nibble << 4) : static_cast<uint8_t>((b & 0xF0) | nibble);
    return n;
}

}  // namespace xtr
