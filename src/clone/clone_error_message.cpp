#include "clone/clone_error_message.h"

#include "app/globals.h"
#include "app/message_service.h"
#include "app/text_util.h"
#include "clone/clone_checks.h"
#include "clone/clone_result.h"
#include "overlay/gtex.h"

#include <cctype>
#include <cstdio>
#include <cstring>
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

// The line with its port conversion filled, and where in the result the
// number stands (npos when the line has no conversion to fill).
struct FilledLine {
    std::string text;
    size_t at = std::string::npos;
    size_t length = 0;
};

FilledLine FillConversion(std::string_view line, int32_t port)
{
    FilledLine filledLine;
    std::string& out = filledLine.text;
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
            filledLine.at = out.size();
            filledLine.length = std::strlen(buffer);
            out += buffer;
            filled = true;
            i = j + 1;
            continue;
        }
        out += c;
        ++i;
    }
    return filledLine;
}

}  // namespace

std::string FillPortNumber(std::string_view line, int32_t port)
{
    return FillConversion(line, port).text;
}

std::string FillPortName(std::string_view line, int32_t port, const std::string& devicePath)
{
    FilledLine filled = FillConversion(line, port);
    if (devicePath.empty() || filled.at == std::string::npos) {
        return filled.text;
    }
    // "COM%d" names a numbered port; a device path replaces all of it.
    size_t begin = filled.at;
    if (begin >= 3 && EqualsIgnoreCase(filled.text.substr(begin - 3, 3), "COM")) {
        begin -= 3;
    }
    return filled.text.substr(0, begin) + devicePath + filled.text.substr(filled.at + filled.length);
}

std::string CloneErrorText(uint8_t code, int32_t port, const std::string& devicePath, const std::string& reason)
{
    cmcGTex& gtex = GTex();
    const CloneErrorHints& hints = HintsFor(code);
    const std::string head = gtex.Text(kCloneErrHeadKey, code);
    std::string text = hints.formatPort ? FillPortName(head, port, devicePath) : head;
    if (!reason.empty()) {
        text += "\n" + reason;
    }
    text += "\n\n";
    for (size_t i = 0; i < hints.checkLines.size(); ++i) {
        if (i > 0) {
            text += "\n";
        }
        text += gtex.Text(kCloneErrCheckKey, hints.checkLines[i]);
    }
    return text;
}

void ShowCloneError(uint8_t code, int32_t port, const std::string& devicePath, const std::string& reason)
{
    Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), CloneErrorText(code, port, devicePath, reason), MsgIcon::Error,
                    MsgButtons::Ok);
}

}  // namespace xtr
