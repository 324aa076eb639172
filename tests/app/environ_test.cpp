// The settings store over an in-memory registry: first run, reading with
// clamps, the all-or-nothing fall-back to defaults, the recent-file list as
// stored, and the second copy of the program that must touch nothing.
#include "app/environ.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"

#include <gtest/gtest.h>

#include <functional>
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
        const std::pair<const std::string*, const char*> names[] = {
            {&kGlobal, "ComPort"}, {&kGlobal, "ComSpeedHigh"}, {&kView, "FontSize Percentage"},
            {&kView, "Toolbar Visible"}, {&kWindow, "Left"}, {&kWindow, "Top"}, {&kWindow, "Width"},
            {&kWindow, "Height"}, {&kWindow, "SplitterV"}, {&kSetup, "ModelType"}};
        const int32_t values[] = {3, 1, 150, 0, -20, 40, 900, 700, 321, 1};
        registry.Put(kGlobal, "BBT", kEnvironValidMark);
        for (size_t i = 0; i < std::size(names); ++i) {
            registry.Put(*names[i].first, names[i].second, values[i]);
        }
        registry.Put(kRecent, "Recent0", std::string("C:\\radios\\a.dat"));
    }
    template <typename T>
    std::optional<T> Get(const std::string& key, const std::string& name) const
    {
        const auto* data = registry.Find(key, name);
        return data != nullptr && std::holds_alternative<T>(*data) ? std::optional(std::get<T>(*data)) : std::nullopt;
    }
    std::optional<int32_t> Int(const std::string& key, const char* name) const { return Get<int32_t>(key, name); }
    std::optional<std::string> Recent(int i) const { return Get<std::string>(kRecent, "Recent" + std::to_string(i)); }
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
    // On a 1024 x 768 screen.
    EXPECT_EQ(env.windowLeft, 112);
    EXPECT_EQ(env.windowTop, 50);
    EXPECT_EQ(env.windowWidth, 800);
    EXPECT_EQ(env.windowHeight, 600);
}

TEST(Environ, FirstRunUsesDefaultsAndCreatesEveryValueAtExit)
{
    Fixture f;
    auto env = f.Open({1024, 768});
    ASSERT_TRUE(env->HoldsGuard());
    ExpectDefaults(*env);
    EXPECT_EQ(f.registry.WriteCount(), 0);
    env->attached = 1;  // lives only in memory
    env.reset();

    // 3 + 1 (the port's device path) + 10 + 2 + 5 + 1 values and the 5
    // transfer options, the attached flag not among them.
    EXPECT_EQ(f.registry.WriteCount(), 27);
    EXPECT_EQ(f.Int(kGlobal, "BBT"), kEnvironValidMark);
    EXPECT_EQ(f.Int(kGlobal, "ComPort"), 1);
    EXPECT_EQ(f.Int(kView, "FontSize Percentage"), 100);
    EXPECT_EQ(f.Int(kWindow, "Left"), 112);
    EXPECT_EQ(f.Int(kWindow, "Height"), 600);
    EXPECT_EQ(f.Int(kSetup, "ModelType"), 0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(f.Recent(i), "") << i;
    }
    EXPECT_FALSE(f.guard.Holds());

    // Nine tenths of a small screen, truncated; three tenths of the free
    // height above the window.
    Fixture small;
    env = small.Open({640, 480});
    EXPECT_EQ(std::vector<int32_t>({env->windowLeft, env->windowTop, env->windowWidth, env->windowHeight}),
              std::vector<int32_t>({32, 14, 576, 432}));
    env.reset();  // writes into small's backend, which must still exist
}

