// The clone protocol's bytes on the wire, written out literally: what the
// driver sends for every operation at both speeds and how it takes the
// radio's literal answers, and what the simulated radio answers to the
// computer's literal frames. The driver and the simulated radio share their
// frame code, so a round trip between them could not show a wrong byte;
// these sequences can.
#include "clone/clone_driver.h"
#include "clone/clone_speed.h"
#include "clone/sim_radio.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace xtr {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Fe(int count) { return Bytes(static_cast<size_t>(count), 0xFE); }

Bytes Ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The radio's side of the cable: records what the computer writes, one
// session per opening with the speed it was configured to, and answers a
// complete frame of a given command with fixed bytes.
class WireTap : public SerialDevice {
public:
    struct Session {
        uint32_t baud = 0;
        Bytes written;
    };

    std::vector<Session>* sessions;
    std::map<uint8_t, Bytes> answers;

    explicit WireTap(std::vector<Session>& log) : sessions(&log) {}

    bool Open(const std::string&) override
    {
        open_ = true;
        sessions->push_back({});
        frame_.clear();
        return true;
    }
    bool SetupQueues(int32_t, int32_t) override
    {
        incoming_.clear();
        return true;
    }
    bool Configure(const SerialLineConfig& config) override
    {
        sessions->back().baud = config.baudRate;
        return true;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int32_t ReceiveCount() override { return static_cast<int32_t>(incoming_.size()); }
    int32_t TransmitCount() override { return 0; }
    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        int32_t n = 0;
        while (n < max && !incoming_.empty()) {
            buffer[n++] = incoming_.front();
            incoming_.pop_front();
        }
        return n;
    }
    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        for (int32_t i = 0; i < count; ++i) {
            sessions->back().written.push_back(bytes[i]);
            frame_.push_back(bytes[i]);
            if (bytes[i] == 0xFD) {
                Answer();
                frame_.clear();
            }
        }
        return count;
    }

private:
    void Answer()
    {
        size_t at = 0;
        while (at < frame_.size() && frame_[at] == 0xFE) {
            ++at;
        }
        if (at + 2 < frame_.size()) {
            if (const auto it = answers.find(frame_[at + 2]); it != answers.end()) {
                incoming_.insert(incoming_.end(), it->second.begin(), it->second.end());
            }
        }
    }

    bool open_ = false;
    Bytes frame_;
    std::deque<uint8_t> incoming_;
};

// A 52-byte identity payload with 2 in byte 35, as a cloneable radio sends.
Bytes Payload()
{
    Bytes payload(52, 0x00);
    payload[2] = 'X';
    payload[34] = 0x12;
    payload[35] = 0x02;
    return payload;
}

class DriverWire : public ::testing::Test {
protected:
    DriverWire()
    {
        auto device = std::make_unique<WireTap>(sessions);
        tap = device.get();
        driver = std::make_unique<cmcCloneDrv>(std::move(device));
        driver->SetTarget(0x2527, 0x0000);
        driver->SetImageSize(0x4000);
    }

    static void OnDone(void* context, dst_CDrv_Result* result)
    {
        auto* self = static_cast<DriverWire*>(context);
        self->code = result->code;
        self->payload.assign(result->payload.Data(), result->payload.Data() + result->payload.Length());
        self->image.CopyFrom(result->image);
        ++self->completions;
    }
    bool Run() { return clock->AdvanceUntil([this] { return !driver->IsBusy(); }, 60000, 10); }

    test::ManualTimeGuard clock;
    std::vector<WireTap::Session> sessions;
    WireTap* tap = nullptr;
    std::unique_ptr<cmcCloneDrv> driver;
    int code = -1;
    int completions = 0;
    Bytes payload;
    cmcEeprom image;
};

// The speed switch, sent at the speed the radio may still be on.
const Bytes kSwitchTo9600 = Cat({Fe(20), {0xEE, 0xEF, 0xE8, 0x25, 0x27, 0x00, 0x00, 0x01, 0x32, 0x37, 0xFD}});
const Bytes kSwitchTo38400 = Cat({Fe(20), {0xEE, 0xEF, 0xE8, 0x25, 0x27, 0x00, 0x00, 0x01, 0x30, 0x39, 0xFD}});

