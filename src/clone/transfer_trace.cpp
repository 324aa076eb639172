#include "clone/transfer_trace.h"

#include "app/text_util.h"
#include "app/time_service.h"
#include "clone/clone_protocol.h"

namespace xtr {
namespace {

using namespace clone;

constexpr int32_t kBytesPerLine = 32;

const char* CommandName(uint8_t command)
{
    switch (command) {
    case kCmdIdentify: return "identify request";
    case kCmdIdentity: return "identity";
    case kCmdReadStart: return "read request";
    case kCmdWriteStart: return "write request";
    case kCmdData: return "data";
    case kCmdEnd: return "end";
    case kCmdAck: return "acknowledge";
    case kCmdSpeed: return "speed switch";
    default: return "unknown command";
    }
}

class TracingDevice : public SerialDevice {
public:
    TracingDevice(std::unique_ptr<SerialDevice> inner, TransferTrace& trace) : inner_(std::move(inner)), trace_(trace) {}

    bool Open(const std::string& name) override
    {
        const bool ok = inner_->Open(name);
        trace_.Line("open " + name + (ok ? "" : " failed"));
        return ok;
    }
    bool SetupQueues(int32_t receiveSize, int32_t transmitSize) override
    {
        return inner_->SetupQueues(receiveSize, transmitSize);
    }
    bool Configure(const SerialLineConfig& config) override
    {
        const bool ok = inner_->Configure(config);
        trace_.LineSettings(config);
        if (!ok) {
            trace_.Line("line settings refused by the port");
        }
        return ok;
    }
    void Close() override
    {
        if (inner_->IsOpen()) {
            trace_.Line("close");
        }
        inner_->Close();
    }
    bool IsOpen() const override { return inner_->IsOpen(); }
    int OpenError() const override { return inner_->OpenError(); }
    int32_t ReceiveCount() override { return inner_->ReceiveCount(); }
    int32_t TransmitCount() override { return inner_->TransmitCount(); }
    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        const int32_t n = inner_->Read(buffer, max);
        if (n > 0) {
            trace_.Bytes(TransferTrace::Direction::FromRadio, buffer, n);
        } else if (n < 0) {
            trace_.Line("read failed");
        }
        return n;
    }
    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        const int32_t n = inner_->Write(bytes, count);
        if (n > 0) {
            trace_.Bytes(TransferTrace::Direction::ToRadio, bytes, n);
        } else if (n < 0) {
            trace_.Line("write failed");
        }
        return n;
    }

private:
    std::unique_ptr<SerialDevice> inner_;
    TransferTrace& trace_;
};

}  // namespace

std::string DescribeFrame(const std::vector<uint8_t>& frame)
{
    // FE, destination, source, command, body.
    if (frame.size() < kFrameHeaderLength) {
        return Format("short frame of %d bytes", static_cast<int>(frame.size()));
    }
    const uint8_t command = frame[3];
    std::string text = Format("%02X %s", command, CommandName(command));
    text += Format(" (to %02X from %02X, %d-byte body)", frame[1], frame[2],
                   static_cast<int>(frame.size()) - kFrameHeaderLength);
    if (command == kCmdData) {
        DataBlock block;
        const std::span<const uint8_t> body(frame.data() + kFrameHeaderLength, frame.size() - kFrameHeaderLength);
        const uint8_t code = DecodeDataBody(body, 0x10000, block);
        text += code == 0 ? Format(": 0x%04X, %d bytes", block.address, block.count)
                          : Format(": malformed (code %d)", code);
    }
    return text;
}

TransferTrace::TransferTrace(std::FILE* file) : file_(file) {}

void TransferTrace::Line(const std::string& text)
{
    const uint32_t now = Time().TickCount();
    if (!started_) {
        started_ = true;
        startTick_ = now;
    }
    const uint32_t ms = now - startTick_;
    std::fprintf(file_, "%7u.%03u %s\n", ms / 1000, ms % 1000, text.c_str());
    std::fflush(file_);
}

void TransferTrace::Bytes(Direction direction, const uint8_t* bytes, int32_t count)
{
    const char* arrow = direction == Direction::ToRadio ? "->" : "<-";
    for (int32_t from = 0; from < count; from += kBytesPerLine) {
        std::string text = arrow;
        for (int32_t i = from; i < count && i < from + kBytesPerLine; ++i) {
            text += Format(" %02X", bytes[i]);
        }
        Line(text);
    }
    FrameScanner& scanner = direction == Direction::ToRadio ? toRadio_ : fromRadio_;
    for (int32_t i = 0; i < count; ++i) {
        const FrameScanner::Event event = scanner.Feed(bytes[i]);
        if (event == FrameScanner::Event::kFrame) {
            Frame(direction, scanner.Frame());
        } else if (event == FrameScanner::Event::kOverflow) {
            Line(std::string(arrow) + " frame too long, dropped");
        }
    }
}

void TransferTrace::Frame(Direction direction, const std::vector<uint8_t>& frame)
{
    Line(std::string(direction == Direction::ToRadio ? "-> frame " : "<- frame ") + DescribeFrame(frame));
}

void TransferTrace::LineSettings(const SerialLineConfig& config)
{
    static const char kParity[] = "NOEMS";
    Line(Format("speed %u,%c,%d,%s", config.baudRate, config.parity < 5 ? kParity[config.parity] : '?',
                config.dataBits, config.stopBits == kStopTwo ? "2" : config.stopBits == kStopOneAndHalf ? "1.5" : "1"));
}

void TransferTrace::Note(const std::string& text)
{
    Line("note " + text);
}

void TransferTrace::Result(int code, const std::string& meaning)
{
    Line(Format("result %d", code) + (meaning.empty() ? "" : " " + meaning));
}

std::unique_ptr<SerialDevice> CreateTracingDevice(std::unique_ptr<SerialDevice> inner, TransferTrace& trace)
{
    return std::make_unique<TracingDevice>(std::move(inner), trace);
}

}  // namespace xtr
