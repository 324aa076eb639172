#include "overlay/hash.h"

#include "app/fatal.h"

namespace xtr {

std::uint32_t HashBucket(std::string_view name, std::uint32_t bucketCount)
{
    const std::uint32_t n = bucketCount == 0 ? detail::HashChains<int>::kDefaultBuckets : bucketCount;
    std::uint32_t h = 0;  // wraps
    std::uint32_t k = n / 2;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<std::int32_t>(static_cast<std::int8_t>(name[i]));
        h = 2 * h + k + static_cast<std::uint32_t>(c);
        // The character after the last one is the terminating zero.
        const unsigned char following = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if ((following & 1) != 0) {
            k /= 2;
            if (k == 0) {
                k = n / 2;
            }
        }
    }
    return h % n;
}

namespace detail {

void DuplicateHashName(const char* message) { Fatal(message); }

}  // namespace detail

}  // namespace xtr
