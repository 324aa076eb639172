#include "app/transfer_settings.h"

#include "app/settings_backend.h"

namespace xtr {
namespace {

void ReadFlag(SettingsBackend& backend, const std::string& keyPath, const char* name, bool& flag)
{
    if (const auto stored = backend.ReadInt(keyPath, name)) {
        flag = *stored != 0;
    }
}

void ReadText(SettingsBackend& backend, const std::string& keyPath, const char* name, std::string& text)
{
    if (const auto stored = backend.ReadString(keyPath, name)) {
        text = *stored;
    }
}

}  // namespace

void ReadTransferSettings(SettingsBackend& backend, const std::string& keyPath, TransferSettings& settings)
{
    ReadFlag(backend, keyPath, "Backups", settings.backups);
    ReadText(backend, keyPath, "BackupFolder", settings.backupFolder);
    ReadFlag(backend, keyPath, "Verify", settings.verify);
    ReadFlag(backend, keyPath, "Trace", settings.trace);
    ReadText(backend, keyPath, "TraceFile", settings.traceFile);
}

bool WriteTransferSettings(SettingsBackend& backend, const std::string& keyPath, const TransferSettings& settings)
{
    bool ok = backend.WriteInt(keyPath, "Backups", settings.backups ? 1 : 0);
    ok = backend.WriteString(keyPath, "BackupFolder", settings.backupFolder) && ok;
    ok = backend.WriteInt(keyPath, "Verify", settings.verify ? 1 : 0) && ok;
    ok = backend.WriteInt(keyPath, "Trace", settings.trace ? 1 : 0) && ok;
    ok = backend.WriteString(keyPath, "TraceFile", settings.traceFile) && ok;
    return ok;
}

}  // namespace xtr
