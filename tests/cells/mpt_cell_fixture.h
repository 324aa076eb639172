// A stage for the number cells: a current image behind a cell host, the
// settings store with the numbering scheme, a small overlay and scripted
// message boxes. Requests go through the real dispatch.
#pragma once

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/active_cell.h"
#include "cells/fcache.h"
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_plan.h"
#include "image/eeprom.h"
#include "support/overlay_guard.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace xtr::test {

inline const char* const kMptCellOverlay =
    "Overlay of the number cell tests.\n"
    "#GI_Sys_AppTitle\nTest Title\n"
    "#GI_AppInd_CpsOnly\nCps only\n"
    "#GI_AppInd_MptOnly\nMpt only\n"
    "#GI_AppMess_Confirm_CpsFleet\nRefit the fleets?\nSecond line\n"
    "#End_Of_Ovl\n";

class MptCellHost : public CellHost {
public:
    explicit MptCellHost(cmcGTex& store) : lists_(store) { image.SetSize(0x4000); }
    cmcEeprom& CurrentImage() override { return image; }
    cmcFCache& SelectionLists() override { return lists_; }
    void ImageChanged() override { ++changes; }

    cmcEeprom image;
    int changes = 0;

private:
    cmcFCache lists_;
};

struct CellAnswer {
    std::string text;
    bool error = false;
    int editor = 0;
    cmcCellCapsule rq;
};

class MptCells : public ::testing::Test {
protected:
    MptCells()
        : overlay_(OverlayGuard::FromText(kMptCellOverlay)),
          env_(std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}})),
          host_(overlay_->Store()),
          image(host_.image)
    {
        previousEnv_ = SetEnv(env_.get());
        previousHost_ = SetCellHost(&host_);
        UseScheme(MptScheme::Mpt);
        // Mpt: individuals 1000..1699, groups 3000..3098; prefix 5.
        image.SetByte(mptmap::kOwnPrefix, 5);
        SetImageWord(image, mptmap::kFleetIndividual, 1000);
        SetImageWord(image, mptmap::kFleetGroup, 3000);
        SetImageWord(image, mptmap::kLastIndividual, 899);
        SetImageWord(image, mptmap::kLastGroup, 998);
        // Cps: bands 2, 4, 7; default fleets 22 and 21.
        image.SetByte(mptmap::kFleetBounds, 2);
        image.SetByte(mptmap::kFleetBounds + 1, 4);
        image.SetByte(mptmap::kFleetBounds + 2, 7);
        image.SetByte(mptmap::kDefaultIndividualFleet, 22);
        image.SetByte(mptmap::kDefaultGroupFleet, 21);
    }
    indEnviron* previousEnv_ = nullptr;  // put back on destruction
    ~MptCells() override
    {
        SetCellHost(previousHost_);
        SetEnv(previousEnv_);
    }

    void UseScheme(MptScheme scheme)
    {
        env_->modelType = scheme == MptScheme::Cps ? 1 : 0;
        env_->attached = 1;
    }

    CellAnswer Ask(std::int32_t cellId, std::int32_t index, std::uint32_t category, std::int32_t key,
                   const char* entry)
    {
        cmcCellObj cell;
        cell.cellId = cellId;
        cell.index = index;
        cell.category = category;
        CellAnswer answer;
        answer.rq.cell = &cell;
        answer.rq.key = key;
        if (key != cellkey::kNone || entry != nullptr) {
            answer.rq.grid = this;
        }
        if (entry != nullptr) {
            answer.rq.editText = entry;
            answer.rq.commitMode = cellcommit::kStore;
        }
        indActiveCell active;
        answer.editor = active.Dispatch(answer.rq, false);
        answer.rq.cell = nullptr;
        answer.text = answer.rq.displayText;
        answer.error = answer.rq.HasError();
        return answer;
    }
    CellAnswer Show(std::int32_t cellId, std::int32_t index = 0, std::uint32_t category = kCategoryNone)
    {
        return Ask(cellId, index, category, cellkey::kNone, nullptr);
    }
    CellAnswer Enter(std::int32_t cellId, const char* entry, std::int32_t index = 0,
                     std::uint32_t category = kCategoryNone)
    {
        return Ask(cellId, index, category, cellkey::kNone, entry);
    }
    CellAnswer Press(std::int32_t cellId, std::int32_t key, std::int32_t index = 0,
                     std::uint32_t category = kCategoryNone)
    {
        return Ask(cellId, index, category, key, nullptr);
    }

    ScriptedMessages messages;

private:
    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<OverlayGuard> overlay_;
    std::unique_ptr<indEnviron> env_;
    MptCellHost host_;
    CellHost* previousHost_ = nullptr;

protected:
    cmcEeprom& image;
};

}  // namespace xtr::test
