#include "clone/clone_error_message.h"

#include "app/globals.h"
#include "app/message_service.h"
#include "clone/clone_checks.h"
#include "clone/clone_result.h"
#include "overlay/gtex.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace xtr {
namespace {

// Which hint lines follow the head line. The hints, in the overlay's order:
// 0 the radio is switched on, 1 the cable sits in the right port, 2 the
// cable is the cloning cable, 3 try again, 4 the radio is of this family,
// 5 the radio's firmware is one this program supports.
struct CloneErrorHints {
    uint8_t code;
    bool formatPort;                 // the head line names the port number
    std::vector<int> checkLines;
};

const CloneErrorHints kHintTable[] = {
    {kClonePortError, true, {0, 1, 2, 3}},
    {kCloneNotAccepted, false, {0, 2, 3}},
    {kCloneWrongRadio, false, {0, 1, 2, 3, 4, 5}},
    {kCloneUnsupported, false, {0, 4, 5}},
    {kCloneNewerImage, false, {}},
};

const CloneErrorHints kDefaultHints = {0, false, {0, 1, 2, 3}};

const CloneErrorHints& HintsFor(uint8_t code)
{
    for (const CloneErrorHints& hints : kHintTable) {
        if (hints.code == code) {
            return hints;
        }
    }
    return kDefaultHints;
}

}  // namespace

std::string FillPortNumber(std::string_view line, int32_t port)
{
    std::string out;
    bool filled = false;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c != '%' || i + 1 >= line.size()) {
            out += c;
            ++i;
            continue;
        }
        if (line[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        // A number conversion: flags, width, then d, i or u.
        size_t j = i + 1;
        std::string spec = "%";
        while (j < line.size() && std::string_view("-+ 0#").find(line[j]) != std::string_view::npos) {
            spec += line[j++];
        }
        while (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j])) && spec.size() < 8) {
            spec += line[j++];
        }
        if (!filled && j < line.size() && (line[j] == 'd' || line[j] == 'i' || line[j] == 'u')) {
            spec += 'd';
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, spec.c_str(), static_cast<int>(port));
            out += buffer;
            filled = true;
            i = j + 1;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

std::string CloneErrorText(uint8_t code, int32_t port)
{
    cmcGTex& gtex = GTex();
    const CloneErrorHints& hints = HintsFor(code);
    const std::string head = gtex.Text(kCloneErrHeadKey, code);
    std::string text = hints.formatPort ? FillPortNumber(head, port) : head;
    text += "\n\n";
    for (size_t i = 0; i < hints.checkLines.size(); ++i) {
        if (i > 0) {
            text += "\n";
        }
        text += gtex.Text(kCloneErrCheckKey, hints.checkLines[i]);
    }
    return text;
}

void ShowCloneError(uint8_t code, int32_t port)
{
    Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), CloneErrorText(code, port), MsgIcon::Error, MsgButtons::Ok);
}

}  // namespace xtr
