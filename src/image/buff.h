// cmcBuff: a growable byte string with take-from-front, used for serial
// streams, protocol frames and page splits. Growth and compaction follow a
// fixed schedule (new capacity = wanted length + old length / 4; compaction
// once more than 4096 bytes have been taken from the front of the block).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace xtr {

class cmcBuff {
public:
    cmcBuff();
    cmcBuff(const cmcBuff& other);
    cmcBuff& operator=(const cmcBuff& other);
    ~cmcBuff();

    // Frees the block and starts again with 1 byte, length 0.
    void Clear();
    // Grows (with the schedule above) or shrinks the data; returns the length.
    int32_t SetLength(int32_t n);
    int32_t Length() const { return length_; }
    int32_t Capacity() const { return capacity_; }
    uint8_t* Data() { return head_; }
    const uint8_t* Data() const { return head_; }
    // Offset of the data's first byte inside its block (0 after compaction).
    int32_t HeadOffset() const { return static_cast<int32_t>(head_ - block_.get()); }

    void Assign(const cmcBuff& other);
    void Append(const cmcBuff& other);
    void AppendByte(uint8_t b);
    void AssignBytes(const uint8_t* source, int32_t n);
    void AppendBytes(const uint8_t* source, int32_t n);
    void AppendRepeated(uint8_t b, int32_t n);

    // Pointer to data byte i; fatal when i >= length.
    uint8_t* Element(int32_t i);
    const uint8_t* Element(int32_t i) const;

    // Reallocates to exactly the length (at least 1 byte).
    void Compact();
    // The first byte (0-255), removed; -1 when empty.
    int TakeFront();
    // Hex digits pair into bytes, high nibble first; other characters are
    // skipped; a final lone nibble becomes the high half of a byte.
    void FromHexText(std::string_view text);

private:
    std::unique_ptr<uint8_t[]> block_;
    uint8_t* head_ = nullptr;
    int32_t length_ = 0;
    int32_t capacity_ = 0;
    uint8_t fill_ = 0;
};

// Nibble n of a byte array: byte n / 2, high nibble for even n.
int GetNibble(const uint8_t* bytes, int n);
// Stores v & 0x0F at nibble n, keeping the other half; returns n.
int SetNibble(uint8_t* bytes, int n, int v);

}  // namespace xtr
