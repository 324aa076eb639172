#include "clone/clone_info.h"

#include "app/globals.h"
#include "app/text_util.h"
#include "overlay/gtex.h"

namespace xtr {
namespace {

constexpr int kComment1 = 2;
constexpr int kComment2 = 18;
constexpr int kCommentLength = 16;
constexpr int kRevision = 34;
constexpr int kEsn = 37;
constexpr int kEsnLength = 8;
constexpr int kOption = 46;
constexpr uint8_t kOptionFitted = 0x20;
constexpr uint8_t kOptionQd302 = 0x10;
constexpr int kStatus = 48;
constexpr uint8_t kOverVoltSeen = 0x08;

}  // namespace

std::string CloneInfoRevision(const CloneIdentityBlock& block)
{
    const uint8_t revision = block.bytes[kRevision];
    return Format("%d.%d", revision >> 4, revision & 0x0F);
}

std::string CloneInfoComment(const CloneIdentityBlock& block, int index)
{
    const int start = index == 0 ? kComment1 : kComment2;
    std::string text;
    for (int i = 0; i < kCommentLength; ++i) {
        const uint8_t c = block.bytes[start + i];
        text += c >= 32 && c <= 126 ? static_cast<char>(c) : ' ';
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string CloneInfoOption(const CloneIdentityBlock& block)
{
    const uint8_t option = block.bytes[kOption];
    if ((option & kOptionFitted) == 0) {
        return {};
    }
    return GTex().FirstLine((option & kOptionQd302) != 0 ? kCloneInfoOptQd302Key : kCloneInfoOptQd301Key) + "\n";
}

std::string CloneInfoOverVolt(const CloneIdentityBlock& block)
{
    if ((block.bytes[kStatus] & kOverVoltSeen) == 0) {
        return {};
    }
    return Format("%s", GTex().FirstLine(kCloneInfoOverVoltKey).c_str());
}

std::string CloneInfoEsn(const CloneIdentityBlock& block)
{
    int digits[kEsnLength];
    for (int i = 0; i < kEsnLength; ++i) {
        digits[i] = HexDigitValue(block.bytes[kEsn + i]);
        if (digits[i] < 0) {
            return "---/--/------";
        }
    }
    const int first = digits[0] << 4 | digits[1];
    const int second = digits[2];
    int third = 0;
    for (int i = 3; i < kEsnLength; ++i) {
        third = third << 4 | digits[i];
    }
    return Format("%03d/%02d/%06d", first, second, third);
}

}  // namespace xtr
