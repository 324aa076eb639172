#include "clone/fake_serial_link.h"

#include <algorithm>
#include <deque>

namespace xtr {

class FakeSerialLink::Device : public SerialDevice {
public:
    explicit Device(FakeSerialLink& link) : link_(link) {}
    ~Device() override { Close(); }

    bool Open(const std::string& name) override
    {
        if (open_ || link_.unplugged_ || link_.openRefused_) {
            return false;
        }
        open_ = true;
        ++link_.openDevices_;
        ++link_.opens_;
        link_.lastName_ = name;
        return true;
    }

    bool SetupQueues(int32_t, int32_t) override
    {
        if (!Usable()) {
            return false;
        }
        Collect();
        received_.clear();
        return true;
    }

    bool Configure(const SerialLineConfig& config) override
    {
        if (!Usable()) {
            return false;
        }
        baud_ = config.baudRate;
        link_.speeds_.push_back(baud_);
        return true;
    }

    void Close() override
    {
        if (open_) {
            open_ = false;
            --link_.openDevices_;
            received_.clear();
        }
    }

    bool IsOpen() const override { return open_; }

    int32_t ReceiveCount() override
    {
        if (!Usable()) {
            return -1;
        }
        Collect();
        return static_cast<int32_t>(received_.size());
    }

    int32_t TransmitCount() override
    {
        return Usable() ? static_cast<int32_t>(link_.radio_.ToRadioTravelling()) : -1;
    }

    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        if (!Usable() || max < 0) {
            return -1;
        }
        Collect();
        const int32_t n = std::min(max, static_cast<int32_t>(received_.size()));
        std::copy_n(received_.begin(), n, buffer);
        received_.erase(received_.begin(), received_.begin() + n);
        return n;
    }

    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        if (!Usable() || count < 0) {
            return -1;
        }
        link_.radio_.FromComputer(bytes, static_cast<size_t>(count), baud_);
        return count;
    }

private:
    bool Usable() const { return open_ && !link_.unplugged_; }

    void Collect()
    {
        std::vector<WireByte> arrived;
        link_.radio_.ToComputer(arrived);
        for (const WireByte& byte : arrived) {
            if (byte.baud == baud_) {
                received_.push_back(byte.value);
            } else {
                ++link_.garbled_;
            }
        }
    }

    FakeSerialLink& link_;
    bool open_ = false;
    uint32_t baud_ = 9600;
    std::deque<uint8_t> received_;
};

FakeSerialLink::FakeSerialLink(SimRadio& radio) : radio_(radio) {}

FakeSerialLink::~FakeSerialLink()
{
    if (installed_) {
        SetSerialDeviceFactory(nullptr);
    }
}

std::unique_ptr<SerialDevice> FakeSerialLink::NewDevice()
{
    return std::make_unique<Device>(*this);
}

void FakeSerialLink::InstallAsDefault()
{
    installed_ = true;
    SetSerialDeviceFactory([this] { return NewDevice(); });
}

}  // namespace xtr
