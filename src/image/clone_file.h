// cmcKclFile: the clone file, the radio's settings on disk. A text file with a
// family line (model and extra code), a comment line, a map revision line and
// hexadecimal records of at most 16 bytes, one per line, each inside one
// 16-byte block of the address space. The class writes the clone area of a
// memory image to such a file and reads one back, checking the family, the
// map revision, every record and that the file covers exactly the addresses
// asked for. Failures are result codes whose messages it shows itself.
#pragma once

#include "image/eeprom.h"
#include "image/range_list.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

class LineSource;

// Result codes of a read or write; each non-zero code has an overlay message.
enum KclError : uint8_t {
    kKclOk = 0,
    kKclFileOpen = 1,    // the file cannot be opened (or read)
    kKclFileAccess = 2,  // writing the file failed
    kKclModel = 3,       // family line: the model code differs
    kKclExtra = 4,       // family line: the extra code or the line end differs
    kKclMapRev = 5,      // the map revision is not accepted
    kKclFormat = 6,      // family line or a record malformed
    kKclCoverage = 7,    // addresses of the range list are missing
    kKclData = 8,        // data outside the image or outside the range list
    kKclNewer = 9,       // the image is newer than this program supports
};

// The map revision of the image layout this program writes and understands.
inline constexpr int32_t kKclMapRevision = 2;

class cmcKclFile {
public:
    // Answers non-zero to accept the map revision found in a file.
    using MapRevisionCheck = int (*)(void* context, int32_t mapRevision);
    // How the bytes of a file reach the disk: returns how many were written.
    // The default is fwrite; tests put a failing one in its place.
    using WriteFunction = std::size_t (*)(const void* data, std::size_t size, std::FILE* file);

    cmcKclFile();
    cmcKclFile(const cmcKclFile&) = delete;
    cmcKclFile& operator=(const cmcKclFile&) = delete;

    // Attaches the image (not owned) with the range 0..size-1, or the given
    // range clamped to the image, and builds the address maps.
    void SetImage(cmcEeprom* image);
    void SetImage(cmcEeprom* image, int32_t rangeStart, int32_t rangeEnd);
    void SetModelCode(int32_t value) { modelCode_ = value; }
    void SetExtraCode(int32_t value) { extraCode_ = value; }
    void SetComment(std::string text) { comment_ = std::move(text); }
    void SetMapRevision(int32_t value) { mapRevision_ = value; }
    void SetMapRevisionCheck(MapRevisionCheck check, void* context)
    {
        mapRevisionCheck_ = check;
        mapRevisionContext_ = context;
    }
    void SetWriteFunction(WriteFunction write);

    // Writes the header and the records of the ranges. The file appears
    // complete or not at all: an existing file is replaced only after the new
    // one is on the disk. Shows the message of a non-zero result.
    uint8_t Write(const std::string& path, RangeList ranges);

    // Reads the file into the attached image. Without a range list the
    // coverage is left to the caller (Coverage). A failed read leaves the
    // image exactly as it was. Shows the message of a non-zero result.
    uint8_t Read(const std::string& path, std::optional<RangeList> ranges = std::nullopt);
    // The same read from the text of a file held in memory.
    uint8_t ReadText(std::string_view text, std::optional<RangeList> ranges = std::nullopt);

    // The text Write puts into the file, line ends included.
    std::string WriteText(RangeList ranges);
    // The line end written after every line: the system's own for text files
    // by default (CR LF on Windows, LF elsewhere). Reading takes either.
    void SetLineEnd(std::string_view lineEnd) { lineEnd_ = lineEnd; }
    const std::string& LineEnd() const { return lineEnd_; }

    // Compares the addresses loaded by the last read with the range list:
    // 0 when equal, 8 when anything outside the list was loaded, else 7.
    uint8_t Coverage(std::optional<RangeList> ranges);

    // Shows the message box of a code (nothing for 0 or unknown codes).
    static void ShowError(uint8_t code);

    int HeaderMode() const { return headerMode_; }
    cmcEeprom* Image() const { return image_; }
    int32_t ModelCode() const { return modelCode_; }
    int32_t ExtraCode() const { return extraCode_; }
    const std::string& Comment() const { return comment_; }
    int32_t RecordLength() const { return recordLength_; }
    int32_t MapRevision() const { return mapRevision_; }
    int32_t RangeStart() const { return rangeStart_; }
    int32_t RangeEnd() const { return rangeEnd_; }
    // True if the last read stored a byte at the address.
    bool IsLoaded(int32_t address) const;

private:
    uint8_t WriteTo(const std::string& path, RangeList ranges);
    // Hands the file's text to emit piece by piece; stops when emit fails.
    template <typename EmitText>
    bool WriteContents(EmitText&& emit, RangeList ranges);
    bool Emit(std::FILE* file, std::string_view text);
    uint8_t ReadLines(LineSource* lines, std::optional<RangeList> ranges);
    uint8_t ReadFrom(LineSource& lines, std::optional<RangeList> ranges);
    uint8_t CheckFamilyLine(std::string_view line) const;
    uint8_t StoreRecord(std::string_view record);

    int8_t headerMode_ = 1;
    cmcEeprom* image_ = nullptr;
    int32_t modelCode_ = 0;
    int32_t extraCode_ = 0;
    std::string comment_;
    int32_t recordLength_ = 16;
    int32_t mapRevision_ = -1;
    int32_t rangeStart_ = 0;
    int32_t rangeEnd_ = -1;
    std::vector<uint8_t> expectedMap_;
    std::vector<uint8_t> loadedMap_;
    MapRevisionCheck mapRevisionCheck_ = nullptr;
    void* mapRevisionContext_ = nullptr;
    WriteFunction write_;
    std::string lineEnd_;
    // The image as it was before the read in progress; kept between reads
    // so that a file object used again does not allocate it anew.
    cmcEeprom backup_;
};

// The map revision check the file commands install: accepts exactly the
// revision this program writes.
int AcceptKnownMapRevision(void* context, int32_t mapRevision);

// The comment a saved file carries: the two 16-character clone comments of
// the image (0x0188 and 0x0198), unprintable bytes as blanks, each stripped
// of trailing blanks before they are joined.
std::string CloneFileComment(const cmcEeprom& image);

}  // namespace xtr
