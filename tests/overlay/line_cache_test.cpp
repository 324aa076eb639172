// The body-line cache: lines found by their start offset, the least recently
// used one making room when the cache is full.
#include "overlay/line_cache.h"

#include <gtest/gtest.h>

#include <string>

namespace xtr {
namespace {

TEST(LineCache, FindsWhatItHoldsAndForgetsTheLeastRecentlyUsed)
{
    LineCache cache;
    EXPECT_EQ(cache.Find(0), nullptr);
    // Offsets as a walk through lines of 10 bytes gives them.
    for (std::int64_t n = 0; n < static_cast<std::int64_t>(LineCache::kCapacity); ++n) {
        cache.Store(n * 10, 10, "line " + std::to_string(n) + "\n");
    }
    EXPECT_EQ(cache.Count(), LineCache::kCapacity);
    for (std::int64_t n = 0; n < static_cast<std::int64_t>(LineCache::kCapacity); ++n) {
        const LineCache::Line* line = cache.Find(n * 10);
        ASSERT_NE(line, nullptr) << n;
        EXPECT_EQ(line->text, "line " + std::to_string(n) + "\n");
        EXPECT_EQ(line->bytes, 10);
        EXPECT_EQ(cache.Find(n * 10 + 5), nullptr) << "no line starts inside another";
    }
    // Line 0 was used longest ago: a new line takes its place.
    cache.Store(10000, 3, "new\n");
    EXPECT_EQ(cache.Count(), LineCache::kCapacity);
    EXPECT_EQ(cache.Find(0), nullptr);
    ASSERT_NE(cache.Find(10000), nullptr);
    EXPECT_EQ(cache.Find(10000)->text, "new\n");
    ASSERT_NE(cache.Find(10), nullptr);
    // The evicted line read again is cached again, the oldest (line 2) going.
    cache.Store(0, 10, "line 0\n");
    ASSERT_NE(cache.Find(0), nullptr);
    EXPECT_EQ(cache.Find(20), nullptr);
    EXPECT_NE(cache.Find(30), nullptr);
}

}  // namespace
}  // namespace xtr
