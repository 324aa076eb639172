// Set-up, writing, coverage and messages of the clone file. Reading lives in
// clone_file_read.cpp.
#include "image/clone_file.h"

#include "app/globals.h"
#include "app/message_service.h"
#include "app/text_util.h"
#include "image/eeprom.h"
#include "image/memory_map.h"
#include "overlay/gtex.h"
#include "platform/replace_file.h"
#include "platform/text_line_end.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace xtr {
namespace {

// Overlay entry of each result code's message, indexed by the code.
constexpr const char* kErrorEntries[] = {
    nullptr,
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
};

using memmap::kCloneComment1;
using memmap::kCloneComment2;
constexpr int32_t kCloneCommentLength = memmap::kCloneCommentSize;

// Two upper-case hexadecimal digits, as "%02X" writes them.
void AppendHexByte(std::string& text, uint8_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text.push_back(kDigits[value >> 4]);
    text.push_back(kDigits[value & 0x0F]);
}

std::size_t DefaultWrite(const void* data, std::size_t size, std::FILE* file)
{
    return std::fwrite(data, 1, size, file);
}

void StripTrailingBlanks(std::string& text)
{
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
}

// The comment is one line of the file: it ends at a NUL, as a C text would,
// and a line break inside it must not start a line of its own.
std::string CommentLineText(const std::string& comment)
{
    std::string text = comment.substr(0, comment.find('\0'));
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

}  // namespace

cmcKclFile::cmcKclFile() : write_(DefaultWrite), lineEnd_(NativeTextLineEnd()) {}

void cmcKclFile::SetImage(cmcEeprom* image)
{
    SetImage(image, 0, image != nullptr ? image->Size() - 1 : -1);
}

void cmcKclFile::SetImage(cmcEeprom* image, int32_t rangeStart, int32_t rangeEnd)
{
    image_ = image;
    const int32_t size = image != nullptr ? image->Size() : 0;
    rangeStart_ = std::clamp(rangeStart, 0, std::max(size - 1, 0));
    rangeEnd_ = std::clamp(rangeEnd, -1, size - 1);
    const std::size_t mapBytes = static_cast<std::size_t>(size + 7) / 8;
    expectedMap_.assign(mapBytes, 0);
    loadedMap_.assign(mapBytes, 0);
}

void cmcKclFile::SetWriteFunction(WriteFunction write)
{
    write_ = write != nullptr ? write : DefaultWrite;
}

bool cmcKclFile::IsLoaded(int32_t address) const
{
    if (image_ == nullptr || !image_->IsAddress(address)) {
        return false;
    }
    const auto index = static_cast<std::size_t>(address) / 8;
    return index < loadedMap_.size() && (loadedMap_[index] & (1u << (address & 7))) != 0;
}

uint8_t cmcKclFile::Write(const std::string& path, RangeList ranges)
{
    const uint8_t code = WriteTo(path, ranges);
    ShowError(code);
    return code;
}

uint8_t cmcKclFile::WriteTo(const std::string& requestedPath, RangeList ranges)
{
    if (requestedPath.empty()) {
        return kKclFileOpen;
    }
    // Saving through a symbolic link updates the file it points to; the link
    // itself stays.
    std::string path = requestedPath;
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) {
            path = resolved.string();
        }
    }
    // A target we could not have overwritten in place (a read-only file, a
    // folder) is refused as unopenable, not replaced behind the user's back.
    if (std::FILE* probe = std::fopen(path.c_str(), "r+b")) {
        std::fclose(probe);
    } else if (errno != ENOENT) {
        return kKclFileOpen;
    }

    // The new contents go to a temporary file beside the target and replace
    // it only once they are complete on the disk: a full disk or a lost
    // network share halfway through must not cost the user the old file.
    std::string tempPath;
    std::FILE* file = CreateTempFileBeside(path, tempPath);
    if (file == nullptr) {
        return kKclFileOpen;
    }
    bool ok = WriteContents([&](std::string_view text) { return Emit(file, text); }, ranges);
    ok = ok && FlushFileToDisk(file);
    ok = std::fclose(file) == 0 && ok;
    ok = ok && MoveOverFile(tempPath, path);
    if (!ok) {
        std::remove(tempPath.c_str());
        return kKclFileAccess;
    }
    return kKclOk;
}

