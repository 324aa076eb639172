#include "app/main/trace_switch.h"

namespace xtr {
namespace {

// Hands every call to a device it does not own, so that a tracing device
// made for one opening can sit over the program's one device.
class BorrowedDevice : public SerialDevice {
public:
    explicit BorrowedDevice(SerialDevice& inner) : inner_(inner) {}
    bool Open(const std::string& name) override { return inner_.Open(name); }
    bool SetupQueues(int32_t receiveSize, int32_t transmitSize) override
    {
        return inner_.SetupQueues(receiveSize, transmitSize);
    }
    bool Configure(const SerialLineConfig& config) override { return inner_.Configure(config); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    int OpenError() const override { return inner_.OpenError(); }
    int32_t ReceiveCount() override { return inner_.ReceiveCount(); }
    int32_t TransmitCount() override { return inner_.TransmitCount(); }
    int32_t Read(uint8_t* buffer, int32_t max) override { return inner_.Read(buffer, max); }
    int32_t Write(const uint8_t* bytes, int32_t count) override { return inner_.Write(bytes, count); }

private:
    SerialDevice& inner_;
};

class SwitchedDevice : public SerialDevice {
public:
    SwitchedDevice(std::unique_ptr<SerialDevice> inner, TraceSwitch& traces)
        : inner_(std::move(inner)), traces_(traces)
    {
    }

    bool Open(const std::string& name) override
    {
        traced_.reset();
        if (TransferTrace* trace = traces_.TraceForOpening()) {
            traced_ = CreateTracingDevice(std::make_unique<BorrowedDevice>(*inner_), *trace);
        }
        return Active().Open(name);
    }
    bool SetupQueues(int32_t receiveSize, int32_t transmitSize) override
    {
        return Active().SetupQueues(receiveSize, transmitSize);
    }
    bool Configure(const SerialLineConfig& config) override { return Active().Configure(config); }
    void Close() override { Active().Close(); }
    bool IsOpen() const override { return inner_->IsOpen(); }
    int OpenError() const override { return inner_->OpenError(); }
    int32_t ReceiveCount() override { return Active().ReceiveCount(); }
    int32_t TransmitCount() override { return Active().TransmitCount(); }
    int32_t Read(uint8_t* buffer, int32_t max) override { return Active().Read(buffer, max); }
    int32_t Write(const uint8_t* bytes, int32_t count) override { return Active().Write(bytes, count); }

private:
    SerialDevice& Active() { return traced_ ? *traced_ : *inner_; }

    std::unique_ptr<SerialDevice> inner_;
    TraceSwitch& traces_;
    std::unique_ptr<SerialDevice> traced_;
};

}  // namespace

TraceSwitch::TraceSwitch(std::function<TransferSettings()> settings) : settings_(std::move(settings)) {}

TraceSwitch::~TraceSwitch()
{
    CloseFile();
}

std::unique_ptr<SerialDevice> TraceSwitch::Wrap(std::unique_ptr<SerialDevice> inner)
{
    return std::make_unique<SwitchedDevice>(std::move(inner), *this);
}

void TraceSwitch::CloseFile()
{
    trace_.reset();
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    openPath_.clear();
}

TransferTrace* TraceSwitch::TraceForOpening()
{
    const TransferSettings settings = settings_ ? settings_() : TransferSettings{};
    lastTraced_ = false;
    failedPath_.clear();
    if (!settings.trace || settings.traceFile.empty()) {
        CloseFile();
        return nullptr;
    }
    if (file_ == nullptr || openPath_ != settings.traceFile) {
        CloseFile();
        // Appended to: the trace of an earlier transfer is what a support
        // technician may want most.
        file_ = std::fopen(settings.traceFile.c_str(), "a");
        if (file_ == nullptr) {
            failedPath_ = settings.traceFile;
            return nullptr;
        }
        openPath_ = settings.traceFile;
        trace_ = std::make_unique<TransferTrace>(file_);
    }
    lastTraced_ = true;
    return trace_.get();
}

void TraceSwitch::Result(int code, const std::string& meaning)
{
    if (lastTraced_ && trace_ != nullptr) {
        trace_->Result(code, meaning);
        std::fflush(file_);
    }
}

}  // namespace xtr
