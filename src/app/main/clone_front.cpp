#include "app/main/clone_front.h"

#include "app/main/cui_main.h"
#include "clone/clone_result.h"

namespace xtr {

int CloneFront::AppChecks::CheckImageIdentity(const cmcEeprom& image, bool withMakerText)
{
    return app_.CheckImageIdentity(image, withMakerText);
}

int CloneFront::AppChecks::CheckImageNewer(const cmcEeprom& image)
{
    return app_.CheckImageNewer(image);
}

CloneFront::CloneFront(cuiMain& app)
    : checks_(app), chain_(manager_, app.ModelCode(), app.ExtraCode()), writeFlow_(app, *this)
{
    identityContext_ = CloneIdentityHandlerContext{app.ModelCode(), &received_};
    manager_.SetIdentityHandler(&CloneFront::OnIdentity, this);
    manager_.SetReadHandler(&CloneReadHandler, &checks_);
}

void CloneFront::OnIdentity(void* context, dst_CDrv_Result* result)
{
    auto* self = static_cast<CloneFront*>(context);
    // The block is taken only from an answer that passed every check, so a
    // failed identify keeps what the last good one showed.
    CloneIdentityHandler(&self->identityContext_, result);
    if (result != nullptr && result->code == kCloneOk) {
        self->identity_ = self->received_;
        self->hasIdentity_ = true;
    }
}

}  // namespace xtr
