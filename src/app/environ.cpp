#include "app/environ.h"

#include "app/instance_guard.h"
#include "app/settings_backend.h"
#include "app/text_util.h"

#include <algorithm>

namespace xtr {
namespace {

const char* const kGlobal = "Global";
const char* const kRecentFileList = "Recent File List";
const char* const kViewOption = "View Option";
const char* const kWindowPosition = "Window Position";
const char* const kSetup = "Setup";
const char* const kPortDevice = "PortDevice";

// How a stored integer becomes a field.
enum class ReadRule { AsStored, Clamp, NonZeroIsOne, LowByte };

struct IntSetting {
    const char* subkey;
    const char* name;
    ReadRule rule;
    int32_t low;
    int32_t high;
    int32_t (*get)(const indEnviron&);
    void (*set)(indEnviron&, int32_t);
};

#define XTR_FIELD(member)                                      \
    [](const indEnviron& e) -> int32_t { return e.member; }, \
        [](indEnviron& e, int32_t v) { e.member = static_cast<decltype(e.member)>(v); }

// The integers before the recent-file list ...
const IntSetting kLeadingInts[] = {
    {kGlobal, "BBT", ReadRule::AsStored, 0, 0, XTR_FIELD(validMark)},
    {kGlobal, "ComPort", ReadRule::Clamp, 1, 99, XTR_FIELD(comPort)},
    {kGlobal, "ComSpeedHigh", ReadRule::Clamp, 0, 1, XTR_FIELD(comSpeedHigh)},
};

// ... and after it, in the order they are read and written.
const IntSetting kTrailingInts[] = {
    {kViewOption, "FontSize Percentage", ReadRule::Clamp, 25, 1000, XTR_FIELD(fontSizePercentage)},
    {kViewOption, "Toolbar Visible", ReadRule::NonZeroIsOne, 0, 0, XTR_FIELD(toolbarVisible)},
    {kWindowPosition, "Left", ReadRule::AsStored, 0, 0, XTR_FIELD(windowLeft)},
    {kWindowPosition, "Top", ReadRule::AsStored, 0, 0, XTR_FIELD(windowTop)},
    {kWindowPosition, "Width", ReadRule::AsStored, 0, 0, XTR_FIELD(windowWidth)},
    {kWindowPosition, "Height", ReadRule::AsStored, 0, 0, XTR_FIELD(windowHeight)},
    {kWindowPosition, "SplitterV", ReadRule::AsStored, 0, 0, XTR_FIELD(splitterV)},
    {kSetup, "ModelType", ReadRule::LowByte, 0, 0, XTR_FIELD(modelType)},
};

#undef XTR_FIELD

int32_t ApplyRule(const IntSetting& setting, int32_t stored)
{
    switch (setting.rule) {
    case ReadRule::Clamp:
        return std::clamp(stored, setting.low, setting.high);
    case ReadRule::NonZeroIsOne:
        return stored != 0 ? 1 : 0;
    case ReadRule::LowByte:
        return stored & 0xFF;
    case ReadRule::AsStored:
        break;
    }
    return stored;
}

}  // namespace

indEnviron::indEnviron(const std::string& guardName, const std::string& perUserKey, const EnvironServices& services)
    : guardName_(guardName), perUserKey_(perUserKey), services_(services)
{
    if (services_.guard == nullptr || services_.settings == nullptr) {
        return;
    }
    if (!services_.guard->Acquire(guardName_)) {
        return;
    }
    guardHolder_ = 1;
    if (!Read() || validMark != kEnvironValidMark) {
        ApplyDefaults();
    }
}

bool indEnviron::GuardFailed() const
{
    return guardHolder_ == 0 && services_.guard != nullptr && services_.guard->Failed();
}

bool indEnviron::SaveAtExit()
{
    if (savedAtExit_ || guardHolder_ == 0 || validMark != kEnvironValidMark) {
        return true;
    }
    savedAtExit_ = true;
    return Save();
}

indEnviron::~indEnviron()
{
    SaveAtExit();
    if (services_.guard != nullptr) {
        services_.guard->Release();
    }
}

std::string indEnviron::KeyPath(const char* subkey) const
{
    return Format("%s\\%s", perUserKey_.c_str(), subkey);
}

bool indEnviron::Read()
{
    SettingsBackend& backend = *services_.settings;
    const auto readInts = [&](const auto& table) {
        for (const IntSetting& setting : table) {
            const auto stored = backend.ReadInt(KeyPath(setting.subkey), setting.name);
            if (!stored) {
                return false;
            }
            setting.set(*this, ApplyRule(setting, *stored));
        }
        return true;
    };
    if (!readInts(kLeadingInts)) {
        return false;
    }
    // Settings written before the device path existed have none: the
    // numbered port then stands.
    portDevice = backend.ReadString(KeyPath(kGlobal), kPortDevice).value_or(std::string());
    // A missing list or value is an empty entry, not a failure. Equal
    // entries merge, so each path is kept once, at its last place.
    const std::string recentKey = KeyPath(kRecentFileList);
    for (int32_t i = 0; i < kRecentFileCapacity; ++i) {
        recent.AddOldest(backend.ReadString(recentKey, Format("Recent%d", i)).value_or(std::string()));
    }
    if (!readInts(kTrailingInts)) {
        return false;
    }
    ReadTransferSettings(backend, KeyPath(kTransferSubkey), transfer);
    return true;
}

void indEnviron::ApplyDefaults()
{
    validMark = kEnvironValidMark;
    comPort = 1;
    comSpeedHigh = 0;
    portDevice.clear();
    recent.Clear();
    fontSizePercentage = 100;
    toolbarVisible = 1;
    splitterV = 200;
    modelType = 0;
    transfer = TransferSettings{};

    // At most 800 x 600 and at most nine tenths of the screen; centred
    // across, three tenths of the free height from the top. Integer
    // arithmetic keeps the truncation exact.
    const int64_t screenWidth = services_.screen.width;
    const int64_t screenHeight = services_.screen.height;
    windowWidth = static_cast<int32_t>(std::min<int64_t>(800, screenWidth * 9 / 10));
    windowHeight = static_cast<int32_t>(std::min<int64_t>(600, screenHeight * 9 / 10));
    windowLeft = static_cast<int32_t>((screenWidth - windowWidth) / 2);
    windowTop = static_cast<int32_t>((screenHeight - windowHeight) * 3 / 10);
}

bool indEnviron::Save()
{
    // A second copy must never overwrite the settings of the first.
    if (guardHolder_ == 0) {
        return false;
    }
    SettingsBackend& backend = *services_.settings;
    bool ok = true;
    const auto writeInts = [&](const auto& table) {
        for (const IntSetting& setting : table) {
            ok = backend.WriteInt(KeyPath(setting.subkey), setting.name, setting.get(*this)) && ok;
        }
    };
    writeInts(kLeadingInts);
    ok = backend.WriteString(KeyPath(kGlobal), kPortDevice, portDevice) && ok;
    // All ten values, emptied beyond the list's end, so that no stale
    // entry of an earlier run survives.
    const std::string recentKey = KeyPath(kRecentFileList);
    for (int32_t i = 0; i < kRecentFileCapacity; ++i) {
        ok = backend.WriteString(recentKey, Format("Recent%d", i), recent.DisplayText(i, std::string())) && ok;
    }
    writeInts(kTrailingInts);
    ok = WriteTransferSettings(backend, KeyPath(kTransferSubkey), transfer) && ok;
    return backend.Commit() && ok;
}

}  // namespace xtr
