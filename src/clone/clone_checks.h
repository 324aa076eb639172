// The model's checks of what the radio sends: an identify must come from a
// radio of this family that this program can clone, and a read must bring an
// image of this family that is not newer than the program understands. The
// clone manager calls them as its identity and read handlers; they turn a
// successful result into a failure code when the check fails.
#pragma once

#include "clone/clone_result.h"

#include <array>
#include <cstdint>

namespace xtr {

class cmcEeprom;

// Result codes added by the model's checks, beside the driver's own.
enum CloneCheckCode : uint8_t {
    kCloneWrongRadio = 11,     // another model code, or an identity of another length
    kCloneUnsupported = 14,    // a radio of this family the program cannot clone
    kCloneForeignImage = 15,   // the image read lacks this family's marks or the maker's name
    kCloneNewerImage = 16,     // the image read is newer than the program supports
};

// What the radio says about itself: the 52-byte identity payload of the last
// successful identify. The clone information display reads it.
struct CloneIdentityBlock {
    static constexpr int32_t kLength = 52;
    // Payload byte 35 holds 2 in every radio this program can clone.
    static constexpr int32_t kCloneableIndex = 35;
    static constexpr uint8_t kCloneableValue = 2;

    std::array<uint8_t, kLength> bytes{};
    bool valid = false;  // false until an identify succeeded
};

// Checks a successful identify: identity word 1 must be the model code, the
// payload exactly 52 bytes and byte 35 must be 2. The block is filled only
// when every check passes, so it always holds a radio that was accepted.
// Results that already failed are left as they are.
void CheckIdentityResult(int32_t modelCode, dst_CDrv_Result& result, CloneIdentityBlock& block);

// What the read check asks of the application about a received image; the
// application object answers with its overridable identity operations.
class CloneImageChecks {
public:
    virtual ~CloneImageChecks() = default;
    // 0 when the image is one of this family, else 1.
    virtual int CheckImageIdentity(const cmcEeprom& image, bool withMakerText) = 0;
    // 1 when the image is newer than the program supports, else 0.
    virtual int CheckImageNewer(const cmcEeprom& image) = 0;
};

// The family's own answers (image_identity.h), for users without an
// application object.
class FamilyImageChecks : public CloneImageChecks {
public:
    int CheckImageIdentity(const cmcEeprom& image, bool withMakerText) override;
    int CheckImageNewer(const cmcEeprom& image) override;
};

// Checks a successful read: the image must pass the identity check with the
// maker's name (else 15) and must not be newer (else 16).
void CheckReadResult(CloneImageChecks& checks, dst_CDrv_Result& result);

// Ready-made handlers for the clone manager.
struct CloneIdentityHandlerContext {
    int32_t modelCode;
    CloneIdentityBlock* block;
};
void CloneIdentityHandler(void* context, dst_CDrv_Result* result);  // context: CloneIdentityHandlerContext
void CloneReadHandler(void* context, dst_CDrv_Result* result);      // context: CloneImageChecks

}  // namespace xtr