TEST_F(DriverWire, IdentifyAtLowSpeedAndTheRadiosIdentity)
{
    ConfigureCloneSpeed(*driver, 1, false);
    tap->answers[0xE0] = Cat({{0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x25, 0x27, 0x00, 0x00}, Payload(), {0xFD}});
    ASSERT_TRUE(driver->StartIdentify(&DriverWire::OnDone, this));
    ASSERT_TRUE(Run());

    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0].baud, 38400u);
    EXPECT_EQ(sessions[0].written, kSwitchTo9600);
    EXPECT_EQ(sessions[1].baud, 9600u);
    EXPECT_EQ(sessions[1].written, Cat({Fe(14), {0xEE, 0xEF, 0xE0, 0x25, 0x27, 0x00, 0x00, 0xFD}}));
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(code, kCloneOk);
    EXPECT_EQ(payload, Payload());
}

TEST_F(DriverWire, ReadTakesTheRadiosDataAndEndFrames)
{
    ConfigureCloneSpeed(*driver, 1, false);
    tap->answers[0xE2] = Cat({{0xFE, 0xFE, 0xEF, 0xEE, 0xE4}, Ascii("010010000102030405060708090A0B0C0D0E0F77"), {0xFD},
                              {0xFE, 0xFE, 0xFE, 0xEF, 0xEE, 0xE4}, Ascii("020002ABCD84"), {0xFD},
                              {0xFE, 0xFE, 0xEF, 0xEE, 0xE5}, Ascii("Nalu Inc.02"), {0xFD}});
    constexpr RangePair kRanges[] = {{0x0100, 0x010F}, {0x0200, 0x0201}, kRangeEnd};
    ASSERT_TRUE(driver->StartRead(kRanges, &DriverWire::OnDone, this));
    ASSERT_TRUE(Run());

    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0].written, kSwitchTo9600);
    EXPECT_EQ(sessions[1].written, Cat({Fe(14), {0xEE, 0xEF, 0xE2, 0x25, 0x27, 0x00, 0x00, 0xFD}}));
    EXPECT_EQ(code, kCloneOk);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(image.GetByte(0x0100 + i), i);
    }
    EXPECT_EQ(image.GetByte(0x0200), 0xAB);
    EXPECT_EQ(image.GetByte(0x0201), 0xCD);
}

TEST_F(DriverWire, WriteAtHighSpeedSendsDataFramesAndEndFrame)
{
    ConfigureCloneSpeed(*driver, 1, true);
    tap->answers[0xE5] = {0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD};
    cmcEeprom source;
    source.SetSize(0x4000);
    for (int i = 0; i < 18; ++i) {
        source.SetByte(0x0100 + i, static_cast<uint8_t>(i * 0x11));
    }
    constexpr RangePair kRanges[] = {{0x0100, 0x0111}, kRangeEnd};
    ASSERT_TRUE(driver->StartWrite(source, kRanges, &DriverWire::OnDone, this));
    ASSERT_TRUE(Run());

    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0].baud, 9600u);
    EXPECT_EQ(sessions[0].written, kSwitchTo38400);
    EXPECT_EQ(sessions[1].baud, 38400u);
    const Bytes expected = Cat({Fe(50), {0xEE, 0xEF, 0xE3, 0x25, 0x27, 0x00, 0x00, 0xFD},
                                Fe(14), {0xEE, 0xEF, 0xE4}, Ascii("01001000112233445566778899AABBCCDDEEFFF7"), {0xFD},
                                Fe(14), {0xEE, 0xEF, 0xE4}, Ascii("0110021021BC"), {0xFD},
                                {0xFE, 0xFE, 0xEE, 0xEF, 0xE5}, Ascii("Nalu Inc.02"), {0xFD}});
    EXPECT_EQ(sessions[1].written, expected);
    EXPECT_EQ(code, kCloneOk);
}

TEST_F(DriverWire, WriteRefusedByTheRadiosAnswer)
{
    ConfigureCloneSpeed(*driver, 1, false);
    tap->answers[0xE5] = {0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x01, 0xFD};
    cmcEeprom source;
    source.SetSize(0x4000);
    constexpr RangePair kRanges[] = {{0x0100, 0x0100}, kRangeEnd};
    ASSERT_TRUE(driver->StartWrite(source, kRanges, &DriverWire::OnDone, this));
    ASSERT_TRUE(Run());
    // Low speed: no extra preamble before the computer's data frames.
    EXPECT_EQ(sessions.at(1).written, Cat({Fe(14), {0xEE, 0xEF, 0xE3, 0x25, 0x27, 0x00, 0x00, 0xFD},
                                           {0xFE, 0xFE, 0xEE, 0xEF, 0xE4}, Ascii("01000100FE"), {0xFD},
                                           {0xFE, 0xFE, 0xEE, 0xEF, 0xE5}, Ascii("Nalu Inc.01"), {0xFD}}));
    EXPECT_EQ(code, kCloneNotAccepted);
}

