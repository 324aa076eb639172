// indEnviron: the settings store and the single-instance guard. It is the
// first process-wide object built and the last destroyed. Only the process
// that holds the guard reads the settings (when built) and writes them back
// (when destroyed); a second copy of the program touches nothing.
//
// Its users read and write the fields directly: the main window (bounds,
// splitter, tool bar, font size, recent list), the serial port menu and the
// clone manager (port, speed), the sheet fonts (font size), the numbering
// code (model type, attached flag).
#pragma once

#include "app/recent.h"
#include "app/transfer_settings.h"

#include <cstdint>
#include <string>

namespace xtr {

class SettingsBackend;
class InstanceGuard;

// The texts the program builds its settings store with.
inline constexpr const char* kEnvironGuardName = "Nalu XT-R450(MPT) APP Exclusive Mutex";
inline constexpr const char* kEnvironPerUserKey = "Software\\Nalu\\XT-R450(MPT)";

// Value of the validity mark ("BBT") once the settings have been read.
inline constexpr int32_t kEnvironValidMark = 753951;  // 0xB811F

inline constexpr int32_t kRecentFileCapacity = 10;

struct ScreenSize {
    int32_t width = 0;
    int32_t height = 0;
};

// What the store works through. The store owns neither the backend nor the
// guard: both must outlive it, since its destructor writes through the
// backend and then releases the guard. A missing backend or guard makes the
// store behave as a second copy (nothing read, nothing written).
struct EnvironServices {
    SettingsBackend* settings = nullptr;
    InstanceGuard* guard = nullptr;
    // The screen the default window bounds are computed for.
    ScreenSize screen;
};

class indEnviron {
public:
    // Takes the guard and, when this process holds it, reads the settings.
    indEnviron(const std::string& guardName, const std::string& perUserKey, const EnvironServices& services);
    // When holding the guard with valid settings, writes them back; then
    // releases the guard.
    ~indEnviron();
    indEnviron(const indEnviron&) = delete;
    indEnviron& operator=(const indEnviron&) = delete;

    bool HoldsGuard() const { return guardHolder_ != 0; }
    // The guard could not be made at all: not a second copy, a failure.
    bool GuardFailed() const;

    // Writes every setting and commits the backend. False when this process
    // does not hold the guard (nothing is written) or any value could not be
    // stored.
    bool Save();
    // The save at the end of the run, while the caller can still tell the
    // user: writes the settings when holding the guard with valid settings
    // (true when there was nothing to write). The destructor then saves no
    // more; without this call it saves, and a failure goes unseen.
    bool SaveAtExit();

    // Resets every stored field to its default for the screen given at
    // construction (the recent list is emptied).
    void ApplyDefaults();

    const std::string& GuardName() const { return guardName_; }
    const std::string& PerUserKey() const { return perUserKey_; }

    // The settings. Zero everywhere in a process that does not hold the
    // guard.
    cmcRecent recent{kRecentFileCapacity};
    int32_t validMark = 0;           // "BBT"
    int32_t fontSizePercentage = 0;  // 25..1000
    int32_t toolbarVisible = 0;      // 0 or 1
    int32_t comPort = 0;             // 1..99: COM1 to COM99
    int32_t comSpeedHigh = 0;        // 0 or 1
    std::string portDevice;          // a device chosen by its path; "" for COM<comPort>
    int32_t windowLeft = 0;          // normal (restored) bounds, screen pixels
    int32_t windowTop = 0;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    int32_t splitterV = 0;           // width of the tree panel
    uint8_t modelType = 0;           // 0 Mpt, 1 Cps numbering
    int32_t attached = 0;            // 1 once the main window is attached; not stored
    TransferSettings transfer;       // backups, check after a write, trace (optional values)

private:
    bool savedAtExit_ = false;
    bool Read();
    std::string KeyPath(const char* subkey) const;

    std::string guardName_;
    std::string perUserKey_;
    EnvironServices services_;
    int32_t guardHolder_ = 0;
};

}  // namespace xtr
