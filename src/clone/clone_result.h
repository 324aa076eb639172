// dst_CDrv_Result: what one operation of the clone protocol driver hands to
// its completion callback, and the result codes the driver writes into it.
#pragma once

#include "image/buff.h"
#include "image/eeprom.h"

#include <cstdint>

namespace xtr {

// Operation kinds.
enum CloneKind : uint8_t {
    kCloneIdentify = 1,
    kCloneRead = 2,
    kCloneWrite = 3,
};

// Result codes written by the driver. The clone manager adds its own codes
// above these when it checks what the radio sent.
enum CloneCode : uint8_t {
    kCloneOk = 0,
    kClonePortError = 2,     // the port cannot be opened or configured; also the value while running
    kCloneSilence = 5,       // no progress within the silence time-out
    kCloneMalformed = 6,     // wrong header, length, characters, decoded length or checksum
    kCloneFrameCount = 7,    // the read's end frame carries another frame count
    kCloneMissing = 8,       // the read ended with addresses of the range list missing
    kCloneOutside = 9,       // data outside the image or outside the range list
    kCloneNotAccepted = 10,  // the write was not acknowledged with status 0
};

struct dst_CDrv_Result {
    uint8_t kind = 0;
    uint8_t code = kClonePortError;
    // The two identity words of the radio's answer to an identify; they hold
    // the model and extra code asked for until an answer replaces them.
    int32_t identity1 = 0;
    int32_t identity2 = 0;
    // The identity answer's bytes after the two words.
    cmcBuff payload;
    // Image size bytes: received data (read) or the data to write (write).
    cmcEeprom image;
    // Bit (a mod 8) of byte (a div 8) is set for every address a received.
    cmcBuff receivedMap;
};

}  // namespace xtr
