// The settings store over an in-memory registry: first run, reading with
// clamps, the all-or-nothing fall-back to defaults, the recent-file list as
// stored, and the second copy of the program that must touch nothing.
#include "app/environ.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"

#include <gtest/gtest.h>

#include <memory>

namespace xtr {
namespace {

const std::string kRoot = kEnvironPerUserKey;
const std::string kGlobal = kRoot + "\\Global";
const std::string kRecent = kRoot + "\\Recent File List";
const std::string kView = kRoot + "\\View Option";
const std::string kWindow = kRoot + "\\Window Position";
const std::string kSetup = kRoot + "\\Setup";

struct Fixture {
    MemorySettings registry;
    LocalInstanceGuard guard;

    std::unique_ptr<indEnviron> Open(ScreenSize screen = {1024, 768})
    {
        return std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&registry, &guard, screen});
    }

    // A complete, valid set of stored settings.
    void StoreValid()
    {
        registry.Put(kGlobal, "BBT", kEnvironValidMark);
        registry.Put(kGlobal, "ComPort", 3);
        registry.Put(kGlobal, "ComSpeedHigh", 1);
        registry.Put(kView, "FontSize Percentage", 150);
        registry.Put(kView, "Toolbar Visible", 0);
        registry.Put(kWindow, "Left", -20);
        registry.Put(kWindow, "Top", 40);
        registry.Put(kWindow, "Width", 900);
        registry.Put(kWindow, "Height", 700);
        registry.Put(kWindow, "SplitterV", 321);
        registry.Put(kSetup, "ModelType", 1);
        registry.Put(kRecent, "Recent0", std::string("C:\\radios\\a.dat"));
    }

    std::optional<int32_t> Int(const std::string& key, const char* name) const
    {
        const auto* data = registry.Find(key, name);
        return data != nullptr && std::holds_alternative<int32_t>(*data) ? std::optional(std::get<int32_t>(*data))
                                                                          : std::nullopt;
    }
    std::optional<std::string> Str(const std::string& key, const std::string& name) const
    {
        const auto* data = registry.Find(key, name);
        return data != nullptr && std::holds_alternative<std::string>(*data)
                   ? std::optional(std::get<std::string>(*data))
                   : std::nullopt;
    }
};

void ExpectDefaults(const indEnviron& env)
{
    EXPECT_EQ(env.validMark, kEnvironValidMark);
    EXPECT_EQ(env.comPort, 1);
    EXPECT_EQ(env.comSpeedHigh, 0);
    EXPECT_EQ(env.fontSizePercentage, 100);
    EXPECT_EQ(env.toolbarVisible, 1);
    EXPECT_EQ(env.splitterV, 200);
    EXPECT_EQ(env.modelType, 0);
    EXPECT_EQ(env.recent.Count(), 0);
}

TEST(Environ, FirstRunUsesDefaultsAndCreatesEveryValueAtExit)
{
    Fixture f;
    auto env = f.Open({1024, 768});
    ASSERT_TRUE(env->HoldsGuard());
    ExpectDefaults(*env);
    EXPECT_EQ(env->windowLeft, 112);
    EXPECT_EQ(env->windowTop, 50);
    EXPECT_EQ(env->windowWidth, 800);
    EXPECT_EQ(env->windowHeight, 600);
    EXPECT_EQ(f.registry.WriteCount(), 0);

    env->attached = 1;  // lives only in memory
    env.reset();
    EXPECT_EQ(f.Int(kGlobal, "BBT"), kEnvironValidMark);
    EXPECT_EQ(f.Int(kGlobal, "ComPort"), 1);
    EXPECT_EQ(f.Int(kGlobal, "ComSpeedHigh"), 0);
    EXPECT_EQ(f.Int(kView, "FontSize Percentage"), 100);
    EXPECT_EQ(f.Int(kView, "Toolbar Visible"), 1);
    EXPECT_EQ(f.Int(kWindow, "Left"), 112);
    EXPECT_EQ(f.Int(kWindow, "Top"), 50);
    EXPECT_EQ(f.Int(kWindow, "Width"), 800);
    EXPECT_EQ(f.Int(kWindow, "Height"), 600);
    EXPECT_EQ(f.Int(kWindow, "SplitterV"), 200);
    EXPECT_EQ(f.Int(kSetup, "ModelType"), 0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(f.Str(kRecent, "Recent" + std::to_string(i)), "") << i;
    }
    // 3 + 10 + 2 + 5 + 1 values, nothing else (the attached flag is not stored).
    EXPECT_EQ(f.registry.WriteCount(), 21);
    EXPECT_FALSE(f.guard.Holds());
}

