#include "ui/model/tool_bar.h"

#include "app/events.h"
#include "app/globals.h"
#include "cells/active_cell.h"
#include "cells/cell_description.h"
#include "overlay/gtex.h"
#include "ui/model/body_lines.h"

namespace xtr {
namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kRowBreakWidth = 1;

}  // namespace

cuiToolBar::cuiToolBar(void* ownerForm, ToolBarView& view, cmcGTex& texts, std::string name)
    : ownerForm_(ownerForm), view_(view), texts_(texts), name_(std::move(name))
{
    view_.SetClicks(this);
    if (HasEvMan()) {
        EvMan().Register(Listener, this);
    }
}

cuiToolBar::~cuiToolBar()
{
    if (HasEvMan()) {
        EvMan().Unregister(Listener, this);
    }
    view_.SetClicks(nullptr);
}

void cuiToolBar::Build(ClickHandler click)
{
    click_ = std::move(click);
    const std::vector<std::string> lines = ReadBodyLines(texts_, name_ + "_Body");
    view_.Clear();
    buttons_.clear();
    basic_ = cmcCellObj();
    ParseCellDescription(texts_.FirstLine(name_ + "_BasicCell"), basic_, nullptr, nullptr);
    buttons_.resize(lines.size());

    // From the last line to the first, each new button going in front, so
    // that the bar shows them in line order.
    for (std::size_t n = lines.size(); n-- > 0;) {
        auto cell = std::make_unique<cmcCellObj>();
        ParseCellDescription(lines[n], *cell, nullptr, &basic_);
        ToolButtonLook look;
        const std::string& caption = cell->Caption();
        Button& button = buttons_[n];
        if (caption == "-") {
            look.kind = ToolButtonLook::Kind::Separator;
            look.width = kSeparatorWidth;
        } else if (caption == "/") {
            look.kind = ToolButtonLook::Kind::RowBreak;
            look.width = kRowBreakWidth;
        } else {
            look.imageIndex = cell->imageIndex;
            look.hint = caption;
            button.imageIndex = cell->imageIndex;
            button.cell = std::move(cell);
        }
        view_.InsertFirst(static_cast<int>(n), look);
    }
}

const cmcCellObj* cuiToolBar::ButtonCell(int n) const
{
    if (n < 0 || n >= ButtonCount()) {
        return nullptr;
    }
    return buttons_[static_cast<std::size_t>(n)].cell.get();
}

void cuiToolBar::Refresh()
{
    for (std::size_t n = 0; n < buttons_.size(); ++n) {
        Button& button = buttons_[n];
        const int id = static_cast<int>(n);
        bool down = false;
        bool enabled = true;
        if (button.cell && button.cell->cellId != kCellNone) {
            cmcCellCapsule request;
            request.control = ownerForm_;
            request.cell = button.cell.get();
            indActiveCell().Dispatch(request, false);
            down = (button.cell->state & state::kChecked) != 0;
            enabled = (button.cell->state & state::kDisabled) == 0;
            if (button.cell->imageIndex != button.imageIndex) {
                button.imageIndex = button.cell->imageIndex;
                view_.SetImage(id, button.imageIndex);
            }
        }
        if (down != button.down) {
            button.down = down;
            view_.SetDown(id, down);
        }
        if (enabled != button.enabled && button.cell) {
            button.enabled = enabled;
            view_.SetEnabled(id, enabled);
        }
    }
}

void cuiToolBar::ButtonClicked(int n)
{
    const cmcCellObj* cell = ButtonCell(n);
    if (cell == nullptr) {
        return;
    }
    const cmcCellObj copy = *cell;
    if (click_) {
        click_(copy);
        return;
    }
    cmcCellObj asked = copy;
    cmcCellCapsule request;
    request.control = ownerForm_;
    request.cell = &asked;
    request.key = cellkey::kEnter;
    indActiveCell().Dispatch(request, false);
    lastClickResult_ = request.result;
}

void cuiToolBar::Listener(void* context, const cmcEvent& event)
{
    if (event.type == kEvRefreshToolBar) {
        static_cast<cuiToolBar*>(context)->Refresh();
    }
}

}  // namespace xtr
