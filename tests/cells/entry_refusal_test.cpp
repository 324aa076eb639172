// Typed entries a cell does not take: every codec that can refuse says so
// on the request (the refused and error bits, and the message naming why),
// leaves the value as it was, and refuses nothing for an entry of blanks or
// for one it takes.
#include "cell_rig.h"

#include "cells/codecs/codec_fixed.h"
#include "cells/codecs/codec_frequency.h"
#include "cells/codecs/codec_integer.h"
#include "cells/codecs/codec_text.h"
#include "cells/codecs/codec_timer.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace xtr {
namespace {

using test::GridRequest;

struct Outcome {
    bool stored = false;
    bool refused = false;
    bool error = false;
    const char* reason = nullptr;
};

// Types text into a codec through run and reads the answer.
Outcome Type(const std::string& text, const std::function<bool(cmcCellCapsule&, int&)>& run)
{
    GridRequest g;
    Outcome outcome;
    outcome.stored = run(g.Typed(text), g.editor);
    outcome.refused = g.rq.Refused();
    outcome.error = g.rq.HasError();
    outcome.reason = g.rq.refusal;
    return outcome;
}

void ExpectRefused(const Outcome& o, const char* reason, const std::string& what)
{
    EXPECT_FALSE(o.stored) << what;
    EXPECT_TRUE(o.refused) << what;
    EXPECT_TRUE(o.error) << what << ": a refusal is an error of the request";
    EXPECT_STREQ(o.reason, reason) << what;
}

void ExpectNotRefused(const Outcome& o, const std::string& what)
{
    EXPECT_FALSE(o.refused) << what;
    EXPECT_EQ(o.reason, nullptr) << what;
}

TEST(EntryRefusal, NumericCodecsRefuseAnEntryWithoutANumberButNeverABlankOne)
{
    const IntegerSpec integer{0, 30};
    const FixedSpec fixed{4, 4, 0.0, 100.0};
    const TimerSpec timer{100};
    std::int32_t i = 7;
    std::int32_t f = 12345;
    std::int32_t t = 25;
    std::uint32_t nibbles = 0x1234;
    std::array<std::uint8_t, 8> dtmf{0x12};
    std::uint8_t dtmfCount = 2;

    const std::function<bool(cmcCellCapsule&, int&)> codecs[] = {
        [&](cmcCellCapsule& rq, int& e) { return CodecInteger(rq, e, i, integer); },
        [&](cmcCellCapsule& rq, int& e) { return CodecFixed(rq, e, f, fixed); },
        [&](cmcCellCapsule& rq, int& e) { return CodecTimer(rq, e, t, timer); },
        [&](cmcCellCapsule& rq, int& e) { return CodecNibbles(rq, e, nibbles, 4, false); },
        [&](cmcCellCapsule& rq, int& e) { return CodecDtmf(rq, e, dtmf.data(), &dtmfCount, 16); },
    };
    int n = 0;
    for (const auto& codec : codecs) {
        const std::string which = "codec " + std::to_string(n++);
        // Letters that are no digits of any of them (DTMF takes A to D).
        ExpectRefused(Type("xyz", codec), cellrefusal::kNoNumber, which + " 'xyz'");
        ExpectRefused(Type("?!", codec), cellrefusal::kNoNumber, which + " '?!'");
        const Outcome blank = Type("  \t", codec);
        EXPECT_FALSE(blank.stored) << which;
        ExpectNotRefused(blank, which + " blanks");
        EXPECT_FALSE(Type("", codec).refused) << which;
    }
    // Nothing of the refused entries reached the values.
    EXPECT_EQ(i, 7);
    EXPECT_EQ(f, 12345);
    EXPECT_EQ(t, 25);
    EXPECT_EQ(nibbles, 0x1234u);
    EXPECT_EQ(dtmf[0], 0x12);
    EXPECT_EQ(dtmfCount, 2);

    // Entries the codecs take, limited to their range or not, refuse nothing.
    for (const auto& codec : codecs) {
        const Outcome taken = Type("9", codec);
        EXPECT_TRUE(taken.stored);
        ExpectNotRefused(taken, "9");
    }
    ExpectNotRefused(Type("999", codecs[0]), "limited to the maximum");
    EXPECT_EQ(i, 30);
}

TEST(EntryRefusal, FrequenciesOffTheRasterOrFrom800MHzAreRefusedAsFrequencies)
{
    datChFreq ch{430'000'000, 430'000'000, true};
    const auto receive = [&](cmcCellCapsule& rq, int& e) { return CodecFrequency(rq, e, ch, FreqSide::Receive); };
    const auto transmit = [&](cmcCellCapsule& rq, int& e) { return CodecFrequency(rq, e, ch, FreqSide::Transmit); };

    ExpectRefused(Type("450.10001", receive), cellrefusal::kFrequency, "off the raster");
    ExpectRefused(Type("900", receive), cellrefusal::kFrequency, "above the band");
    ExpectRefused(Type("9999", transmit), cellrefusal::kFrequency, "above the band, transmit");
    ExpectRefused(Type("MHz", receive), cellrefusal::kNoNumber, "no number");
    EXPECT_EQ(ch.rx, 430'000'000u);
    EXPECT_EQ(ch.tx, 430'000'000u);

    ExpectNotRefused(Type(" ", receive), "blank");
    const Outcome taken = Type("450.00625", receive);
    EXPECT_TRUE(taken.stored);
    ExpectNotRefused(taken, "on the raster");
    EXPECT_EQ(ch.rx, 450'006'250u);

    // A request used again starts without the refusal of its last round.
    GridRequest g;
    CodecFrequency(g.Typed("900"), g.editor, ch, FreqSide::Receive);
    ASSERT_TRUE(g.rq.Refused());
    g.rq.Reset();
    EXPECT_FALSE(g.rq.Refused());
    EXPECT_EQ(g.rq.refusal, nullptr);
}

TEST(EntryRefusal, OnlyStoredEntriesAreRefused)
{
    // A text carried by a request that does not store (a key, a preview of
    // a companion editor) refuses nothing.
    cmcCellCapsule rq;
    rq.editText = "abc";
    rq.Refuse(cellrefusal::kNotTaken);
    EXPECT_FALSE(rq.Refused());
    rq.commitMode = cellcommit::kPreview;
    rq.Refuse(cellrefusal::kNotTaken);
    EXPECT_FALSE(rq.Refused());
    rq.commitMode = cellcommit::kStore;
    rq.Refuse(cellrefusal::kNotTaken);
    EXPECT_TRUE(rq.Refused());
    EXPECT_TRUE(rq.HasError());
}

}  // namespace
}  // namespace xtr
