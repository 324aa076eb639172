// A stage with the whole program's cells over a factory image: the shipped
// overlay, the settings store with the numbering variant, a host whose
// current and reference images hold the initial clone file of that
// variant, and the program's own registry.
#pragma once

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/active_cell.h"
#include "image/clone_file.h"
#include "support/fake_cell_host.h"
#include "support/overlay_guard.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace xtr::test {

inline constexpr int kVariantMpt = 0;
inline constexpr int kVariantCps = 1;

class FactoryImage : public ::testing::Test {
protected:
    FactoryImage()
        : overlay_(OverlayGuard::Shipped()),
          env_(std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}})),
          host(overlay_->Store())
    {
        previousEnv_ = SetEnv(env_.get());
    }
    indEnviron* previousEnv_ = nullptr;  // put back on destruction
    ~FactoryImage() override { SetEnv(previousEnv_); }

    // Loads the factory image of the variant into both images.
    void Load(int variant)
    {
        env_->modelType = static_cast<std::uint8_t>(variant);
        const std::string path =
            std::string(XTR_SOURCE_DATA_DIR) + (variant == kVariantCps ? "/XTR450CPS.kcl" : "/XTR450MPT.kcl");
        cmcKclFile file;
        file.SetImage(&host.CurrentImage());
        file.SetModelCode(0x2527);
        file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
        ASSERT_EQ(file.Read(path), kKclOk) << path;
        host.ReferenceImage().CopyFrom(host.CurrentImage());
    }
    // Loads the demonstration image of the variant (a radio configured for
    // a network) as the current image over the factory image as reference.
    void LoadDemo(int variant)
    {
        Load(variant);
        const std::string path =
            std::string(XTR_SOURCE_DATA_DIR) + (variant == kVariantCps ? "/demo-cps.kcl" : "/demo-mpt.kcl");
        cmcKclFile file;
        file.SetImage(&host.CurrentImage());
        file.SetModelCode(0x2527);
        file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
        ASSERT_EQ(file.Read(path), kKclOk) << path;
    }
    void UseVariant(int variant) { env_->modelType = static_cast<std::uint8_t>(variant); }

    std::uint8_t& At(std::int32_t address) { return host.CurrentImage().Data()[address]; }

    // The result bits of cell (category, id, row) shown with key 0.
    std::uint8_t ResultOf(std::int32_t id, std::int32_t row = 0, std::uint32_t category = kCategoryNone)
    {
        cmcCellObj cell;
        cell.category = category;
        cell.cellId = id;
        cell.index = row;
        cmcCellCapsule rq;
        rq.cell = &cell;
        indActiveCell active(host);
        active.Dispatch(rq, false);
        return rq.result;
    }
    bool Error(std::int32_t id, std::int32_t row = 0, std::uint32_t category = kCategoryNone)
    {
        return (ResultOf(id, row, category) & cellresult::kError) != 0;
    }
    bool Warning(std::int32_t id, std::int32_t row = 0, std::uint32_t category = kCategoryNone)
    {
        return (ResultOf(id, row, category) & cellresult::kWarning) != 0;
    }

private:
    std::unique_ptr<OverlayGuard> overlay_;
    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<indEnviron> env_;

protected:
    FakeCellHost host;
    ScriptedMessages messages;
};

}  // namespace xtr::test
