#include "clone/sim_radio.h"

#include "app/text_util.h"
#include "app/time_service.h"
#include "clone/clone_protocol.h"
#include "clone/clone_result.h"
#include "clone/frame_builder.h"
#include "image/memory_map.h"

#include <cctype>
#include <cstring>

namespace xtr {

using namespace clone;

namespace {

// Line noise: bytes that can never start or end a frame.
constexpr uint8_t kNoisePattern[] = {0x00, 0x55, 0xAA, 0x0D, 0x0A, 0x20, 0x7F, 0x11};

// The speed bytes of E8 and the speeds they stand for.
struct SpeedCode {
    uint8_t byte1;
    uint8_t byte2;
    uint32_t baud;
};
constexpr SpeedCode kSpeedCodes[] = {{0x30, 0x39, 38400}, {0x32, 0x37, 9600}};

}  // namespace

SimRadio::SimRadio()
{
    memory_.SetSize(kMemorySize);
    ApplyMakerMarks(memory_);
}

void SimRadio::ApplyMakerMarks(cmcEeprom& memory)
{
    static constexpr uint8_t kHead[] = {memmap::kProductCodeValue >> 8, memmap::kProductCodeValue & 0xFF,
                                        memmap::kFamilyByteValue};
    static_assert(memmap::kFamilyByte == memmap::kProductCode + 2);
    memory.WriteBlock(memmap::kProductCode, kHead, sizeof kHead);
    memory.WriteBlock(memmap::kMakerText, reinterpret_cast<const uint8_t*>(memmap::kMakerTextValue),
                      memmap::kMakerTextSize);
    memory.SetByte(memmap::kMapFormat, memmap::kMapFormatValue);
}

void SimRadio::SetWireTime(bool on)
{
    toRadio_.SetTimed(on);
    toComputer_.SetTimed(on);
}

uint64_t SimRadio::NowNs()
{
    const uint32_t tick = Time().TickCount();
    if (!clockStarted_) {
        clockStarted_ = true;
        lastTick_ = tick;
    }
    elapsedMs_ += static_cast<uint32_t>(tick - lastTick_);  // wraps harmlessly
    lastTick_ = tick;
    return elapsedMs_ * 1000000ull;
}

void SimRadio::FromComputer(const uint8_t* bytes, size_t count, uint32_t baud, uint32_t otherBaud)
{
    Poll();
    toRadio_.Send(bytes, count, baud, NowNs(), otherBaud);
}

size_t SimRadio::ToRadioTravelling()
{
    Poll();
    return toRadio_.Travelling();
}

void SimRadio::ToComputer(std::vector<WireByte>& out)
{
    Poll();
    toComputer_.Deliver(NowNs(), out);
}

void SimRadio::Poll()
{
    std::vector<WireByte> arrived;
    toRadio_.Deliver(NowNs(), arrived);
    for (const WireByte& byte : arrived) {
        Take(byte);
    }
}

void SimRadio::Take(const WireByte& byte)
{
    if (byte.baud != baud_ && byte.otherBaud != baud_) {
        // Sent at another speed: the radio's receiver sees framing errors.
        ++garbled_;
        scanner_.Reset();
        preambleRun_ = 0;
        return;
    }
    if (byte.value == kPreamble) {
        ++preambleRun_;
        scanner_.Feed(byte.value);
        return;
    }
    if (preambleRun_ > 0) {
        framePreamble_ = preambleRun_;
        preambleRun_ = 0;
    }
    if (scanner_.Feed(byte.value) == FrameScanner::Event::kFrame) {
        Handle(scanner_.Frame(), framePreamble_);
    }
}

void SimRadio::Handle(const std::vector<uint8_t>& frame, int32_t preamble)
{
    if (frame.size() < 4 || frame[1] != kRadioAddress || frame[2] != kComputerAddress) {
        return;  // not addressed to the radio by the computer
    }
    const uint8_t command = frame[3];
    received_.push_back({command, baud_, preamble, Time().TickCount(), frame});
    const std::span<const uint8_t> body = std::span<const uint8_t>(frame).subspan(kFrameHeaderLength);

    switch (command) {
    case kCmdSpeed:
        receivingWrite_ = false;
        if (frame.size() >= 11) {
            for (const SpeedCode& code : kSpeedCodes) {
                if (frame[9] == code.byte1 && frame[10] == code.byte2) {
                    baud_ = code.baud;
                }
            }
        }
        break;
    case kCmdIdentify:
        receivingWrite_ = false;
        if (!faults_.silent) {
            SendIdentity();
        }
        break;
    case kCmdReadStart:
        receivingWrite_ = false;
        if (!faults_.silent) {
            SendMemory();
        }
        break;
    case kCmdWriteStart:
        receivingWrite_ = true;
        writeFaulty_ = false;
        writtenFrames_ = 0;
        break;
    case kCmdData:
    case kCmdEnd:
        if (receivingWrite_) {
            HandleWriteFrame(command, body);
        }
        break;
    default:
        break;
    }
}

void SimRadio::HandleWriteFrame(uint8_t command, std::span<const uint8_t> body)
{
    if (command == kCmdData) {
        DataBlock block;
        if (DecodeDataBody(body, memory_.Size(), block) == kCloneOk) {
            memory_.WriteBlock(block.address, block.bytes.data(), block.count);
            const int32_t corrupt = faults_.corruptAddress;
            if (corrupt >= block.address && corrupt < block.address + block.count && memory_.IsAddress(corrupt)) {
                memory_.SetByte(corrupt, static_cast<uint8_t>(~memory_.GetByte(corrupt)));
            }
            ++writtenFrames_;
        } else {
            writeFaulty_ = true;
        }
        return;
    }
    // The computer's end frame: accept when every frame was good and the
    // count matches, otherwise refuse with status 1.
    receivingWrite_ = false;
    const bool good = !writeFaulty_ && IsEndBody(body, writtenFrames_);
    const uint8_t status = good ? faults_.ackStatus : 1;
    lastAck_ = status;
    if (!faults_.silent) {
        Reply(kCmdAck, &status, 1);
    }
}

void SimRadio::Noise(cmcBuff& out) const
{
    for (int32_t i = 0; i < faults_.noiseBytes; ++i) {
        out.AppendByte(kNoisePattern[i % sizeof kNoisePattern]);
    }
}

void SimRadio::Reply(uint8_t command, const uint8_t* body, int32_t length)
{
    cmcBuff out;
    AppendFrame(out, faults_.extraPreamble, kComputerAddress, kRadioAddress, command, body, length);
    Noise(out);
    toComputer_.Send(out.Data(), static_cast<size_t>(out.Length()), baud_, NowNs());
}

void SimRadio::SendIdentity()
{
    std::vector<uint8_t> body = {
        static_cast<uint8_t>(identity_.modelCode >> 8), static_cast<uint8_t>(identity_.modelCode),
        static_cast<uint8_t>(identity_.extraCode >> 8), static_cast<uint8_t>(identity_.extraCode)};
    const std::vector<uint8_t> payload = IdentityPayload(identity_);
    body.insert(body.end(), payload.begin(), payload.end());
    Reply(kCmdIdentity, body.data(), static_cast<int32_t>(body.size()));
}

void SimRadio::SendMemory()
{
    cmcBuff out;
    int32_t sent = 0;
    const auto frame = [&](const std::string& body) {
        AppendFrame(out, faults_.extraPreamble, kComputerAddress, kRadioAddress, kCmdData, body);
        Noise(out);
        ++sent;
    };
    const auto stalled = [&] { return faults_.stallAfter >= 0 && sent >= faults_.stallAfter; };

    for (int32_t i = 0; i < kCloneAreaSize / kBlockSize && !stalled(); ++i) {
        if (i == faults_.missingFrame) {
            continue;
        }
        const int32_t address = i * kBlockSize;
        const uint8_t* data = memory_.Data() + address;
        std::string body = DataFrameBody(address, data, kBlockSize);
        if (i == faults_.badChecksumFrame) {
            const uint8_t wrong = static_cast<uint8_t>(BlockChecksum(address, data, kBlockSize) + 1);
            body.replace(body.size() - 2, 2, Format("%02X", wrong));
        }
        if (i == faults_.lowerCaseFrame) {
            for (char& c : body) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
        }
        frame(body);
    }
    if (faults_.extraBlockAddress >= 0 && !stalled()) {
        uint8_t data[kBlockSize] = {};
        memory_.ReadBlock(faults_.extraBlockAddress, data, kBlockSize);
        frame(DataFrameBody(faults_.extraBlockAddress & 0xFFFF, data, kBlockSize));
    }
    dataFramesSent_ = sent;
    if (!stalled()) {
        const std::string end = EndFrameBody(sent + faults_.frameCountOffset);
        AppendFrame(out, faults_.extraPreamble, kComputerAddress, kRadioAddress, kCmdEnd, end);
        Noise(out);
    }
    toComputer_.Send(out.Data(), static_cast<size_t>(out.Length()), baud_, NowNs());
}

}  // namespace xtr
