// The frequency codec: entries fitted to the channel raster, the transmit
// frequency following the receive one, and what the cells show.
#include "cell_rig.h"

#include "cells/codec_frequency.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRequest;

datChFreq Channel(std::uint32_t rx, std::uint32_t tx, bool inUse = true)
{
    datChFreq ch;
    ch.rx = rx;
    ch.tx = tx;
    ch.inUse = inUse;
    return ch;
}

// Stores text on the receive side of a channel at 430 MHz; the receive
// frequency afterwards, 0 when nothing was stored.
std::uint32_t Entered(const std::string& text)
{
    GridRequest g;
    datChFreq ch = Channel(430'000'000, 430'000'000);
    const bool changed = CodecFrequency(g.Typed(text), g.editor, ch, FreqSide::Receive);
    EXPECT_EQ(changed, ch.rx != 430'000'000) << text;
    return changed ? ch.rx : 0;
}

TEST(FrequencyCodec, EntriesAreFittedToTheChannelRasterOrRefused)
{
    EXPECT_EQ(Entered("450.1"), 450'100'000u);
    EXPECT_EQ(Entered("450.10001"), 0u) << "no raster frequency in 450.100010-450.100019";
    EXPECT_EQ(Entered("450.00625"), 450'006'250u);
    EXPECT_EQ(Entered("450.0125"), 450'012'500u);
    EXPECT_EQ(Entered("450.003"), 450'003'125u) << "the digits typed leave 1 kHz of room";
    EXPECT_EQ(Entered("900"), 0u) << "entries lie below 800 MHz";
    EXPECT_EQ(Entered("MHz"), 0u);
    EXPECT_EQ(Entered("145.2125 MHz"), 145'212'500u);
}

TEST(FrequencyCodec, RasterBitsTellTheTwoChannelSpacings)
{
    EXPECT_EQ(FrequencyRaster(450'012'500), kRaster2500 | kRaster3125);
    EXPECT_EQ(FrequencyRaster(450'006'250), kRaster3125);
    EXPECT_EQ(FrequencyRaster(450'002'500), kRaster2500);
    EXPECT_EQ(FrequencyRaster(450'001'000), 0);
    EXPECT_EQ(FitToRaster(799'999'999), std::nullopt);
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

    // A new channel starts simplex and is in use from then on.
    datChFreq unused = Channel(0, 123, false);
    CodecFrequency(g.Typed("446.00625"), g.editor, unused, FreqSide::Receive);
    EXPECT_TRUE(unused.inUse);
    EXPECT_EQ(unused.tx, 446'006'250u);

    // Storing the transmit side touches only that.
    CodecFrequency(g.Typed("441"), g.editor, duplex, FreqSide::Transmit);
    EXPECT_EQ(duplex.rx, 431'000'000u);
    EXPECT_EQ(duplex.tx, 441'000'000u);
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

    ch.tx = 460'012'500;
    CodecFrequency(g.Fresh(), g.editor, ch, FreqSide::Transmit);
    EXPECT_EQ(g.rq.displayText, "460.012500");

    ch.inUse = false;
    CodecFrequency(g.Fresh(), g.editor, ch, FreqSide::Receive);
    EXPECT_EQ(g.rq.displayText, "");
    EXPECT_EQ(g.editor, celleditor::kNone);

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
    EXPECT_EQ(g.rq.selLength, 10);

    CodecFrequency(g.Key('4'), g.editor, ch, FreqSide::Transmit);
    EXPECT_EQ(g.rq.displayText, "4");
    EXPECT_EQ(g.rq.selStart, 1);

    ch.inUse = false;
    CodecFrequency(g.Key(cellkey::kEnter), g.editor, ch, FreqSide::Receive);
    EXPECT_EQ(g.editor, celleditor::kInPlace);
    EXPECT_EQ(g.rq.displayText, "");

    g.Key('=');
    g.rq.grid = nullptr;  // not from a grid: no editor
    CodecFrequency(g.rq, g.editor, ch, FreqSide::Transmit);
    EXPECT_EQ(g.editor, celleditor::kNone);
}

}  // namespace
}  // namespace xtr
