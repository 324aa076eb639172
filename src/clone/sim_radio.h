// A simulated radio: the radio's side of the clone protocol, for tests and
// for the xtr450-radiosim program. It answers E0 with its identity (E1),
// E2 with data frames of its memory 0x0000-0x1FFF and an end frame, takes
// the data frames and end frame that follow E3 into its memory and answers
// them with E6, and changes its line speed on E8.
//
// The radio sits at the far end of a simulated line (SimWire) in both
// directions, timed against the installed time service, so the computer
// sees the delays of a real line at the current speed. Bytes sent to it at
// another speed than its own are lost, as they would be garbled on a real
// line. Faults can be switched on to make it misbehave in the ways a
// broken radio or cable might.
#pragma once

#include "clone/frame_scanner.h"
#include "clone/sim_identity.h"
#include "clone/sim_wire.h"
#include "image/buff.h"
#include "image/eeprom.h"
#include "image/memory_map.h"

#include <cstdint>
#include <vector>

namespace xtr {

struct SimFaults {
    bool silent = false;             // answers nothing at all
    int32_t badChecksumFrame = -1;   // data frame (0-based) sent with a wrong checksum
    int32_t lowerCaseFrame = -1;     // data frame sent with lower-case hex digits
    int32_t frameCountOffset = 0;    // added to the count of the end frame
    int32_t missingFrame = -1;       // data frame left out
    int32_t extraBlockAddress = -1;  // one more 16-byte block at this address
    uint8_t ackStatus = 0;           // status of E6 when the write was good
    int32_t stallAfter = -1;         // stops sending after this many data frames
    int32_t noiseBytes = 0;          // bytes of line noise after every frame
    int32_t extraPreamble = 0;       // 0xFE bytes sent before every frame's FE FE
    int32_t corruptAddress = -1;     // a written byte stored inverted here (acknowledged as good)
};

// A frame the radio received from the computer.
struct SimFrameRecord {
    uint8_t command = 0;
    uint32_t baud = 0;
    int32_t preambleBytes = 0;   // 0xFE bytes before the destination byte
    uint32_t tick = 0;           // tick count when the radio took it in
    std::vector<uint8_t> bytes;  // from the single leading 0xFE, without 0xFD
};

class SimRadio {
public:
    static constexpr int32_t kMemorySize = 0x4000;
    static constexpr int32_t kCloneAreaSize = memmap::kCloneAreaSize;
    static constexpr int32_t kBlockSize = 16;
    static constexpr uint32_t kInitialBaud = 9600;

    // A blank memory carrying the maker's marks (see ApplyMakerMarks).
    SimRadio();

    SimIdentity& Identity() { return identity_; }
    SimFaults& Faults() { return faults_; }
    cmcEeprom& Memory() { return memory_; }
    const cmcEeprom& Memory() const { return memory_; }

    // Wire time on (default) or off: off, every byte arrives at once.
    void SetWireTime(bool on);
    bool WireTime() const { return toRadio_.Timed(); }
    uint32_t Baud() const { return baud_; }
    void SetBaud(uint32_t baud) { baud_ = baud; }

    // The computer's end of the line.
    // Bytes the computer puts on the line at its speed; otherBaud, when not
    // 0, is a speed they may have been sent at instead (the radio hears them
    // if it listens at either).
    void FromComputer(const uint8_t* bytes, size_t count, uint32_t baud, uint32_t otherBaud = 0);
    // Bytes on their way to the radio (what the computer's port still holds).
    size_t ToRadioTravelling();
    // The radio's bytes that have reached the computer's end by now.
    void ToComputer(std::vector<WireByte>& out);
    // Lets the radio handle everything that has arrived by now.
    void Poll();

    // What the radio saw.
    const std::vector<SimFrameRecord>& Received() const { return received_; }
    void ClearReceived() { received_.clear(); }
    int32_t GarbledBytes() const { return garbled_; }
    int32_t WrittenFrames() const { return writtenFrames_; }
    int32_t LastAckStatus() const { return lastAck_; }
    int32_t DataFramesSent() const { return dataFramesSent_; }

    // Bytes 0-2 = 25 26 01, "Nalu Inc" at 0x100 and 0x02 at 0x108: the marks
    // by which the program knows an image of this radio.
    static void ApplyMakerMarks(cmcEeprom& memory);

private:
    uint64_t NowNs();
    void Take(const WireByte& byte);
    void Handle(const std::vector<uint8_t>& frame, int32_t preamble);
    void HandleWriteFrame(uint8_t command, std::span<const uint8_t> body);
    void Reply(uint8_t command, const uint8_t* body, int32_t length);
    void SendIdentity();
    void SendMemory();
    void Noise(cmcBuff& out) const;

    SimIdentity identity_;
    SimFaults faults_;
    cmcEeprom memory_;
    uint32_t baud_ = kInitialBaud;
    SimWire toRadio_;
    SimWire toComputer_;
    FrameScanner scanner_;
    int32_t preambleRun_ = 0;
    int32_t framePreamble_ = 0;
    bool receivingWrite_ = false;
    bool writeFaulty_ = false;
    int32_t writtenFrames_ = 0;
    int32_t lastAck_ = -1;
    int32_t dataFramesSent_ = 0;
    int32_t garbled_ = 0;
    std::vector<SimFrameRecord> received_;
    bool clockStarted_ = false;
    uint32_t lastTick_ = 0;
    uint64_t elapsedMs_ = 0;
};

}  // namespace xtr
