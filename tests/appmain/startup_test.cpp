// Start-up, attaching the main window, the second instance and shutdown.
#include "app_fixture.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "image/image_identity.h"
#include "overlay/gtex.h"
#include "platform/scoped_env.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace xtr::test {
namespace {

const std::string kGlobal = std::string(kEnvironPerUserKey) + "\\Global";
const std::string kWindow = std::string(kEnvironPerUserKey) + "\\Window Position";

TEST_F(AppTest, AttachingBuildsTheWindowFromSettingsAndInitialFile)
{
    StartAttached();
    EXPECT_EQ(App().ModelCode(), 0x2527);
    EXPECT_EQ(App().ExtraCode(), 0);
    EXPECT_EQ(App().ImageSize(), 0x4000);

    // The reference image comes from the initial file of the Mpt variant,
    // and the current, spare and comparison images start as copies of it.
    EXPECT_EQ(CheckImageIdentity(App().ReferenceImage(), false), 0);
    EXPECT_TRUE(App().CurrentImage().Equals(App().ReferenceImage()));
    EXPECT_TRUE(App().SpareImage().Equals(App().ReferenceImage()));
    EXPECT_TRUE(App().ComparisonImage().Equals(App().ReferenceImage()));
    EXPECT_FALSE(App().Modified());

    EXPECT_EQ(form.title, "Untitled - " + GTex().FirstLine("GI_Sys_AppTitle"));
    EXPECT_TRUE(form.panelsBuilt);
    EXPECT_EQ(form.leftPanelWidth, 200);  // default splitter position
    EXPECT_TRUE(form.statusBarBuilt);
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(Env().attached, 1);
}

TEST_F(AppTest, SplitterPositionIsAtLeastTheSplitterMinimum)
{
    Start();
    Env().splitterV = 3;
    App().AttachForm(&form);
    EXPECT_EQ(form.leftPanelWidth, 8);
}

TEST_F(AppTest, ModelTypeOutsideTheVariantsRunsAsMpt)
{
    Start();
    Env().modelType = 2;
    App().AttachForm(&form);
    EXPECT_EQ(Env().modelType, 0);
}

TEST_F(AppTest, SecondInstanceReadsAndWritesNothing)
{
    LocalInstanceGuard firstCopy;
    ASSERT_TRUE(firstCopy.Acquire(kEnvironGuardName));
    settings.Put(kGlobal, "ComPort", 5);
    Start();
    EXPECT_FALSE(objects->HoldsGuard());
    objects.reset();
    EXPECT_EQ(settings.ReadCount(), 0);
    EXPECT_EQ(settings.WriteCount(), 0);
}

TEST_F(AppTest, ClosingStoresNormalBoundsAndSplitterThenShutdownWritesThem)
{
    StartAttached();
    form.normalBounds = Rect{30, 40, 730, 540};
    form.leftPanelWidth = 260;
    ASSERT_TRUE(App().QueryClose());
    App().FormClosed();
    objects.reset();
    ASSERT_NE(settings.Find(kWindow, "Left"), nullptr);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Left")), 30);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Top")), 40);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Width")), 700);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Height")), 500);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "SplitterV")), 260);
}

TEST_F(AppTest, CloseIsRefusedWhileTheFormIsDisabled)
{
    StartAttached();
    form.enabled = false;
    form.normalBounds = Rect{1, 2, 3, 4};
    EXPECT_FALSE(App().QueryClose());
    EXPECT_NE(Env().windowLeft, 1);
}

// Which of the process-wide objects are installed at a moment.
struct Installed {
    bool env, gtex, evman, app;
    static Installed Now() { return {HasEnv(), HasGTex(), HasEvMan(), HasApp()}; }
    bool operator==(const Installed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Installed& i)
{
    return out << "{env " << i.env << ", gtex " << i.gtex << ", evman " << i.evman << ", app " << i.app << "}";
}

// A manual clock that notes, for every timer, which objects were installed
// when it was made and when it went: the tasks of an object are made while
// it is being built and go while it is being destroyed.
class WitnessTime : public TimeService {
public:
    struct Life {
        Installed made;
        Installed gone{};
        bool ended = false;
    };

