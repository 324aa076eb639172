// The transfer trace of the desktop program, switched by its settings: the
// program's one serial device is wrapped once, and at every opening of the
// port the wrapper looks at the settings. With the trace on, everything
// from that opening to the next goes through a transfer trace appending to
// the chosen file; with it off (or the file not writable) the device is
// used as it is. The trace file is opened at the first traced opening and
// stays open (and appended to) until the file name or the switch changes.
#pragma once

#include "app/transfer_settings.h"
#include "clone/transfer_trace.h"
#include "platform/serial_device.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace xtr {

class TraceSwitch {
public:
    // settings is asked at every opening of the port.
    explicit TraceSwitch(std::function<TransferSettings()> settings);
    ~TraceSwitch();
    TraceSwitch(const TraceSwitch&) = delete;
    TraceSwitch& operator=(const TraceSwitch&) = delete;

    // A device that forwards to inner and traces while the settings say so.
    // The switch must outlive it.
    std::unique_ptr<SerialDevice> Wrap(std::unique_ptr<SerialDevice> inner);

    // The file of the trace now open ("" for none), and the file that could
    // not be opened at the last opening of the port ("" when none failed).
    const std::string& OpenFile() const { return openPath_; }
    const std::string& FailedFile() const { return failedPath_; }

    // For the device: the trace to record an opening of the port into, or
    // null for none.
    TransferTrace* TraceForOpening();

    // The end of an operation, recorded when its port opening was traced.
    void Result(int code, const std::string& meaning);

private:
    void CloseFile();

    std::function<TransferSettings()> settings_;
    std::FILE* file_ = nullptr;
    std::string openPath_;
    std::string failedPath_;
    std::unique_ptr<TransferTrace> trace_;
    bool lastTraced_ = false;
};

}  // namespace xtr
