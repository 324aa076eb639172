// The clone commands of the main window: read, write and information.
// While a transfer runs the main form is disabled (so it cannot close and
// no command reaches the image) and the progress window shows how far it is.
#include "app/main/cui_main.h"

#include "app/events.h"
#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/main_form.h"
#include "clone/clone_info.h"
#include "clone/clone_result.h"
#include "image/memory_map.h"
#include "image/range_list.h"
#include "overlay/gtex.h"

namespace xtr {
namespace {

// A write leaves the maker's area alone, but in maker mode.
constexpr RangePair kUserWriteRanges[] = {{memmap::kSettingsFirst, memmap::kCloneAreaLast}, kRangeEnd};
constexpr RangePair kMakerWriteRanges[] = {{memmap::kCloneAreaFirst, memmap::kCloneAreaLast}, kRangeEnd};

}  // namespace

CloneFront& cuiMain::Clone()
{
    if (!clone_) {
        clone_ = std::make_unique<CloneFront>(*this);
    }
    return *clone_;
}

bool cuiMain::CloneActive() const
{
    return clone_ && clone_->Busy();
}

namespace {

// Disables the form for the transfer and gives the manager the progress
// window; Release undoes both.
void HoldForm(MainForm* form, CloneFront& clone)
{
    clone.Manager().SetProgressView(form != nullptr ? form->ProgressView() : nullptr);
    if (form != nullptr) {
        form->SetEnabled(false);
    }
}

void ReleaseForm(MainForm* form)
{
    if (form != nullptr) {
        form->SetEnabled(true);
    }
}

}  // namespace

bool cuiMain::CloneRead()
{
    if (ConfirmSave() == MsgResult::Cancel) {
        return false;
    }
    CloneFront& clone = Clone();
    if (clone.Busy()) {
        return false;
    }
    HoldForm(form_, clone);
    const bool started = clone.Chain().Read(imageSize_, [this](const dst_CDrv_Result* result) {
        ReleaseForm(form_);
        if (result == nullptr || result->code != kCloneOk || result->kind != kCloneRead) {
            return;  // the message has been shown; the image is untouched
        }
        current_.CopyFrom(result->image);
        ImageLoaded(current_);
        fileName_.clear();
        SetModified();
        ReopenSheet();
        EvMan().Post(kEvImageLoaded, 0, 0);
    });
    if (!started) {
        ReleaseForm(form_);
    }
    return started;
}

bool cuiMain::StartCloneWrite()
{
    CloneFront& clone = Clone();
    if (clone.Busy()) {
        return false;
    }
    const RangeList ranges = MakerMode() ? RangeList(kMakerWriteRanges) : RangeList(kUserWriteRanges);
    HoldForm(form_, clone);
    const bool started = clone.Chain().Write(
        current_, ranges, [this](cmcEeprom& image) { PrepareImage(image); },
        [this](const dst_CDrv_Result* result) {
            ReleaseForm(form_);
            if (result == nullptr || result->code != kCloneOk || result->kind != kCloneWrite) {
                return;
            }
            ReopenSheet();
            Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), GTex().AllLines("GI_Mess_CloneWrite_Succeeded"),
                            MsgIcon::Information, MsgButtons::Ok);
        });
    if (!started) {
        ReleaseForm(form_);
    }
    return started;
}

bool cuiMain::CloneInformation()
{
    CloneFront& clone = Clone();
    if (clone.Busy()) {
        return false;
    }
    HoldForm(form_, clone);
    const bool started = clone.Chain().Identify([this](const dst_CDrv_Result* result) {
        ReleaseForm(form_);
        if (result != nullptr && result->code == kCloneOk && form_ != nullptr) {
            form_->ShowCloneInformation();
        }
    });
    if (!started) {
        ReleaseForm(form_);
    }
    return started;
}

bool cuiMain::CloneInfoText(CloneInfoItem item, std::int32_t index, std::string& text)
{
    if (!clone_ || !clone_->HasIdentity()) {
        return false;
    }
    const CloneIdentityBlock& block = clone_->Identity();
    switch (item) {
    case CloneInfoItem::Revision:
        text = CloneInfoRevision(block);
        return true;
    case CloneInfoItem::Comment:
        text = CloneInfoComment(block, index);
        return true;
    case CloneInfoItem::Option:
        text = CloneInfoOption(block);
        return true;
    case CloneInfoItem::OverVolt:
        text = CloneInfoOverVolt(block);
        return true;
    case CloneInfoItem::Esn:
        text = CloneInfoEsn(block);
        return true;
    }
    return false;
}

}  // namespace xtr
