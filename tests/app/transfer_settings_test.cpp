// The transfer options among the stored settings: kept and read back, and
// optional, so that the settings of a version without them keep every
// other value (a missing value must not reset the user's port or window).
#include "app/environ.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"

#include <gtest/gtest.h>

#include <memory>

namespace xtr {
namespace {

const std::string kRoot = kEnvironPerUserKey;
const std::string kTransfer = kRoot + "\\Transfer";

struct Store {
    MemorySettings registry;
    LocalInstanceGuard guard;

    std::unique_ptr<indEnviron> Open()
    {
        return std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&registry, &guard, ScreenSize{1024, 768}});
    }
};

TEST(TransferSettings, AreKeptAndReadBack)
{
    Store store;
    TransferSettings chosen;
    chosen.backups = false;
    chosen.backupFolder = "/srv/radio-backups";
    chosen.verify = false;
    chosen.trace = true;
    chosen.traceFile = "/tmp/xtr450 trace.txt";
    {
        auto env = store.Open();
        EXPECT_EQ(env->transfer, TransferSettings{});  // first run: the defaults
        EXPECT_TRUE(env->transfer.backups);
        EXPECT_TRUE(env->transfer.verify);
        EXPECT_FALSE(env->transfer.trace);
        env->transfer = chosen;
        env->comPort = 7;
    }
    auto again = store.Open();
    EXPECT_EQ(again->transfer, chosen);
    EXPECT_EQ(again->comPort, 7);
}

TEST(TransferSettings, MissingValuesKeepTheirDefaultsAndTheOtherSettings)
{
    Store store;
    {
        auto env = store.Open();
        env->comPort = 5;
        env->fontSizePercentage = 150;
        env->transfer.verify = false;
    }
    // Settings of a version that knew no transfer options, but for one.
    ASSERT_NE(store.registry.Find(kTransfer, "Backups"), nullptr);
    store.registry.RemoveValue(kTransfer, "Backups");
    store.registry.RemoveValue(kTransfer, "TraceFile");
    auto env = store.Open();
    EXPECT_EQ(env->comPort, 5);
    EXPECT_EQ(env->fontSizePercentage, 150);
    EXPECT_TRUE(env->transfer.backups);
    EXPECT_FALSE(env->transfer.verify);
    EXPECT_EQ(env->transfer.traceFile, "");
}

TEST(TransferSettings, ATraceNeedsItsFile)
{
    TransferSettings settings;
    EXPECT_TRUE(TransferSettingsComplete(settings));
    settings.trace = true;
    EXPECT_FALSE(TransferSettingsComplete(settings));
    settings.traceFile = "trace.txt";
    EXPECT_TRUE(TransferSettingsComplete(settings));
}

}  // namespace
}  // namespace xtr
