// The user's choices for the safety steps around a transfer with the radio:
// backups of what is read and of what a write replaces, the check after a
// write, and the record of every byte for a support technician. Stored with
// the program's other settings under "Transfer"; a value that is missing
// (settings of an older version) keeps its default and makes nothing else
// fall back to defaults.
#pragma once

#include <string>

namespace xtr {

class SettingsBackend;

struct TransferSettings {
    bool backups = true;
    std::string backupFolder;  // "" for the backups folder of the user's application data
    bool verify = true;
    bool trace = false;
    std::string traceFile;     // where the trace goes while trace is on

    bool operator==(const TransferSettings&) const = default;
};

// A choice that can be kept: a trace needs the file it goes to.
inline bool TransferSettingsComplete(const TransferSettings& settings)
{
    return !settings.trace || !settings.traceFile.empty();
}

inline constexpr const char* kTransferSubkey = "Transfer";

// keyPath is the full key of the "Transfer" values.
void ReadTransferSettings(SettingsBackend& backend, const std::string& keyPath, TransferSettings& settings);
bool WriteTransferSettings(SettingsBackend& backend, const std::string& keyPath, const TransferSettings& settings);

}  // namespace xtr
