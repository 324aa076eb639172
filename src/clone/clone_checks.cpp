#include "clone/clone_checks.h"

#include "image/eeprom.h"
#include "image/image_identity.h"

#include <algorithm>

namespace xtr {

void CheckIdentityResult(int32_t modelCode, dst_CDrv_Result& result, CloneIdentityBlock& block)
{
    if (result.kind != kCloneIdentify || result.code != kCloneOk) {
        return;
    }
    if (result.identity1 != modelCode || result.payload.Length() != CloneIdentityBlock::kLength) {
        result.code = kCloneWrongRadio;
        return;
    }
    const uint8_t* payload = result.payload.Data();
    if (payload[CloneIdentityBlock::kCloneableIndex] != CloneIdentityBlock::kCloneableValue) {
        // The block keeps the radio of the last identify that succeeded.
        result.code = kCloneUnsupported;
        return;
    }
    std::copy(payload, payload + CloneIdentityBlock::kLength, block.bytes.begin());
    block.valid = true;
}

int FamilyImageChecks::CheckImageIdentity(const cmcEeprom& image, bool withMakerText)
{
    return xtr::CheckImageIdentity(image, withMakerText);
}

int FamilyImageChecks::CheckImageNewer(const cmcEeprom& image)
{
    return xtr::CheckImageNewer(image);
}

void CheckReadResult(CloneImageChecks& checks, dst_CDrv_Result& result)
{
    if (result.kind != kCloneRead || result.code != kCloneOk) {
        return;
    }
    if (checks.CheckImageIdentity(result.image, true) != 0) {
        result.code = kCloneForeignImage;
    } else if (checks.CheckImageNewer(result.image) != 0) {
        result.code = kCloneNewerImage;
    }
}

void CloneIdentityHandler(void* context, dst_CDrv_Result* result)
{
    auto* handler = static_cast<CloneIdentityHandlerContext*>(context);
    CheckIdentityResult(handler->modelCode, *result, *handler->block);
}

void CloneReadHandler(void* context, dst_CDrv_Result* result)
{
    CheckReadResult(*static_cast<CloneImageChecks*>(context), *result);
}

}  // namespace xtr