TEST(Environ, DefaultWindowFitsSmallScreens)
{
    Fixture f;
    auto env = f.Open({640, 480});
    // Nine tenths of the screen, truncated; three tenths of the free height.
    EXPECT_EQ(env->windowWidth, 576);
    EXPECT_EQ(env->windowHeight, 432);
    EXPECT_EQ(env->windowLeft, 32);
    EXPECT_EQ(env->windowTop, 14);
}

TEST(Environ, StoredSettingsAreReadAndWrittenBackWithChanges)
{
    Fixture f;
    f.StoreValid();
    auto env = f.Open();
    EXPECT_EQ(env->comPort, 3);
    EXPECT_EQ(env->comSpeedHigh, 1);
    EXPECT_EQ(env->fontSizePercentage, 150);
    EXPECT_EQ(env->toolbarVisible, 0);
    EXPECT_EQ(env->windowLeft, -20);
    EXPECT_EQ(env->windowTop, 40);
    EXPECT_EQ(env->windowWidth, 900);
    EXPECT_EQ(env->windowHeight, 700);
    EXPECT_EQ(env->splitterV, 321);
    EXPECT_EQ(env->modelType, 1);
    ASSERT_EQ(env->recent.Count(), 2);  // the path and one merged empty entry
    EXPECT_EQ(env->recent.DisplayText(0, ""), "C:\\radios\\a.dat");

    env->comPort = 12;
    env->recent.AddNewest("C:\\radios\\b.dat");
    env.reset();
    EXPECT_EQ(f.Int(kGlobal, "ComPort"), 12);
    EXPECT_EQ(f.Int(kWindow, "Left"), -20);
    EXPECT_EQ(f.Str(kRecent, "Recent0"), "C:\\radios\\b.dat");
    EXPECT_EQ(f.Str(kRecent, "Recent1"), "C:\\radios\\a.dat");
    EXPECT_EQ(f.Str(kRecent, "Recent2"), "");
}

TEST(Environ, OutOfRangeValuesAreClampedWhenRead)
{
    struct Case {
        int32_t port, speed, font, toolbar, model;
        int32_t wantPort, wantSpeed, wantFont, wantToolbar, wantModel;
    };
    const Case cases[] = {
        {0, 7, 10, 5, 0x102, 1, 1, 25, 1, 2},
        {150, -1, 5000, -3, -1, 99, 0, 1000, 1, 255},
        {99, 0, 25, 1, 1, 99, 0, 25, 1, 1},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.StoreValid();
        f.registry.Put(kGlobal, "ComPort", c.port);
        f.registry.Put(kGlobal, "ComSpeedHigh", c.speed);
        f.registry.Put(kView, "FontSize Percentage", c.font);
        f.registry.Put(kView, "Toolbar Visible", c.toolbar);
        f.registry.Put(kSetup, "ModelType", c.model);
        auto env = f.Open();
        EXPECT_EQ(env->comPort, c.wantPort) << c.port;
        EXPECT_EQ(env->comSpeedHigh, c.wantSpeed) << c.speed;
        EXPECT_EQ(env->fontSizePercentage, c.wantFont) << c.font;
        EXPECT_EQ(env->toolbarVisible, c.wantToolbar) << c.toolbar;
        EXPECT_EQ(env->modelType, c.wantModel) << c.model;
    }
}

TEST(Environ, ForeignValidityMarkGivesDefaultsThatAreSaved)
{
    Fixture f;
    f.StoreValid();
    f.registry.Put(kGlobal, "BBT", 12345);
    auto env = f.Open({1024, 768});
    ExpectDefaults(*env);
    EXPECT_EQ(env->windowLeft, 112);
    env.reset();
    EXPECT_EQ(f.Int(kGlobal, "BBT"), kEnvironValidMark);
    EXPECT_EQ(f.Int(kGlobal, "ComPort"), 1);
    EXPECT_EQ(f.Int(kWindow, "SplitterV"), 200);
    EXPECT_EQ(f.Str(kRecent, "Recent0"), "");
}

