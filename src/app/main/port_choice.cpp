#include "app/main/port_choice.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "app/message_service.h"
#include "app/text_util.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr {
namespace {

std::string MenuText(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        out += c;
        if (c == '&') {
            out += '&';
        }
    }
    return out;
}

void Store(const std::string& device)
{
    Env().portDevice = device;
    if (HasEvMan()) {
        EvMan().Post(kEvSettingsChanged, 0, 0);
    }
}

}  // namespace

std::string PortMenuCaption(const SerialPortInfo& port)
{
    std::string caption = port.device;
    if (!port.description.empty()) {
        caption += "   " + port.description;
    }
    if (!port.serialNumber.empty()) {
        caption += (port.description.empty() ? "   serial " : ", serial ") + port.serialNumber;
    }
    return MenuText(caption);
}

bool TypedDevicePath(const std::string& text, std::string& device)
{
    const std::string trimmed = Trim(text);
    if (std::any_of(trimmed.begin(), trimmed.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        return false;
    }
#ifndef _WIN32
    if (!trimmed.empty() && trimmed.find('/') == std::string::npos) {
        device = "/dev/" + trimmed;
        return true;
    }
    if (!trimmed.empty() && trimmed.front() != '/') {
        return false;  // relative to whatever folder the program runs in
    }
#endif
    device = trimmed;
    return true;
}

std::vector<PortMenuEntry> PortChoice::Entries()
{
    const std::string& chosen = Env().portDevice;
    std::vector<PortMenuEntry> entries;
    bool chosenListed = false;
    for (const SerialPortInfo& port : lister_.List()) {
        // The stable by-id name counts as the same device.
        const bool checked = !chosen.empty() && (port.device == chosen || (!port.byId.empty() && port.byId == chosen));
        chosenListed = chosenListed || checked;
        entries.push_back({PortMenuCaption(port), port.device, checked, true});
    }
    if (!chosen.empty() && !chosenListed) {
        entries.push_back({MenuText(chosen), chosen, true, false});
    }
    return entries;
}

void PortChoice::Choose(const std::string& device)
{
    Store(device);
}

std::string PortChoice::TypedDefault() const
{
    return Env().portDevice;
}

bool PortChoice::ChooseTyped(const std::string& text)
{
    std::string device;
    if (!TypedDevicePath(text, device)) {
        std::string message = GTex().AllLines("GI_Mess_Port_BadPath");
        const size_t at = message.find("%1");
        if (at != std::string::npos) {
            message.replace(at, 2, Trim(text));
        }
        Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), message, MsgIcon::Warning, MsgButtons::Ok);
        return false;
    }
    Store(device);
    return true;
}

}  // namespace xtr
