#include "clone/frame_builder.h"

#include "app/text_util.h"
#include "clone/clone_protocol.h"

namespace xtr {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& text, uint8_t b)
{
    text.push_back(kHexDigits[b >> 4]);
    text.push_back(kHexDigits[b & 0x0F]);
}

}  // namespace

void AppendCommandFrame(cmcBuff& out, int32_t preamble, uint8_t command, int32_t modelCode, int32_t extraCode)
{
    cmcBuff frame;
    frame.FromHexText(Format("FEFE EE EF %02X %04X %04X FD", command, modelCode & 0xFFFF, extraCode & 0xFFFF));
    out.AppendRepeated(clone::kPreamble, preamble);
    out.Append(frame);
}

uint8_t BlockChecksum(int32_t address, const uint8_t* data, int32_t count)
{
    unsigned sum = ((address >> 8) & 0xFF) + (address & 0xFF) + (count & 0xFF);
    for (int32_t i = 0; i < count; ++i) {
        sum += data[i];
    }
    return static_cast<uint8_t>(0x100 - (sum & 0xFF));
}

std::string DataFrameBody(int32_t address, const uint8_t* data, int32_t count)
{
    std::string body = Format("%04X%02X", address & 0xFFFF, count & 0xFF);
    body.reserve(body.size() + 2 * static_cast<size_t>(count) + 2);
    for (int32_t i = 0; i < count; ++i) {
        AppendHexByte(body, data[i]);
    }
    AppendHexByte(body, BlockChecksum(address, data, count));
    return body;
}

void AppendFrame(cmcBuff& out, int32_t preamble, uint8_t destination, uint8_t source, uint8_t command,
                 const uint8_t* body, int32_t bodyLength)
{
    const uint8_t head[] = {clone::kPreamble, clone::kPreamble, destination, source, command};
    out.AppendRepeated(clone::kPreamble, preamble);
    out.AppendBytes(head, sizeof head);
    out.AppendBytes(body, bodyLength);
    out.AppendByte(clone::kTerminator);
}

void AppendFrame(cmcBuff& out, int32_t preamble, uint8_t destination, uint8_t source, uint8_t command,
                 const std::string& body)
{
    AppendFrame(out, preamble, destination, source, command, reinterpret_cast<const uint8_t*>(body.data()),
                static_cast<int32_t>(body.size()));
}

void AppendDataFrame(cmcBuff& out, int32_t preamble, uint8_t destination, uint8_t source, int32_t address,
                     const uint8_t* data, int32_t count)
{
    AppendFrame(out, preamble, destination, source, clone::kCmdData, DataFrameBody(address, data, count));
}

std::string EndFrameBody(int32_t frameCount)
{
    std::string body(clone::kMakerText);
    AppendHexByte(body, static_cast<uint8_t>(frameCount & 0xFF));
    return body;
}

}  // namespace xtr