// The simulated radio fed the computer's literal frames, without wire time.
class RadioWire : public ::testing::Test {
protected:
    RadioWire()
    {
        radio.SetWireTime(false);
        radio.Identity().comment1 = "FLEET 7";
        radio.Identity().comment2 = "DEPOT";
        radio.Identity().revision = 0x12;
        radio.Identity().serialNumber = "1A2B3C4D";
        radio.Identity().option = 0x30;
        radio.Identity().overVoltage = true;
    }

    Bytes Send(const Bytes& bytes)
    {
        radio.FromComputer(bytes.data(), bytes.size(), radio.Baud());
        clock->Advance(1);
        radio.Poll();
        std::vector<WireByte> out;
        radio.ToComputer(out);
        Bytes answer;
        for (const WireByte& b : out) {
            answer.push_back(b.value);
        }
        return answer;
    }

    test::ManualTimeGuard clock;
    SimRadio radio;
};

TEST_F(RadioWire, SwitchesSpeedAndAnswersTheIdentify)
{
    EXPECT_EQ(Send(kSwitchTo38400), Bytes{});
    EXPECT_EQ(radio.Baud(), 38400u);

    const Bytes identity = Cat({{0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x25, 0x27, 0x00, 0x00, 0x00, 0x00},
                                Ascii("FLEET 7         "), Ascii("DEPOT           "),
                                {0x12, 0x02, 0x00}, Ascii("1A2B3C4D"), {0x00, 0x30, 0x00, 0x08, 0x00, 0x00, 0x00},
                                {0xFD}});
    ASSERT_EQ(identity.size(), 5u + 4u + 52u + 1u);
    EXPECT_EQ(Send(Cat({Fe(50), {0xEE, 0xEF, 0xE0, 0x25, 0x27, 0x00, 0x00, 0xFD}})), identity);

    EXPECT_EQ(Send(kSwitchTo9600), Bytes{});
    EXPECT_EQ(radio.Baud(), 9600u);
}

TEST_F(RadioWire, AnswersAReadWithItsWholeCloneAreaAndAnEndFrame)
{
    for (int i = 0; i < 16; ++i) {
        radio.Memory().SetByte(0x1FF0 + i, static_cast<uint8_t>(0xF0 + i));
    }
    const Bytes answer = Send(Cat({Fe(14), {0xEE, 0xEF, 0xE2, 0x25, 0x27, 0x00, 0x00, 0xFD}}));
    // 512 data frames of 46 bytes, then the end frame with 512 modulo 256.
    const size_t kFrame = 46;
    const Bytes end = Cat({{0xFE, 0xFE, 0xEF, 0xEE, 0xE5}, Ascii("Nalu Inc.00"), {0xFD}});
    ASSERT_EQ(answer.size(), 512 * kFrame + end.size());
    // The first block holds the maker's marks 25 26 01.
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + kFrame),
              Cat({{0xFE, 0xFE, 0xEF, 0xEE, 0xE4}, Ascii("00001025260100000000000000000000000000A4"), {0xFD}}));
    EXPECT_EQ(Bytes(answer.begin() + 511 * kFrame, answer.begin() + 512 * kFrame),
              Cat({{0xFE, 0xFE, 0xEF, 0xEE, 0xE4}, Ascii("1FF010F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF69"), {0xFD}}));
    EXPECT_EQ(Bytes(answer.end() - static_cast<std::ptrdiff_t>(end.size()), answer.end()), end);
}

TEST_F(RadioWire, TakesAWriteAndAcceptsItsEndFrame)
{
    EXPECT_EQ(Send(Cat({Fe(14), {0xEE, 0xEF, 0xE3, 0x25, 0x27, 0x00, 0x00, 0xFD}})), Bytes{});
    EXPECT_EQ(Send(Cat({{0xFE, 0xFE, 0xEE, 0xEF, 0xE4}, Ascii("01001000112233445566778899AABBCCDDEEFFF7"), {0xFD},
                        {0xFE, 0xFE, 0xEE, 0xEF, 0xE4}, Ascii("0110021021BC"), {0xFD}})),
              Bytes{});
    EXPECT_EQ(Send(Cat({{0xFE, 0xFE, 0xEE, 0xEF, 0xE5}, Ascii("Nalu Inc.02"), {0xFD}})),
              (Bytes{0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD}));
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(radio.Memory().GetByte(0x0100 + i), static_cast<uint8_t>(i * 0x11)) << i;
    }
}

}  // namespace
}  // namespace xtr
