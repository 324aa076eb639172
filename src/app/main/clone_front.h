// The one wiring of the clone manager that every face of the program uses:
// the desktop program's clone commands and xtr450ctl alike. It owns the
// manager and the identify-then-operate chain, checks received data with the
// application object's identity operations, and keeps the identity block of
// the last identify that succeeded (what the clone information shows).
#pragma once

#include "clone/clone_chain.h"
#include "clone/clone_checks.h"
#include "clone/clone_info.h"
#include "clone/clone_manager.h"
#include "app/main/write_flow.h"

#include <memory>
#include <string>

namespace xtr {

class cuiMain;

class CloneFront {
public:
    // The manager opens the port the settings name, or devicePath when it
    // is not empty.
    explicit CloneFront(cuiMain& app);
    CloneFront(const CloneFront&) = delete;
    CloneFront& operator=(const CloneFront&) = delete;

    void SetDevicePath(std::string path) { manager_.SetDevicePath(std::move(path)); }

    indCloneMan& Manager() { return manager_; }
    CloneChain& Chain() { return chain_; }
    // The write with its backup before and its check after.
    WriteFlow& Write() { return writeFlow_; }
    bool Busy() const { return manager_.IsBusy() || chain_.Running() || writeFlow_.Running(); }

    // The identity block of the last successful identify; HasIdentity is
    // false before the first.
    const CloneIdentityBlock& Identity() const { return identity_; }
    bool HasIdentity() const { return hasIdentity_; }

private:
    class AppChecks : public CloneImageChecks {
    public:
        explicit AppChecks(cuiMain& app) : app_(app) {}
        int CheckImageIdentity(const cmcEeprom& image, bool withMakerText) override;
        int CheckImageNewer(const cmcEeprom& image) override;

    private:
        cuiMain& app_;
    };

    static void OnIdentity(void* context, dst_CDrv_Result* result);

    AppChecks checks_;
    CloneIdentityBlock identity_;
    CloneIdentityBlock received_;
    CloneIdentityHandlerContext identityContext_{};
    bool hasIdentity_ = false;
    indCloneMan manager_;
    CloneChain chain_;
    WriteFlow writeFlow_;
};

}  // namespace xtr
