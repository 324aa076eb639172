// Whether a memory image belongs to this radio family, and whether it comes
// from a newer generation than this program understands. The application
// object answers its identity questions with these.
#pragma once

namespace xtr {

class cmcEeprom;

// 0 when the image is one of this family, 1 when it is foreign. The family
// marks are the product code 0x2526 (big-endian at 0x0000), the byte 0x01 at
// 0x0002 and the byte 0x02 at 0x0108; withMakerText also asks for the maker's
// name "Nalu Inc" at 0x0100-0x0107.
int CheckImageIdentity(const cmcEeprom& image, bool withMakerText);

// 1 when the image is newer than this program supports. Every image of this
// family is one the program understands, so the answer is 0.
int CheckImageNewer(const cmcEeprom& image);

}  // namespace xtr
