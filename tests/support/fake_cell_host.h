// A cell host for tests: its own 16 KiB image, reference image and
// selection-list cache, and a count of the "image may have changed"
// notices. Installs itself as the process-wide host for its lifetime and
// puts the host installed before back afterwards.
#pragma once

#include "cells/fcache.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

namespace xtr::test {

class FakeCellHost : public CellHost {
public:
    // The lists are read from store (usually an OverlayGuard's).
    explicit FakeCellHost(cmcGTex& store) : lists_(store)
    {
        image_.SetSize(0x4000);
        reference_.SetSize(0x4000);
        previous_ = SetCellHost(this);
    }
    ~FakeCellHost() override { SetCellHost(previous_); }
    FakeCellHost(const FakeCellHost&) = delete;
    FakeCellHost& operator=(const FakeCellHost&) = delete;

    cmcEeprom& CurrentImage() override { return image_; }
    cmcFCache& SelectionLists() override { return lists_; }
    void ImageChanged() override { ++imageChanged; }
    cmcEeprom& ReferenceImage() override { return reference_; }

    int imageChanged = 0;

private:
    cmcEeprom image_;
    cmcEeprom reference_;
    cmcFCache lists_;
    CellHost* previous_ = nullptr;
};

}  // namespace xtr::test
