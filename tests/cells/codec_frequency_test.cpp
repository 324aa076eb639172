// The frequency codec: entries fitted to the channel raster, the transmit
// frequency following the receive one, and what the cells show.
#include "cell_rig.h"

#include "cells/codecs/codec_frequency.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRequest;

datChFreq Channel(std::uint32_t rx, std::uint32_t tx, bool inUse = true)
{
    return datChFreq{rx, tx, inUse};
}

TEST(FrequencyCodec, EntriesAreFittedToTheChannelRasterOrRefused)
{
    const struct {
        const char* typed;
        std::uint32_t stored;  // 0: refused
    } kEntries[] = {
        {"450.1", 450'100'000},      {"450.10001", 0},  // nothing on the raster in 450.100010-019
        {"450.00625", 450'006'250},  {"450.003", 450'003'125},  // 1 kHz of room after the typed digits
        {"145.2125 MHz", 145'212'500}, {"900", 0},      // entries lie below 800 MHz
        {"MHz", 0},                  {"-", 0},          // no digit: no frequency, not 0 MHz
        {"<-", 0},                   {".", 0},
    };
    for (const auto& entry : kEntries) {
        GridRequest g;
        datChFreq ch = Channel(430'000'000, 430'000'000);
        EXPECT_EQ(CodecFrequency(g.Typed(entry.typed), g.editor, ch, FreqSide::Receive), entry.stored != 0)
            << entry.typed;
        EXPECT_EQ(ch.rx, entry.stored != 0 ? entry.stored : 430'000'000u) << entry.typed;
    }
    EXPECT_EQ(FrequencyRaster(450'012'500), kRaster2500 | kRaster3125);
    EXPECT_EQ(FrequencyRaster(450'006'250), kRaster3125);
    EXPECT_EQ(FrequencyRaster(450'001'000), 0);
}

// The zeros after the last typed digit are room to search in, from 1 Hz up
// to 100 kHz; the search never goes below the entry.
TEST(FrequencyCodec, TheTypedPrecisionDecidesHowFarTheSearchReaches)
{
    EXPECT_EQ(FitToRaster(450'003'100), 450'003'125u);
    EXPECT_EQ(FitToRaster(450'003'120), 450'003'125u);
    EXPECT_EQ(FitToRaster(450'003'126), std::nullopt) << "a 1 Hz digit leaves no room";
    EXPECT_EQ(FitToRaster(450'001'000), std::nullopt);
    EXPECT_EQ(FitToRaster(450'010'000), 450'010'000u);
    EXPECT_EQ(FitToRaster(450'000'000), 450'000'000u);
    EXPECT_EQ(FitToRaster(1), std::nullopt);
    EXPECT_EQ(FitToRaster(4'294'967'295u), std::nullopt) << "the highest entry does not wrap";
}

TEST(FrequencyCodec, TheTransmitFrequencyFollowsWhileItEqualsTheReceiveOne)
{
    GridRequest g;
    datChFreq simplex = Channel(430'000'000, 430'000'000);
    CodecFrequency(g.Typed("431"), g.editor, simplex, FreqSide::Receive);
    EXPECT_EQ(simplex.tx, 431'000'000u);

    datChFreq duplex = Channel(430'000'000, 440'000'000);
    CodecFrequency(g.Typed("431"), g.editor, duplex, FreqSide::Receive);
    EXPECT_EQ(duplex.tx, 440'000'000u);
    CodecFrequency(g.Typed("441"), g.editor, duplex, FreqSide::Transmit);
    EXPECT_EQ(duplex.rx, 431'000'000u);
    EXPECT_EQ(duplex.tx, 441'000'000u);

    // A new channel starts simplex and is in use from then on.
    datChFreq unused = Channel(0, 123, false);
    CodecFrequency(g.Typed("446.00625"), g.editor, unused, FreqSide::Receive);
    EXPECT_TRUE(unused.inUse);
    EXPECT_EQ(unused.tx, 446'006'250u);
}

TEST(FrequencyCodec, ShowsMHzRightAlignedArrowForSimplexAndNothingWhenUnused)
{
    GridRequest g;
    datChFreq ch = Channel(450'012'500, 450'012'500);
    CodecFrequency(g.Fresh(), g.editor, ch, FreqSide::Receive);
    EXPECT_EQ(g.rq.displayText, "450.012500");
    EXPECT_EQ(g.cell.Alignment(), 2);
    CodecFrequency(g.Fresh(), g.editor, ch, FreqSide::Transmit);
    EXPECT_EQ(g.rq.displayText, "<-");
    EXPECT_EQ(g.cell.Alignment(), 1);

    ch.inUse = false;
    CodecFrequency(g.Fresh(), g.editor, ch, FreqSide::Receive);
    EXPECT_EQ(g.rq.displayText, "");

    // A stored value beyond what the cell can show is shown at its limit
    // and left as it is.
    datChFreq wild = Channel(0x7FFFFFFF, 0);
    CodecFrequency(g.Fresh(), g.editor, wild, FreqSide::Receive);
    EXPECT_EQ(g.rq.displayText, "999.999999");
    EXPECT_EQ(wild.rx, 0x7FFFFFFFu);
}

TEST(FrequencyCodec, KeysOpenTheEditorWhereTheEntryContinues)
{
    GridRequest g;
    datChFreq ch = Channel(450'012'500, 460'000'000);
    CodecFrequency(g.Key('.'), g.editor, ch, FreqSide::Receive);
    EXPECT_EQ(g.editor, celleditor::kInPlace);
    EXPECT_EQ(g.rq.displayText, "450.012500");
    EXPECT_EQ(g.rq.selStart, 4);
    EXPECT_EQ(g.rq.selLength, 0);

    CodecFrequency(g.Key('='), g.editor, ch, FreqSide::Transmit);
    EXPECT_EQ(g.rq.displayText, "450.012500") << "the receive frequency, to edit into a transmit one";

    ch.inUse = false;
    CodecFrequency(g.Key(cellkey::kEnter), g.editor, ch, FreqSide::Receive);
    EXPECT_EQ(g.editor, celleditor::kInPlace);
    EXPECT_EQ(g.rq.displayText, "");

    g.Key('4').grid = nullptr;  // not from a grid: no editor
    CodecFrequency(g.rq, g.editor, ch, FreqSide::Transmit);
    EXPECT_EQ(g.editor, celleditor::kNone);
}

}  // namespace
}  // namespace xtr