TEST(Environ, AnyMissingOrUnreadableIntegerResetsEverySetting)
{
    const std::function<void(MemorySettings&)> damages[] = {
        [](MemorySettings& r) { r.RemoveKey(kWindow); },
        [](MemorySettings& r) { r.RemoveKey(kGlobal); },
        [](MemorySettings& r) { r.RemoveValue(kSetup, "ModelType"); },
        [](MemorySettings& r) { r.Put(kView, "Toolbar Visible", std::string("1")); },  // wrong type
    };
    for (size_t i = 0; i < std::size(damages); ++i) {
        Fixture f;
        f.StoreValid();
        damages[i](f.registry);
        auto env = f.Open({1024, 768});
        SCOPED_TRACE(i);
        // The port and the recent file were read before the failure and are
        // overwritten all the same.
        ExpectDefaults(*env);
        EXPECT_EQ(env->windowWidth, 800);
    }
}

TEST(Environ, MissingRecentFilesAreNotAFailure)
{
    Fixture f;
    f.StoreValid();
    f.registry.RemoveKey(kRecent);
    auto env = f.Open();
    EXPECT_EQ(env->comPort, 3);
    EXPECT_EQ(env->splitterV, 321);
    // Ten missing values read as empty and merge into one empty entry.
    ASSERT_EQ(env->recent.Count(), 1);
    EXPECT_EQ(env->recent.DisplayText(0, ""), "");
}

TEST(Environ, RecentFilesMergeKeepingTheLaterPlaceAndSpelling)
{
    Fixture f;
    f.StoreValid();
    f.registry.Put(kRecent, "Recent0", std::string("C:\\Data\\Radio.dat"));
    f.registry.Put(kRecent, "Recent1", std::string("C:\\b.dat"));
    f.registry.Put(kRecent, "Recent3", std::string("c:\\data\\RADIO.DAT"));
    auto env = f.Open();
    EXPECT_EQ(env->recent.Count(), 3);
    env.reset();
    EXPECT_EQ(f.Str(kRecent, "Recent0"), "C:\\b.dat");
    EXPECT_EQ(f.Str(kRecent, "Recent1"), "c:\\data\\RADIO.DAT");
    for (int i = 2; i < 10; ++i) {
        EXPECT_EQ(f.Str(kRecent, "Recent" + std::to_string(i)), "") << i;
    }
}

TEST(Environ, EleventhFileDropsTheOldest)
{
    Fixture f;
    auto env = f.Open();
    for (int i = 0; i < 11; ++i) {
        env->recent.AddNewest("/files/f" + std::to_string(i) + ".dat");
    }
    env.reset();
    EXPECT_EQ(f.Str(kRecent, "Recent0"), "/files/f10.dat");
    EXPECT_EQ(f.Str(kRecent, "Recent9"), "/files/f1.dat");
    EXPECT_EQ(f.registry.Find(kRecent, "Recent10"), nullptr);
}

TEST(Environ, SecondCopyReadsAndWritesNothing)
{
    Fixture f;
    f.StoreValid();
    auto first = f.Open();
    ASSERT_TRUE(first->HoldsGuard());
    const int reads = f.registry.ReadCount();

    LocalInstanceGuard otherGuard;
    auto second = std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                               EnvironServices{&f.registry, &otherGuard, {1024, 768}});
    EXPECT_FALSE(second->HoldsGuard());
    EXPECT_EQ(second->validMark, 0);
    EXPECT_EQ(second->comPort, 0);
    second->comPort = 42;
    second.reset();
    EXPECT_EQ(f.registry.ReadCount(), reads);
    EXPECT_EQ(f.registry.WriteCount(), 0);
    EXPECT_EQ(f.Int(kGlobal, "ComPort"), 3);

    // The first copy still holds the guard; once it ends, the next start
    // holds it again.
    EXPECT_TRUE(first->HoldsGuard());
    first.reset();
    EXPECT_TRUE(f.Open()->HoldsGuard());
}

TEST(Environ, WithoutBackendOrGuardActsAsSecondCopy)
{
    MemorySettings registry;
    LocalInstanceGuard guard;
    {
        indEnviron env(kEnvironGuardName, kEnvironPerUserKey, EnvironServices{nullptr, &guard, {1024, 768}});
        EXPECT_FALSE(env.HoldsGuard());
        EXPECT_FALSE(guard.Holds());
    }
    indEnviron env(kEnvironGuardName, kEnvironPerUserKey, EnvironServices{&registry, nullptr, {1024, 768}});
    EXPECT_FALSE(env.HoldsGuard());
    EXPECT_EQ(registry.ReadCount(), 0);
}

}  // namespace
}  // namespace xtr
