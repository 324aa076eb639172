// A record of one session with the radio for a support technician: every
// byte sent and received with its time in milliseconds and its direction,
// the frames those bytes make (named and, for data frames, decoded), the
// line speed set on the port and the result of each operation. Lines go to
// a text file as they happen, so a trace of a transfer that hangs or fails
// shows where the radio stopped answering. Time comes from the installed
// time service.
#pragma once

#include "clone/frame_scanner.h"
#include "platform/serial_device.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace xtr {

class TransferTrace {
public:
    enum class Direction { ToRadio, FromRadio };

    // Writes to file (not owned, left open).
    explicit TransferTrace(std::FILE* file);

    void Bytes(Direction direction, const uint8_t* bytes, int32_t count);
    void LineSettings(const SerialLineConfig& config);
    void Note(const std::string& text);
    // The end of an operation: its result code and what it means.
    void Result(int code, const std::string& meaning);

    // One line "<time> <text>"; public for the device wrapper's notes.
    void Line(const std::string& text);

private:
    void Frame(Direction direction, const std::vector<uint8_t>& frame);

    std::FILE* file_;
    bool started_ = false;
    uint32_t startTick_ = 0;
    FrameScanner toRadio_;
    FrameScanner fromRadio_;
};

// Describes a frame: "E4 data 0x0120 16 bytes", "E1 identity", ...
std::string DescribeFrame(const std::vector<uint8_t>& frame);

// A serial device that hands everything through to inner and records it in
// trace (which must outlive it).
std::unique_ptr<SerialDevice> CreateTracingDevice(std::unique_ptr<SerialDevice> inner, TransferTrace& trace);

}  // namespace xtr
