// The port list on Windows: the COM ports SetupAPI knows, each with its
// "PortName" from the device's registry key, its friendly name, and the USB
// vendor, product and serial number read from its hardware and instance ids.
#ifdef _WIN32

#include "platform/serial_port_list.h"

#include <algorithm>
#include <windows.h>
#include <setupapi.h>
#include <devguid.h>

namespace xtr {
namespace {

std::string Narrow(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return std::string();
    }
    std::string out(static_cast<std::size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::string Property(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property)
{
    wchar_t buffer[512] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set, &info, property, &type, reinterpret_cast<BYTE*>(buffer),
                                           sizeof buffer - sizeof(wchar_t), nullptr)) {
        return std::string();
    }
    return Narrow(buffer);  // the first string of a multi-string
}

// "USB\VID_0403&PID_6001\A50285BI": the four hex digits after key, or "".
std::string IdPart(const std::string& id, const char* key)
{
    const std::size_t at = id.find(key);
    return at == std::string::npos || id.size() < at + 8 ? std::string() : id.substr(at + 4, 4);
}

class SetupApiPortLister : public SerialPortLister {
public:
    std::vector<SerialPortInfo> List() override
    {
        std::vector<SerialPortInfo> ports;
        HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
        if (set == INVALID_HANDLE_VALUE) {
            return ports;
        }
        SP_DEVINFO_DATA info{};
        info.cbSize = sizeof info;
        for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &info); ++i) {
            HKEY key = SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
            if (key == INVALID_HANDLE_VALUE) {
                continue;
            }
            wchar_t name[64] = {};
            DWORD size = sizeof name - sizeof(wchar_t);
            DWORD type = 0;
            const LONG found = RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size);
            RegCloseKey(key);
            const std::string device = found == ERROR_SUCCESS ? Narrow(name) : std::string();
            if (device.rfind("COM", 0) != 0) {
                continue;  // printer ports share the class
            }
            SerialPortInfo port;
            port.device = device;
            port.description = Property(set, info, SPDRP_FRIENDLYNAME);
            port.manufacturer = Property(set, info, SPDRP_MFG);
            const std::string hardware = Property(set, info, SPDRP_HARDWAREID);
            port.vendorId = IdPart(hardware, "VID_");
            port.productId = IdPart(hardware, "PID_");
            wchar_t instance[512] = {};
            if (!port.vendorId.empty() &&
                SetupDiGetDeviceInstanceIdW(set, &info, instance, sizeof instance / sizeof instance[0] - 1, nullptr)) {
                // The last part of a USB instance id is the serial number
                // when the adapter has one (it holds '&' when it has not).
                const std::string id = Narrow(instance);
                const std::string last = id.substr(id.rfind('\\') + 1);
                if (last.find('&') == std::string::npos) {
                    port.serialNumber = last;
                }
            }
            ports.push_back(std::move(port));
        }
        SetupDiDestroyDeviceInfoList(set);
        // COM2 before COM10.
        std::sort(ports.begin(), ports.end(), [](const SerialPortInfo& a, const SerialPortInfo& b) {
            return a.device.size() != b.device.size() ? a.device.size() < b.device.size() : a.device < b.device;
        });
        return ports;
    }
};

}  // namespace

std::unique_ptr<SerialPortLister> CreateSystemPortLister()
{
    return std::make_unique<SetupApiPortLister>();
}

}  // namespace xtr

#endif
