// Image preparation: brings a memory image into the form in which it is
// stored and sent to the radio. The cells edit only part of the image; the
// rest is made consistent here: the maker's fixed data and the list rows
// that are not in use are taken from the reference image (the image of the
// initial clone file), and the values the radio needs but no cell shows are
// computed (first rows in use, timings derived from edited settings, the
// directory entries' addresses).
//
// It runs once on the reference image itself after the initial file has
// been read, after every load into the current image (file or radio), and
// before every save and every write to the radio. After the call the
// application restarts its 250 ms delayed check of the image; that timer is
// the caller's.
#pragma once

namespace xtr {

class cmcEeprom;

// Prepares target against reference for the numbering variant modelType
// (0 Mpt, 1 Cps). target and reference may be the same image. Both hold
// the radio's 0x4000 bytes; a smaller image is fatal (access out of range).
void PrepareImage(cmcEeprom& target, const cmcEeprom& reference, int modelType);

}  // namespace xtr
