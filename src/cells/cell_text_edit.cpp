#include "cells/cell_text_edit.h"

#include "app/globals.h"
#include "app/message_service.h"
#include "app/text_util.h"
#include "cells/active_cell.h"
#include "cells/cell_capsule.h"
#include "cells/fcache.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>

namespace xtr {
namespace {

// Notes the drop-down list a cell opens on Enter.
class ListProbe : public CellUi {
public:
    void OpenDropDown(const cmcCellCapsule&, const std::string& listName, std::int32_t cellId, std::int32_t) override
    {
        opened = true;
        list = listName;
        itemCell = cellId;
    }
    bool opened = false;
    std::string list;
    std::int32_t itemCell = 0;
};

// Says nothing and answers every question cautiously.
class SilentMessages : public MessageService {
public:
    MsgResult Show(const std::string&, const std::string&, MsgIcon, MsgButtons buttons) override
    {
        return buttons == MsgButtons::Ok ? MsgResult::Ok : buttons == MsgButtons::YesNo ? MsgResult::No
                                                                                        : MsgResult::Cancel;
    }
};

// Whether Enter on the cell in the grid opens a drop-down list, and which.
// Whatever the key does to the image is undone: it goes back to `saved`,
// which holds what the image holds now.
ListProbe ProbeList(CellHost& host, cmcCellObj& cell, const cmcEeprom& saved)
{
    ListProbe probe;
    SilentMessages silent;
    // Only for the probe: whatever was installed before (the desktop
    // grid's drop-down lists, the program's message boxes) comes back.
    CellUi* previousUi = SetCellUi(&probe);
    MessageService* previousMessages = SetMessageService(&silent);
    int grid = 0;
    cmcCellCapsule rq;
    rq.cell = &cell;
    rq.grid = &grid;
    rq.key = cellkey::kEnter;
    indActiveCell(host).Dispatch(rq, false);
    SetMessageService(previousMessages);
    SetCellUi(previousUi);

    host.CurrentImage().CopyFrom(saved);
    return probe;
}

std::optional<std::int32_t> FindItem(cmcFCache& lists, const ListProbe& probe, const std::string& text)
{
    const cmcFCache::Table& table = lists.TableOf(probe.list, probe.itemCell);
    const std::string wanted = Trim(text);
    if (wanted.size() > 1 && wanted.front() == '#') {
        // "#" and a whole decimal number: nothing before or after it, not
        // even a zero byte (which would end the number for strtol).
        const char* first = wanted.c_str() + 1;
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(first, &end, 10);
        if (errno == 0 && end != first && end == wanted.c_str() + wanted.size()) {
            for (const cmcFCache::Item& item : table.byValue) {
                if (item.value == value) {
                    return item.value;
                }
            }
        }
        return std::nullopt;
    }
    for (const cmcFCache::Item& item : table.byLayout) {
        if (EqualsIgnoreCase(Trim(item.caption), wanted)) {
            return item.value;
        }
    }
    return std::nullopt;
}

std::optional<double> Number(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end == nullptr || *end != '\0' || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string Shown(CellHost& host, cmcCellObj& cell)
{
    cmcCellCapsule rq;
    rq.cell = &cell;
    indActiveCell(host).Dispatch(rq, false);
    return rq.displayText;
}

// Whether an entry that left the image as it was is one the cell took (the
// image already held that value) or one it refused. Decided on the image
// with the cell's value moved away by the keys that step a value (Space,
// then Backspace): entering the same text there brings the value back when
// the cell takes it, and leaves the moved value when the cell refuses it.
// A cell that no key moves but that takes typed text (`retype`) is moved by
// storing another text instead: the text a cell shows need not be the text
// it reads (a display text shows its characters, but "%%" or "%25" is typed
// for a "%"), so comparing the two would call such an entry refused. What
// neither moves is judged by its text. Everything done here is undone.
// The application as the probe's keys see it: the same image and lists,
// but no change notice, since whatever the keys change is undone at once
// (the application would otherwise take the image as modified).
class ProbeHost : public CellHost {
public:
    explicit ProbeHost(CellHost& host) : host_(host) {}
    cmcEeprom& CurrentImage() override { return host_.CurrentImage(); }
    cmcFCache& SelectionLists() override { return host_.SelectionLists(); }
    void ImageChanged() override {}
    cmcEeprom& ReferenceImage() override { return host_.ReferenceImage(); }

private:
    CellHost& host_;
};

// `held` holds what the image holds now.
bool TookUnchanged(CellHost& realHost, cmcCellObj& cell, const cmcEeprom& held,
                   const std::function<void(CellHost&)>& enter, const std::string& text,
                   const std::function<void(CellHost&, const std::string&)>& retype = nullptr)
{
    ProbeHost host(realHost);
    cmcEeprom& image = host.CurrentImage();
    cmcEeprom moved;  // sized by the first copy

    SilentMessages silent;
    MessageService& previous = Messages();
    SetMessageService(&silent);
    std::optional<bool> took;
    for (const std::int32_t key : {cellkey::kSpace, cellkey::kBackspace}) {
        int grid = 0;
        cmcCellCapsule rq;
        rq.cell = &cell;
        rq.grid = &grid;
        rq.key = key;
        indActiveCell(host).Dispatch(rq, false);
        if (!image.Differs(held)) {
            continue;
        }
        moved.CopyFrom(image);
        enter(host);
        took = image.Differs(moved);
        image.CopyFrom(held);
        break;
    }
    bool tookRetyped = false;
    if (!took && retype) {
        // Texts of which at least one differs from any value a cell holds.
        for (const char* other : {"", "0", "A"}) {
            retype(host, other);
            if (!image.Differs(held)) {
                continue;
            }
            moved.CopyFrom(image);
            enter(host);
            tookRetyped = image.Differs(moved);
            image.CopyFrom(held);
            break;
        }
    }
    image.CopyFrom(held);
    SetMessageService(&previous);
    // A value moved by another text may be one on which the cell refuses
    // what it takes elsewhere (a list row the move left unused): the text
    // still counts as taken when it is the one the cell shows.
    return took ? *took : tookRetyped || SameValueText(Shown(host, cell), text);
}

}  // namespace

bool SameValueText(const std::string& a, const std::string& b)
{
    if (EqualsIgnoreCase(Trim(a), Trim(b))) {
        return true;
    }
    const std::optional<double> x = Number(a);
    const std::optional<double> y = Number(b);
    return x && y && std::fabs(*x - *y) <= 1e-9 * std::max(1.0, std::fabs(*x));
}

CellEdit EditCell(CellHost& host, cmcCellObj& cell, const std::string& text)
{
    cmcEeprom& image = host.CurrentImage();
    cmcEeprom before;
    before.CopyFrom(image);

    const ListProbe probe = ProbeList(host, cell, before);
    CellEdit edit;
    if (probe.opened) {
        if (const std::optional<std::int32_t> value = FindItem(host.SelectionLists(), probe, text)) {
            // The item picked from the list comes back as a request whose
            // owner is the item's own request.
            const auto pick = [&cell, &probe, value](CellHost& on) {
                int grid = 0;
                cmcCellObj item;
                item.cellId = probe.itemCell;
                item.index = *value;
                cmcCellCapsule owner;
                owner.cell = &item;
                cmcCellCapsule rq;
                rq.cell = &cell;
                rq.grid = &grid;
                rq.owner = &owner;
                rq.commitMode = cellcommit::kPreview;
                indActiveCell(on).Dispatch(rq, false);
            };
            pick(host);
            edit.accepted = image.Differs(before) ||
                            TookUnchanged(host, cell, before, pick,
                                          host.SelectionLists().TextOf(probe.list, probe.itemCell, *value));
            edit.shown = Shown(host, cell);
            if (!edit.accepted) {
                edit.reason = "the cell did not take the item";
                image.CopyFrom(before);
            }
            return edit;
        }
    }

    // Why the cell refused the text, when it says so; only the first store
    // counts (the probe of TookUnchanged stores again).
    const char* refusal = nullptr;
    bool refused = false;
    bool first = true;
    const auto storeText = [&cell, &refusal, &refused, &first](CellHost& on, const std::string& typed) {
        int grid = 0;
        cmcCellCapsule rq;
        rq.cell = &cell;
        rq.grid = &grid;
        rq.commitMode = cellcommit::kStore;
        rq.editText = typed;
        indActiveCell(on).Dispatch(rq, false);
        if (first) {
            refused = rq.Refused();
            refusal = rq.refusal;
            first = false;
        }
    };
    const auto store = [&storeText, &text](CellHost& on) { storeText(on, text); };
    store(host);
    edit.accepted = !refused && (image.Differs(before) || TookUnchanged(host, cell, before, store, text, storeText));
    edit.shown = Shown(host, cell);
    if (!edit.accepted) {
        std::string line;
        if (refusal != nullptr && HasGTex() && GTex().TryText(refusal, 0, line)) {
            edit.reason = line;
        } else {
            edit.reason = probe.opened ? "not an item of the cell's list (give its caption or #value)"
                                       : "the cell did not take the text";
        }
        edit.unknownItem = probe.opened;
        image.CopyFrom(before);
    }
    return edit;
}

}  // namespace xtr
