#include "clone/sim_identity.h"

#include "clone/clone_protocol.h"

#include <algorithm>

namespace xtr {
namespace {

void PutText(std::vector<uint8_t>& payload, size_t at, const std::string& text, size_t length, uint8_t pad)
{
    for (size_t i = 0; i < length; ++i) {
        uint8_t c = i < text.size() ? static_cast<uint8_t>(text[i]) : pad;
        if (c == clone::kPreamble || c == clone::kTerminator) {
            c = ' ';
        }
        payload[at + i] = c;
    }
}

}  // namespace

std::vector<uint8_t> IdentityPayload(const SimIdentity& identity)
{
    std::vector<uint8_t> payload(SimIdentity::kPayloadLength, 0);
    PutText(payload, 2, identity.comment1, 16, ' ');
    PutText(payload, 18, identity.comment2, 16, ' ');
    payload[34] = identity.revision;
    payload[35] = identity.byte35;
    PutText(payload, 37, identity.serialNumber, 8, '0');
    payload[46] = identity.option;
    payload[48] = identity.overVoltage ? 0x08 : 0x00;
    payload.resize(static_cast<size_t>(std::max(identity.payloadLength, 0)), 0);
    return payload;
}

}  // namespace xtr
