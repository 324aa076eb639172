// The installable source of serial devices.
#include "platform/serial_device.h"

namespace xtr {
namespace {

SerialDeviceFactory& InstalledFactory()
{
    static SerialDeviceFactory factory;
    return factory;
}

}  // namespace

void SetSerialDeviceFactory(SerialDeviceFactory factory)
{
    InstalledFactory() = std::move(factory);
}

std::unique_ptr<SerialDevice> NewSerialDevice()
{
    if (const SerialDeviceFactory& factory = InstalledFactory()) {
        if (auto device = factory()) {
            return device;
        }
    }
    return CreateSystemSerialDevice();
}

}  // namespace xtr
