#include "clone/port_problem_text.h"

#include "app/globals.h"
#include "overlay/gtex.h"

namespace xtr {
namespace {

// Every "%1" and "%2" of line, replaced in one pass, so that a device name
// holding "%2" stays as it is.
std::string FillNames(const std::string& line, const std::string& first, const std::string& second)
{
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '%' && i + 1 < line.size() && (line[i + 1] == '1' || line[i + 1] == '2')) {
            out += line[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

}  // namespace

std::string PortProblemText(PortProblem problem, const std::string& device, const std::string& group)
{
    if (device.empty()) {
        return {};
    }
    const char* key = nullptr;
    switch (problem) {
    case PortProblem::Missing: key = kPortMissingKey; break;
    case PortProblem::Busy: key = kPortBusyKey; break;
    case PortProblem::Denied: key = kPortDeniedKey; break;
    case PortProblem::NotSerial: key = kPortNotSerialKey; break;
    case PortProblem::Unknown: return {};
    }
    // An overlay without the entry (an older file beside the program) keeps
    // the message as it was rather than ending the program.
    if (!GTex().HasEntry(key)) {
        return {};
    }
    return FillNames(GTex().AllLines(key), device, group);
}

std::string PortOpenFailureText(const std::string& device, int openError)
{
    const PortProblem problem = PortProblemOf(openError);
    return PortProblemText(problem, device, problem == PortProblem::Denied ? DeviceGroup(device) : std::string());
}

}  // namespace xtr