    uint32_t TickCount() override { return clock_.TickCount(); }
    std::unique_ptr<Timer> CreateTimer() override
    {
        lives.push_back({Installed::Now()});
        return std::make_unique<Witnessed>(clock_.CreateTimer(), lives, lives.size() - 1);
    }

    std::vector<Life> lives;

private:
    class Witnessed : public Timer {
    public:
        Witnessed(std::unique_ptr<Timer> inner, std::vector<Life>& lives, size_t index)
            : inner_(std::move(inner)), lives_(lives), index_(index)
        {
            inner_->SetCallback([this] { Fire(); });
        }
        ~Witnessed() override
        {
            lives_[index_].gone = Installed::Now();
            lives_[index_].ended = true;
        }
        void Start(int intervalMs) override { inner_->Start(intervalMs); }
        void Stop() override { inner_->Stop(); }
        bool Enabled() const override { return inner_->Enabled(); }
        int Interval() const override { return inner_->Interval(); }

    private:
        std::unique_ptr<Timer> inner_;
        std::vector<Life>& lives_;
        size_t index_;
    };

    ManualTimeService clock_;
};

// Settings that note which objects were still installed at every write.
class WitnessSettings : public MemorySettings {
public:
    bool WriteInt(const std::string& key, const std::string& name, int32_t value) override
    {
        writes.push_back(Installed::Now());
        return MemorySettings::WriteInt(key, name, value);
    }
    bool WriteString(const std::string& key, const std::string& name, const std::string& value) override
    {
        writes.push_back(Installed::Now());
        return MemorySettings::WriteString(key, name, value);
    }
    std::vector<Installed> writes;
};

TEST(ProcessObjectsOrder, ShutdownDestroysInReverseOrder)
{
    WitnessTime time;
    TimeService* previous = SetTimeService(&time);
    ScriptedMessages messages;
    WitnessSettings settings;
    LocalInstanceGuard guard;
    FakeMainForm form;
    {
        ProcessServices services;
        services.environ = EnvironServices{&settings, &guard, ScreenSize{1024, 768}};
        services.commandLine = {"xtr450"};
        ProcessObjects objects(services);
        objects.Application().AttachForm(&form);
        settings.writes.clear();
    }
    SetTimeService(previous);

    const Installed all{true, true, true, true};
    const Installed withoutApp{true, true, true, false};
    int appTasks = 0;
    int eventTasks = 0;
    for (const WitnessTime::Life& life : time.lives) {
        ASSERT_TRUE(life.ended);
        if (life.made.evman) {
            // A task of the application object goes while everything it
            // builds on is still there.
            ++appTasks;
            EXPECT_EQ(life.gone, all);
        } else if (life.made.gtex) {
            // The event manager's round goes after the application object
            // and before the overlay and the settings.
            ++eventTasks;
            EXPECT_EQ(life.gone, withoutApp);
        }
    }
    EXPECT_GT(appTasks, 0);
    EXPECT_EQ(eventTasks, 1);
    // The settings are written after the application object and the event
    // manager have gone, while the overlay can still word a failure.
    ASSERT_FALSE(settings.writes.empty());
    for (const Installed& at : settings.writes) {
        EXPECT_EQ(at, (Installed{true, true, false, false}));
    }
    EXPECT_FALSE(HasEnv());
}

using AppDeathTest = AppTest;

TEST_F(AppDeathTest, MissingInitialFileIsFatal)
{
    TempDir dir;
    std::filesystem::copy_file(std::string(std::getenv("XTR450_DATA_DIR")) + "/XTR450.OVL", dir.File("XTR450.OVL"));
    EXPECT_EXIT(
        {
            ScopedEnv data("XTR450_DATA_DIR", dir.Path().string());
            StartAttached();
        },
        ::testing::ExitedWithCode(3), "Cannot open '.*XTR450MPT.kcl'\\.");
}

TEST_F(AppDeathTest, MissingOverlayEndsAtTheFirstLookup)
{
    TempDir dir;
    EXPECT_EXIT(
        {
            ScopedEnv data("XTR450_DATA_DIR", dir.Path().string());
            StartAttached();
        },
        ::testing::ExitedWithCode(3), "GTEX Error !\nThe index 'GI_App_InitialFile' was not found\\.");
}

}  // namespace
}  // namespace xtr::test
