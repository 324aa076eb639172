// Reading a clone file into the attached memory image: the family line, the
// comment lines with the map revision, the records and the coverage test.
// Any failure puts the image back as it was before the read.
#include "image/clone_file.h"

#include "app/text_util.h"
#include "image/eeprom.h"
#include "image/line_source.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace xtr {
namespace {

// Shortest and longest record line without its line end: address, count and
// 1 to 255 data bytes.
constexpr std::size_t kMinRecordChars = 8;
constexpr std::size_t kMaxRecordChars = 516;
// The family line: eight digits and the line end.
constexpr std::size_t kFamilyLineChars = 9;

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int32_t HexNumber(std::string_view digits)
{
    int32_t value = 0;
    for (char c : digits) {
        value = value * 16 + HexDigitValue(c);
    }
    return value;
}

// The number after "#MapRev=": a C long read from the ninth character on
// (leading white space skipped, 0 without digits). Values beyond 32 bits are
// held at the nearest 32-bit limit, as a 32-bit long would hold them, so a
// huge number can never wrap round to an accepted revision.
int32_t ParseMapRevision(const std::string& line)
{
    const char* start = line.size() > 8 ? line.c_str() + 8 : "";
    const long long value = std::strtoll(start, nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

uint8_t cmcKclFile::Read(const std::string& path, std::optional<RangeList> ranges)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return ReadLines(nullptr, ranges);
    }
    FileLineSource lines(file);
    const uint8_t code = ReadLines(&lines, ranges);
    std::fclose(file);
    return code;
}

uint8_t cmcKclFile::ReadText(std::string_view text, std::optional<RangeList> ranges)
{
    TextLineSource lines(text);
    return ReadLines(&lines, ranges);
}

uint8_t cmcKclFile::ReadLines(LineSource* lines, std::optional<RangeList> ranges)
{
    if (image_ != nullptr) {
        backup_.CopyFrom(*image_);
    }
    std::fill(loadedMap_.begin(), loadedMap_.end(), 0);

    const uint8_t code = lines != nullptr ? ReadFrom(*lines, ranges) : static_cast<uint8_t>(kKclFileOpen);
    if (code != kKclOk && image_ != nullptr) {
        image_->CopyFrom(backup_);
    }
    ShowError(code);
    return code;
}

uint8_t cmcKclFile::ReadFrom(LineSource& lines, std::optional<RangeList> ranges)
{
    std::string line;
    if (!lines.Next(line)) {
        return lines.Failed() ? kKclFileOpen : kKclFormat;
    }
    if (const uint8_t code = CheckFamilyLine(line); code != kKclOk) {
        return code;
    }

    bool firstRecord = true;
    while (lines.Next(line)) {
        if (line.empty()) {
            continue;
        }
        if (line[0] == '#') {
            if (line.find("MapRev=", 1) != std::string::npos) {
                mapRevision_ = ParseMapRevision(line);
            }
            continue;
        }
        // The revision in force when the data begins decides; a revision
        // line further down comes too late for that.
        if (firstRecord) {
            firstRecord = false;
            if (mapRevisionCheck_ == nullptr || mapRevisionCheck_(mapRevisionContext_, mapRevision_) == 0) {
                return kKclMapRev;
            }
        }
        std::string_view record(line);
        if (record.back() == '\n') {
            record.remove_suffix(1);
        }
        if (const uint8_t code = StoreRecord(record); code != kKclOk) {
            return code;
        }
    }
    if (lines.Failed()) {
        return kKclFileOpen;
    }
    return ranges ? Coverage(ranges) : static_cast<uint8_t>(kKclOk);
}

uint8_t cmcKclFile::CheckFamilyLine(std::string_view line) const
{
    if (line.size() != kFamilyLineChars) {
        return kKclFormat;
    }
    const std::string expected =
        Format("%04X%04X\n", static_cast<unsigned>(modelCode_), static_cast<unsigned>(extraCode_));
    // Position by position; the first position that fails decides, and at
    // each one a non-digit is malformed before it is a mismatch.
    for (std::size_t i = 0; i < kFamilyLineChars; ++i) {
        if (i < 8 && !IsDecimalDigit(line[i])) {
            return kKclFormat;
        }
        if (i >= expected.size() || line[i] != expected[i]) {
            return i < 4 ? kKclModel : kKclExtra;
        }
    }
    return kKclOk;
}

uint8_t cmcKclFile::StoreRecord(std::string_view record)
{
    if (record.size() < kMinRecordChars || record.size() > kMaxRecordChars) {
        return kKclFormat;
    }
    if (!std::all_of(record.begin(), record.end(), [](char c) { return HexDigitValue(c) >= 0; })) {
        return kKclFormat;
    }
    const int32_t address = HexNumber(record.substr(0, 4));
    const int32_t count = HexNumber(record.substr(4, 2));
    if (record.size() != 6 + 2 * static_cast<std::size_t>(count)) {
        return kKclFormat;
    }
    // All or nothing: a record reaching past the image stores none of its bytes.
    if (image_ == nullptr || !image_->IsAddress(address) || !image_->IsAddress(address + count - 1)) {
        return kKclData;
    }
    for (int32_t i = 0; i < count; ++i) {
        const int32_t a = address + i;
        image_->SetByte(a, static_cast<uint8_t>(HexNumber(record.substr(6 + 2 * static_cast<std::size_t>(i), 2))));
        const auto index = static_cast<std::size_t>(a) / 8;
        if (index < loadedMap_.size()) {
            loadedMap_[index] |= static_cast<uint8_t>(1u << (a & 7));
        }
    }
    return kKclOk;
}

}  // namespace xtr
