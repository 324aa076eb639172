#include "clone/line_settings.h"

#include "app/text_util.h"

#include <algorithm>
#include <string>
#include <vector>

namespace xtr {
namespace {

// Splits at commas, stepping over the second byte of double-byte characters.
std::vector<std::string_view> SplitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (text[i] == ',') {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    fields.push_back(text.substr(start));
    return fields;
}

// The decimal number at the start of the field (after blanks); -1 if none.
long LeadingNumber(std::string_view field)
{
    field = SkipBlanks(field);
    long value = -1;
    for (char c : field) {
        if (c < '0' || c > '9') {
            break;
        }
        value = (value < 0 ? 0 : value) * 10 + (c - '0');
        if (value > 100000000) {
            break;  // far beyond any line speed; stop before overflowing
        }
    }
    return value;
}

}  // namespace

void ParseLineSettings(std::string_view text, SerialLineConfig& config)
{
    const std::vector<std::string_view> fields = SplitFields(text);

    if (fields.size() > 0) {
        if (long baud = LeadingNumber(fields[0]); baud >= 0) {
            config.baudRate = static_cast<uint32_t>(baud);
        }
    }
    if (fields.size() > 1) {
        const std::string_view letter = SkipBlanks(fields[1]);
        uint8_t parity = kParityNone;
        bool check = false;
        if (!letter.empty()) {
            switch (letter[0]) {
            case 'O': case 'o': parity = kParityOdd; check = true; break;
            case 'E': case 'e': parity = kParityEven; check = true; break;
            case 'M': case 'm': parity = kParityMark; check = true; break;
            case 'S': case 's': parity = kParitySpace; check = true; break;
            default: break;  // N, n and anything unknown: no parity
            }
        }
        config.parity = parity;
        config.flags = static_cast<uint16_t>(check ? config.flags | serial_flags::kParityCheck
                                                   : config.flags & ~serial_flags::kParityCheck);
    }
    if (fields.size() > 2) {
        if (long bits = LeadingNumber(fields[2]); bits >= 0) {
            config.dataBits = static_cast<uint8_t>(std::clamp(bits, 4L, 8L));
        }
    }
    if (fields.size() > 3) {
        const std::string stop = Trim(fields[3]);
        config.stopBits = stop == "1.5" ? kStopOneAndHalf : stop == "2" ? kStopTwo : kStopOne;
    }
}

}  // namespace xtr
