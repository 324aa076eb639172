#include "clone/backup_store.h"

#include "app/message_service.h"
#include "image/clone_file.h"
#include "image/eeprom.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace xtr {
namespace {

bool Digits(const std::string& text, std::size_t from, std::size_t count)
{
    if (text.size() < from + count) {
        return false;
    }
    for (std::size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
    }
    return true;
}

// "ESN_YYYYMMDD-HHMMSS[-n].kcl" taken apart; false for any other name.
bool ParseName(const std::string& name, BackupEntry& entry)
{
    if (name.size() < 5 || name.substr(name.size() - 4) != ".kcl") {
        return false;
    }
    const std::string stem = name.substr(0, name.size() - 4);
    const std::size_t underscore = stem.rfind('_');
    if (underscore == std::string::npos || underscore == 0) {
        return false;
    }
    const std::string stamp = stem.substr(underscore + 1);
    if (!Digits(stamp, 0, 8) || stamp.size() < 15 || stamp[8] != '-' || !Digits(stamp, 9, 6)) {
        return false;
    }
    if (stamp.size() > 15 && (stamp[15] != '-' || !Digits(stamp, 16, stamp.size() - 16))) {
        return false;
    }
    entry.esn = stem.substr(0, underscore);
    entry.stamp = stamp;
    entry.when = stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " + stamp.substr(9, 2) +
                 ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
    return true;
}

// Newest first; a suffix counts as later than none, "-10" later than "-9".
bool Newer(const BackupEntry& a, const BackupEntry& b)
{
    const std::string baseA = a.stamp.substr(0, 15);
    const std::string baseB = b.stamp.substr(0, 15);
    if (baseA != baseB) {
        return baseA > baseB;
    }
    const long n = a.stamp.size() > 16 ? std::atol(a.stamp.c_str() + 16) : 1;
    const long m = b.stamp.size() > 16 ? std::atol(b.stamp.c_str() + 16) : 1;
    return n > m;
}

// Keeps the clone file's own message boxes quiet: the store reports its
// failure to its caller, who says it once in its own words.
class QuietMessages : public MessageService {
public:
    MsgResult Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgResult::Ok; }
};

}  // namespace

BackupTime LocalBackupTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

BackupStore::BackupStore(std::string folder, int keep) : folder_(std::move(folder)), keep_(std::max(1, keep)) {}

std::string BackupStore::FileEsn(const std::string& esn)
{
    std::string out;
    for (char c : esn) {
        out += std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
    }
    return out.empty() ? std::string("unknown") : out;
}

bool BackupStore::Keep(const cmcEeprom& image, int32_t modelCode, int32_t extraCode, const std::string& esn,
                       const BackupTime& when, std::string& path, std::string& error)
{
    if (folder_.empty()) {
        error = "no folder for backups";
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", when.year % 10000, when.month % 100,
                  when.day % 100, when.hour % 100, when.minute % 100, when.second % 100);
    const std::string fileEsn = FileEsn(esn);
    std::string name = fileEsn + "_" + stamp + ".kcl";
    for (int n = 2; fs::exists(fs::path(folder_) / name, ec); ++n) {
        name = fileEsn + "_" + stamp + "-" + std::to_string(n) + ".kcl";
    }
    path = (fs::path(folder_) / name).string();

    cmcEeprom copy;
    copy.SetSize(image.Size());
    copy.CopyFrom(image);
    cmcKclFile file;
    file.SetImage(&copy);
    file.SetModelCode(modelCode);
    file.SetExtraCode(extraCode);
    file.SetMapRevision(kKclMapRevision);
    file.SetComment(CloneFileComment(copy));
    QuietMessages quiet;
    MessageService& previous = Messages();
    SetMessageService(&quiet);
    const uint8_t code = file.Write(path, RangeList(kCloneAreaRanges));
    SetMessageService(&previous);
    if (code != kKclOk) {
        error = "the file " + path + " could not be written";
        return false;
    }
    Prune(fileEsn);
    return true;
}

std::vector<BackupEntry> BackupStore::List(const std::string& esn) const
{
    std::vector<BackupEntry> entries;
    std::error_code ec;
    const std::string wanted = esn.empty() ? std::string() : FileEsn(esn);
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) {
            continue;
        }
        BackupEntry entry;
        if (ParseName(it->path().filename().string(), entry) && (wanted.empty() || entry.esn == wanted)) {
            entry.path = it->path().string();
            entries.push_back(std::move(entry));
        }
    }
    std::sort(entries.begin(), entries.end(), Newer);
    return entries;
}

void BackupStore::Prune(const std::string& fileEsn) const
{
    const std::vector<BackupEntry> entries = List(fileEsn);
    for (std::size_t i = static_cast<std::size_t>(keep_); i < entries.size(); ++i) {
        std::error_code ec;
        fs::remove(entries[i].path, ec);
    }
}

}  // namespace xtr
