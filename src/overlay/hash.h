// cmcHash and cmcHash2: small chained hash tables that turn names into
// numbers (cell, category and colour names) and into selection tables. Names
// are compared exactly, case included; a name may be inserted once only, a
// second insert points at a wrong name table in the build and is fatal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

// Bucket of name in a table of bucketCount buckets (0 means 1031). Each
// character, taken as a signed 8-bit number, is added to twice the running
// sum together with a step k that starts at half the bucket count and halves
// whenever the following character is odd (back to half the count when it
// reaches 0).
std::uint32_t HashBucket(std::string_view name, std::uint32_t bucketCount);

namespace detail {

[[noreturn]] void DuplicateHashName(const char* message);

// The chains shared by both tables. New entries go to the head of their
// bucket.
template <typename V>
class HashChains {
public:
    struct Entry {
        std::string name;
        V value;
        Entry* next;
    };

    static constexpr std::uint32_t kDefaultBuckets = 1031;

    explicit HashChains(std::uint32_t bucketCount)
        : heads_(bucketCount == 0 ? kDefaultBuckets : bucketCount, nullptr)
    {
    }
    ~HashChains()
    {
        for (Entry* entry : heads_) {
            while (entry != nullptr) {
                Entry* next = entry->next;
                delete entry;
                entry = next;
            }
        }
    }
    HashChains(const HashChains&) = delete;
    HashChains& operator=(const HashChains&) = delete;

    std::uint32_t BucketCount() const { return static_cast<std::uint32_t>(heads_.size()); }
    std::size_t Size() const { return size_; }

    const Entry* Find(std::string_view name) const
    {
        for (const Entry* entry = heads_[HashBucket(name, BucketCount())]; entry != nullptr; entry = entry->next) {
            if (entry->name == name) {
                return entry;
            }
        }
        return nullptr;
    }

    void Insert(std::string_view name, V value, const char* duplicateMessage)
    {
        if (Find(name) != nullptr) {
            DuplicateHashName(duplicateMessage);
        }
        Entry*& head = heads_[HashBucket(name, BucketCount())];
        head = new Entry{std::string(name), value, head};
        ++size_;
    }

private:
    std::vector<Entry*> heads_;
    std::size_t size_ = 0;
};

}  // namespace detail

// Name -> signed 32-bit value.
class cmcHash {
public:
    using Entry = detail::HashChains<std::int32_t>::Entry;

    explicit cmcHash(std::uint32_t bucketCount = 0) : chains_(bucketCount) {}

    // A name already present is fatal ("Overlapped Hash table.").
    void Insert(std::string_view name, std::int32_t value) { chains_.Insert(name, value, "Overlapped Hash table."); }
    // The entry of name, or nullptr.
    const Entry* Find(std::string_view name) const { return chains_.Find(name); }

    std::uint32_t BucketCount() const { return chains_.BucketCount(); }
    std::size_t Size() const { return chains_.Size(); }
    static std::uint32_t Bucket(std::string_view name, std::uint32_t bucketCount)
    {
        return HashBucket(name, bucketCount);
    }

private:
    detail::HashChains<std::int32_t> chains_;
};

// Name -> table object of type T, which the hash does not own.
template <typename T>
class cmcHash2 {
public:
    using Entry = typename detail::HashChains<T*>::Entry;

    explicit cmcHash2(std::uint32_t bucketCount = 0) : chains_(bucketCount) {}

    // A name already present is fatal ("Overlapped Hash2 table.").
    void Insert(std::string_view name, T* table) { chains_.Insert(name, table, "Overlapped Hash2 table."); }
    // The entry of name, or nullptr.
    const Entry* Find(std::string_view name) const { return chains_.Find(name); }

    std::uint32_t BucketCount() const { return chains_.BucketCount(); }
    std::size_t Size() const { return chains_.Size(); }
    static std::uint32_t Bucket(std::string_view name, std::uint32_t bucketCount)
    {
        return HashBucket(name, bucketCount);
    }

private:
    detail::HashChains<T*> chains_;
};

}  // namespace xtr
