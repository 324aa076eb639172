// The body-line cache: lines found by their start offset, the least recently
// used one making room when the cache is full.
#include "overlay/line_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

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

TEST(LineCache, AgreesWithAPlainListOverALongMixedRun)
{
    // Starts drawn from a small range, so that lines collide in the index,
    // are found, evicted and stored again many times; a plain list searched
    // front to back is the model.
    LineCache cache;
    std::vector<std::int64_t> model;  // most recently used first
    std::uint32_t seed = 12345;
    for (int step = 0; step < 20000; ++step) {
        seed = seed * 1103515245u + 12345u;
        const std::int64_t start = static_cast<std::int64_t>((seed >> 16) % 200) * 7;
        const auto inModel = std::find(model.begin(), model.end(), start);
        const LineCache::Line* line = cache.Find(start);
        ASSERT_EQ(line != nullptr, inModel != model.end()) << "step " << step;
        if (line != nullptr) {
            ASSERT_EQ(line->text, std::to_string(start)) << "step " << step;
            model.erase(inModel);
        } else {
            cache.Store(start, 7, std::to_string(start));
            if (model.size() == LineCache::kCapacity) {
                model.pop_back();
            }
        }
        model.insert(model.begin(), start);
        ASSERT_EQ(cache.Count(), model.size());
    }
}

}  // namespace
}  // namespace xtr