TEST(Environ, StoredSettingsAreReadAndWrittenBackWithChanges)
{
    Fixture f;
    f.StoreValid();
    auto env = f.Open();
    EXPECT_EQ(std::vector<int32_t>({env->comPort, env->comSpeedHigh, env->fontSizePercentage, env->toolbarVisible,
                                    env->windowLeft, env->windowTop, env->windowWidth, env->windowHeight,
                                    env->splitterV, env->modelType}),
              std::vector<int32_t>({3, 1, 150, 0, -20, 40, 900, 700, 321, 1}));
    ASSERT_EQ(env->recent.Count(), 2);  // the path and one merged empty entry
    EXPECT_EQ(env->recent.DisplayText(0, ""), "C:\\radios\\a.dat");

    env->comPort = 12;
    env->recent.AddNewest("C:\\radios\\b.dat");
    env.reset();
    EXPECT_EQ(f.Int(kGlobal, "ComPort"), 12);
    EXPECT_EQ(f.Int(kWindow, "Left"), -20);
    EXPECT_EQ(f.Recent(0), "C:\\radios\\b.dat");
    EXPECT_EQ(f.Recent(1), "C:\\radios\\a.dat");
    EXPECT_EQ(f.Recent(2), "");
}

TEST(Environ, OutOfRangeValuesAreClampedWhenRead)
{
    struct Case {
        int32_t port, speed, font, toolbar, model;
        std::vector<int32_t> want;
    };
    const Case cases[] = {
        {0, 7, 10, 5, 0x102, {1, 1, 25, 1, 2}},
        {150, -1, 5000, -3, -1, {99, 0, 1000, 1, 255}},
        {99, 0, 25, 1, 1, {99, 0, 25, 1, 1}},
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
        EXPECT_EQ(std::vector<int32_t>(
                      {env->comPort, env->comSpeedHigh, env->fontSizePercentage, env->toolbarVisible, env->modelType}),
                  c.want)
            << c.port;
    }
}

TEST(Environ, ForeignValidityMarkGivesDefaultsThatAreSaved)
{
    Fixture f;
    f.StoreValid();
    f.registry.Put(kGlobal, "BBT", 12345);
    auto env = f.Open({1024, 768});
    ExpectDefaults(*env);
    env.reset();
    EXPECT_EQ(f.Int(kGlobal, "BBT"), kEnvironValidMark);
    EXPECT_EQ(f.Int(kGlobal, "ComPort"), 1);
    EXPECT_EQ(f.Recent(0), "");
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
        SCOPED_TRACE(i);
        Fixture f;
        f.StoreValid();
        damages[i](f.registry);
        // The port and the recent file read before the failure are
        // overwritten all the same.
        ExpectDefaults(*f.Open({1024, 768}));
    }

    // Missing recent files are no failure: ten empty values merge into one.
    Fixture f;
    f.StoreValid();
    f.registry.RemoveKey(kRecent);
    auto env = f.Open();
    EXPECT_EQ(env->comPort, 3);
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
    EXPECT_EQ(f.Recent(0), "C:\\b.dat");
    EXPECT_EQ(f.Recent(1), "c:\\data\\RADIO.DAT");
    EXPECT_EQ(f.Recent(2), "");
}

TEST(Environ, EleventhFileDropsTheOldest)
{
    Fixture f;
    auto env = f.Open();
    for (int i = 0; i < 11; ++i) {
        env->recent.AddNewest("/files/f" + std::to_string(i) + ".dat");
    }
    env.reset();
    EXPECT_EQ(f.Recent(0), "/files/f10.dat");
    EXPECT_EQ(f.Recent(9), "/files/f1.dat");
    EXPECT_EQ(f.Recent(10), std::nullopt);
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
    EXPECT_FALSE(second->Save());
    second.reset();
    EXPECT_EQ(f.registry.ReadCount(), reads);
    EXPECT_EQ(f.registry.WriteCount(), 0);

    // Once the first copy ends, the next start holds the guard again.
    EXPECT_TRUE(first->HoldsGuard());
    first.reset();
    EXPECT_TRUE(f.Open()->HoldsGuard());
}

}  // namespace
}  // namespace xtr