bool cmcKclFile::Emit(std::FILE* file, std::string_view text)
{
    return write_(text.data(), text.size(), file) == text.size();
}

std::string cmcKclFile::WriteText(RangeList ranges)
{
    std::string text;
    WriteContents(
        [&text](std::string_view piece) {
            text += piece;
            return true;
        },
        ranges);
    return text;
}

template <typename EmitText>
bool cmcKclFile::WriteContents(EmitText&& emit, RangeList ranges)
{
    const char* end = lineEnd_.c_str();
    if (!emit(Format("%04X%04X%s", static_cast<unsigned>(modelCode_), static_cast<unsigned>(extraCode_), end))) {
        return false;
    }
    if (headerMode_ == 1) {
        if (!emit(Format("#%s%s%s", "Comment=", CommentLineText(comment_).c_str(), end)) ||
            !emit(Format("#%s%d%s", "MapRev=", mapRevision_, end))) {
            return false;
        }
    }

    bool ok = true;
    std::string line;
    ForEachRange(ranges, [&](const RangePair& pair) {
        // A pair outside the image ends the list (also the first one: its
        // bytes cannot be read).
        if (image_ == nullptr || !image_->IsAddress(pair.from) || !image_->IsAddress(pair.to)) {
            return false;
        }
        for (int32_t a = pair.from; a <= pair.to;) {
            // A record runs to the end of its 16-byte block or of the range.
            int32_t n = recordLength_ - a % recordLength_;
            if (a + n - 1 > pair.to) {
                n = pair.to - a + 1;
            }
            line = Format("%04X%02X", static_cast<unsigned>(a), static_cast<unsigned>(n));
            for (int32_t i = 0; i < n; ++i) {
                AppendHexByte(line, image_->GetByte(a + i));
            }
            line += lineEnd_;
            if (!emit(line)) {
                ok = false;
                return false;
            }
            a += n;
        }
        return true;
    });
    return ok;
}

uint8_t cmcKclFile::Coverage(std::optional<RangeList> ranges)
{
    if (!ranges || image_ == nullptr || expectedMap_.empty()) {
        return kKclCoverage;
    }
    std::fill(expectedMap_.begin(), expectedMap_.end(), 0);
    ForEachRange(*ranges, [&](const RangePair& pair) {
        if (!image_->IsAddress(pair.from) || !image_->IsAddress(pair.to)) {
            return false;
        }
        for (int32_t a = pair.from; a <= pair.to; ++a) {
            expectedMap_[static_cast<std::size_t>(a) / 8] |= static_cast<uint8_t>(1u << (a & 7));
        }
        return true;
    });
    if (loadedMap_.size() != expectedMap_.size()) {
        return kKclCoverage;
    }
    if (loadedMap_ == expectedMap_) {
        return kKclOk;
    }
    for (std::size_t i = 0; i < loadedMap_.size(); ++i) {
        if ((loadedMap_[i] & ~expectedMap_[i]) != 0) {
            return kKclData;
        }
    }
    return kKclCoverage;
}

void cmcKclFile::ShowError(uint8_t code)
{
    if (code == kKclOk || code >= std::size(kErrorEntries)) {
        return;
    }
    cmcGTex& gtex = GTex();
    const std::string text = Format("%s\n\n%s", gtex.FirstLine("GI_Mess_FileErr_Headline").c_str(),
                                    gtex.FirstLine(kErrorEntries[code]).c_str());
    Messages().Show(gtex.FirstLine("GI_Sys_AppTitle"), text, MsgIcon::Warning, MsgButtons::Ok);
}

int AcceptKnownMapRevision(void*, int32_t mapRevision)
{
    return mapRevision == kKclMapRevision ? 1 : 0;
}

std::string CloneFileComment(const cmcEeprom& image)
{
    const auto half = [&image](int32_t start) {
        std::string text;
        for (int32_t a = start; a < start + kCloneCommentLength; ++a) {
            const uint8_t b = image.IsAddress(a) ? image.GetByte(a) : ' ';
            text += b >= 0x20 && b <= 0x7E ? static_cast<char>(b) : ' ';
        }
        return text;
    };
    std::string comment = half(kCloneComment1);
    StripTrailingBlanks(comment);
    comment += half(kCloneComment2);
    StripTrailingBlanks(comment);
    return comment;
}

}  // namespace xtr
