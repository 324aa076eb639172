#include "app/main/process_objects.h"

#include "app/message_service.h"
#include "platform/executable_path.h"

#include "app/events.h"
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "overlay/gtex.h"

namespace xtr {

namespace {

constexpr const char* kSettingsNotSavedKey = "GI_Mess_SettingsNotSaved";

void ReportSettingsNotSaved()
{
    std::string text;
    if (!GTex().TryText(kSettingsNotSavedKey, 0, text)) {
        text = "The settings could not be saved.";
    }
    std::string caption;
    if (!GTex().TryText("GI_Sys_AppTitle", 0, caption)) {
        caption = ExecutableName();
    }
    Messages().Show(caption, text, MsgIcon::Warning, MsgButtons::Ok);
}

}  // namespace

ProcessObjects::ProcessObjects(const ProcessServices& services)
{
    env_ = std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey, services.environ);
    SetEnv(env_.get());
    gtex_ = std::make_unique<cmcGTex>();
    SetGTex(gtex_.get());
    evman_ = std::make_unique<cmcEvMan>();
    SetEvMan(evman_.get());
    app_ = std::make_unique<indMain>(services.commandLine);
    SetApp(app_.get());
}

ProcessObjects::~ProcessObjects()
{
    app_.reset();
    SetApp(nullptr);
    evman_.reset();
    SetEvMan(nullptr);
    // The settings are written while the overlay can still word the
    // message that tells the user they were not.
    if (!env_->SaveAtExit()) {
        ReportSettingsNotSaved();
    }
    gtex_.reset();
    SetGTex(nullptr);
    // Last: the settings are written and the guard released.
    env_.reset();
    SetEnv(nullptr);
}

bool ProcessObjects::HoldsGuard() const
{
    return env_->HoldsGuard();
}

bool ProcessObjects::GuardFailed() const
{
    return env_->GuardFailed();
}

}  // namespace xtr
