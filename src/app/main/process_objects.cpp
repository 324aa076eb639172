#include "app/main/process_objects.h"

#include "app/events.h"
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "overlay/gtex.h"

namespace xtr {

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

}  // namespace xtr
