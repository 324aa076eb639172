#include "ui/model/menu_builder.h"

#include "app/events.h"
#include "app/globals.h"
#include "cells/active_cell.h"
#include "cells/cell_description.h"
#include "overlay/gtex.h"
#include "ui/model/body_lines.h"
#include "ui/model/popup_query.h"

#include <algorithm>

namespace xtr {
namespace {

// Every builder that exists: kEvFillSubMenu names its builder by address, and the
// items a builder lends to another menu must go when it goes.
std::vector<cuiMenu*>& LiveBuilders()
{
    static std::vector<cuiMenu*> builders;
    return builders;
}

}  // namespace

cuiMenu::cuiMenu(void* ownerControl, MenuView& root, cmcGTex& texts, std::string name, ClickHandler click)
    : ownerControl_(ownerControl), view_(root), texts_(texts), name_(std::move(name)), click_(std::move(click))
{
    root_.owner = this;
    root_.clicks = this;
    LiveBuilders().push_back(this);
    view_.SetClicks(this);
    if (HasEvMan()) {
        EvMan().Register(Listener, this);
    }
}

cuiMenu::~cuiMenu()
{
    if (HasEvMan()) {
        EvMan().Unregister(Listener, this);
    }
    auto& builders = LiveBuilders();
    builders.erase(std::remove(builders.begin(), builders.end(), this), builders.end());
    // Items this builder lent to other menus would run a handler that no
    // longer exists.
    for (cuiMenu* other : builders) {
        other->RemoveOwnedBy(this);
    }
    RemoveChildren(root_);
    view_.SetClicks(nullptr);
}

bool cuiMenu::Alive(const cuiMenu* builder)
{
    const auto& builders = LiveBuilders();
    return std::find(builders.begin(), builders.end(), builder) != builders.end();
}

std::uintptr_t cuiMenu::QueryId() const
{
    return EvObject(this);
}

void cuiMenu::Build()
{
    RemoveChildren(root_);
    basic_ = cmcCellObj();
    ParseCellDescription(texts_.FirstLine(name_ + "_BasicCell"), basic_, nullptr, nullptr);
    AddItems(root_, name_ + "_Body", basic_, *this);
}

void cuiMenu::AddItems(Item& under, const std::string& body, const cmcCellObj& basic, cuiMenu& owner)
{
    const std::vector<BodyItem> lines = ReadBody(texts_, body);
    std::vector<Item*> made;
    made.reserve(lines.size());
    for (const BodyItem& line : lines) {
        Item& parent = line.parent < 0 ? under : *made[static_cast<std::size_t>(line.parent)];
        auto item = std::make_unique<Item>();
        item->id = nextId_++;
        item->parent = &parent;
        item->owner = &owner;
        item->clicks = &owner;
        item->cell = std::make_unique<cmcCellObj>();
        ParseCellDescription(line.description, *item->cell, nullptr, &basic);
        item->caption = item->cell->Caption();
        item->imageIndex = item->cell->imageIndex;

        MenuItemLook look;
        look.caption = item->caption;
        look.separator = item->caption == "-";
        look.imageIndex = item->imageIndex;
        if (item->cell->parameter.has_value()) {
            look.shortcut = *item->cell->parameter;
        }
        view_.AddItem(parent.id, item->id, look);
        made.push_back(item.get());
        parent.children.push_back(std::move(item));
    }
}

void cuiMenu::RemoveChildren(Item& item)
{
    // Deepest first, from the last item back, so the view is never asked
    // to remove an item that still has items.
    while (!item.children.empty()) {
        Item& last = *item.children.back();
        RemoveChildren(last);
        view_.RemoveItem(last.id);
        item.children.pop_back();
    }
}

void cuiMenu::RemoveOwnedBy(const cuiMenu* owner)
{
    std::vector<Item*> pending{&root_};
    while (!pending.empty()) {
        Item* item = pending.back();
        pending.pop_back();
        auto& children = item->children;
        for (std::size_t n = children.size(); n-- > 0;) {
            if (children[n]->owner == owner || children[n]->clicks == owner) {
                RemoveChildren(*children[n]);
                view_.RemoveItem(children[n]->id);
                children.erase(children.begin() + static_cast<std::ptrdiff_t>(n));
            }
        }
        for (auto& child : children) {
            pending.push_back(child.get());
        }
    }
    if (lastOwner_ == owner) {
        lastOwner_ = nullptr;
        ownerQueried_ = false;
        hasContext_ = false;
    }
}

cuiMenu::Item* cuiMenu::Find(Item& from, std::int32_t cellId)
{
    for (auto& child : from.children) {
        if (child->cell && child->cell->cellId == cellId) {
            return child.get();
        }
        if (Item* found = Find(*child, cellId)) {
            return found;
        }
    }
    return nullptr;
}

const cuiMenu::Item* cuiMenu::FindItem(std::int32_t cellId) const
{
    return const_cast<cuiMenu*>(this)->Find(const_cast<Item&>(root_), cellId);
}

cuiMenu::Item* cuiMenu::FindId(Item& from, MenuItemId id)
{
    for (auto& child : from.children) {
        if (child->id == id) {
            return child.get();
        }
        if (Item* found = FindId(*child, id)) {
            return found;
        }
    }
    return nullptr;
}

int cuiMenu::SubItemCount(std::int32_t cellId) const
{
    const Item* item = FindItem(cellId);
    return item == nullptr ? -1 : static_cast<int>(item->children.size());
}

void cuiMenu::EmptySubmenu(std::int32_t cellId)
{
    if (Item* item = Find(root_, cellId)) {
        RemoveChildren(*item);
    }
}

void cuiMenu::FillSubmenu(std::int32_t cellId, const std::string& name, cuiMenu& from)
{
    if (!Alive(&from)) {
        return;
    }
    if (Item* item = Find(root_, cellId)) {
        // A menu's own placeholder items are for an empty item only: a fill
        // that arrives after a grid's pop-up menu filled it is stale.
        if (&from == this && !item->children.empty()) {
            return;
        }
        AddItems(*item, name + "_Body", from.basic_, from);
    }
}

void cuiMenu::Refresh()
{
    lastOwner_ = nullptr;
    ownerQueried_ = false;
    hasContext_ = false;
    for (auto& child : root_.children) {
        RefreshItem(*child);
    }
}

void cuiMenu::UseContextOf(const cuiMenu* owner)
{
    hasContext_ = false;
    lastOwner_ = owner;
    ownerQueried_ = true;
    if (!HasEvMan()) {
        return;
    }
    // Items mirrored from a grid's pop-up menu are asked about the cell
    // under that grid's cursor.
    if (const cmcCellObj* cursor = CursorCellOf(EvMan().Query(kEvQueryCursorCell, EvObject(owner), 0))) {
        contextCell_ = *cursor;
        contextRequest_.Reset();
        contextRequest_.cell = &contextCell_;
        hasContext_ = true;
    }
}

void cuiMenu::RefreshItem(Item& item)
{
    if (!ownerQueried_ || item.owner != lastOwner_) {
        UseContextOf(item.owner);
    }
    if (item.cell && item.cell->cellId != kCellNone) {
        cmcCellObj& cell = *item.cell;
        cmcCellCapsule request;
        request.control = ownerControl_;
        request.cell = &cell;
        request.owner = hasContext_ ? &contextRequest_ : nullptr;
        // The bits are the cell's answer of this round only.
        cell.state &= static_cast<std::uint8_t>(~(state::kChecked | state::kHidden | state::kDisabled |
                                                  state::kCaptionFromCell));
        indActiveCell().Dispatch(request, false);

        const bool checked = (cell.state & state::kChecked) != 0;
        const bool visible = (cell.state & state::kHidden) == 0;
        const bool enabled = (cell.state & state::kDisabled) == 0;
        if (checked != item.checked) {
            item.checked = checked;
            view_.SetChecked(item.id, checked);
        }
        if (visible != item.visible) {
            item.visible = visible;
            view_.SetVisible(item.id, visible);
        }
        if (enabled != item.enabled) {
            item.enabled = enabled;
            view_.SetEnabled(item.id, enabled);
        }
        if ((cell.state & state::kCaptionFromCell) != 0 && cell.Caption() != item.caption) {
            item.caption = cell.Caption();
            view_.SetCaption(item.id, item.caption);
        }
        if (cell.imageIndex != item.imageIndex) {
            item.imageIndex = cell.imageIndex;
            view_.SetImage(item.id, item.imageIndex);
        }
    } else if (item.checked) {
        item.checked = false;
        view_.SetChecked(item.id, false);
    }
    // The item's children may be removed by a refresh of their own cell
    // (the Edit item fills itself); walk them by position.
    for (std::size_t n = 0; n < item.children.size(); ++n) {
        RefreshItem(*item.children[n]);
    }
}

void cuiMenu::ItemClicked(MenuItemId id)
{
    Item* item = FindId(root_, id);
    if (item == nullptr || !item->cell || item->cell->cellId == kCellNone) {
        return;
    }
    // Copy the cell: the handler may rebuild this menu.
    const cmcCellObj cell = *item->cell;
    cuiMenu* target = Alive(item->clicks) ? item->clicks : this;
    if (target->click_) {
        target->click_(cell);
    } else {
        target->OwnClick(cell);
    }
}

void cuiMenu::OwnClick(const cmcCellObj& cell)
{
    cmcCellObj asked = cell;
    cmcCellCapsule request;
    request.control = ownerControl_;
    request.cell = &asked;
    request.key = cellkey::kEnter;
    indActiveCell().Dispatch(request, false);
    lastClickResult_ = request.result;
    Refresh();
}

void cuiMenu::Listener(void* context, const cmcEvent& event)
{
    static_cast<cuiMenu*>(context)->OnEvent(event);
}

void cuiMenu::OnEvent(const cmcEvent& event)
{
    switch (event.type) {
    case kEvRefreshMenus:
        Refresh();
        break;
    case kEvClearSubMenu:
        EmptySubmenu(event.value);
        break;
    case kEvFillSubMenu: {
        auto* from = event.ObjectAs<cuiMenu>();
        if (Alive(from)) {
            FillSubmenu(event.value, event.Text(), *from);
        }
        break;
    }
    default:
        break;
    }
}

}  // namespace xtr
