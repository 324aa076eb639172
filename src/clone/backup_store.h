// The backups of radios: every image read from a radio, and the contents a
// write is about to replace, kept as clone files in one folder, named by
// the radio's serial number and the date and time of the read
// ("026-02-736333_20261208-031500.kcl"). Only the newest few of each radio
// are kept. The calendar time is handed in by the caller, so the store
// itself never reads a clock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xtr {

class cmcEeprom;

struct BackupTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The local time of the system clock, for the callers that keep backups.
BackupTime LocalBackupTime();

struct BackupEntry {
    std::string path;
    std::string esn;   // as in the file name
    std::string when;  // "2026-12-08 03:15:00"
    std::string stamp; // "20261208-031500[-n]", for ordering
};

class BackupStore {
public:
    static constexpr int kDefaultKeep = 50;

    BackupStore(std::string folder, int keep = kDefaultKeep);

    const std::string& Folder() const { return folder_; }

    // Saves the clone area of image (as read, not prepared) for the radio
    // with serial number esn, then removes that radio's oldest backups
    // beyond the number kept. False, with the reason in error, when the
    // folder cannot be made or the file not written; nothing else changes
    // then. A backup of the same second gets a suffix "-2", "-3"...
    bool Keep(const cmcEeprom& image, int32_t modelCode, int32_t extraCode, const std::string& esn,
              const BackupTime& when, std::string& path, std::string& error);

    // The backups in the folder, newest first; of one radio when esn is
    // given. Files of other names are ignored.
    std::vector<BackupEntry> List(const std::string& esn = "") const;

    // The serial number as file names carry it: letters and digits kept,
    // everything else a "-".
    static std::string FileEsn(const std::string& esn);

private:
    void Prune(const std::string& fileEsn) const;

    std::string folder_;
    int keep_;
};

}  // namespace xtr
