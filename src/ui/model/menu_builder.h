// cuiMenu: a menu built from the overlay. Entry N + "_BasicCell" holds the
// template of every item's cell, N + "_Body" one item per indented "+"
// line. Every item carries a cell: choosing it runs the cell with key 13,
// and on every refresh (kEvRefreshMenus) the cell is asked with key 0 whether the
// item is checked, hidden or disabled, and for its caption and image.
//
// The same class serves the main menu and the pop-up menu of the cell under
// a grid's cursor. The main menu's Edit item mirrors that pop-up menu: when
// a grid builds one it posts kEvFillSubMenu (this builder, the Edit item's cell
// id, the menu's name) and every builder that has an item with that cell id
// fills it with the pop-up's items; those items belong to the pop-up
// builder, so their clicks go to its handler and their states are asked for
// the cell under that grid's cursor (the kEvQueryCursorCell query). kEvClearSubMenu empties
// the item again.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_obj.h"
#include "ui/model/menu_view.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace xtr {

class cmcGTex;
struct cmcEvent;

class cuiMenu : private MenuView::Clicks {
public:
    // What happens when an item is chosen; gets the item's cell. Without
    // one, the builder's own click runs the cell with key 13 and refreshes.
    using ClickHandler = std::function<void(const cmcCellObj& itemCell)>;

    // ownerControl is what the requests name as their control (the main
    // form, the grid). Registers with the event manager.
    cuiMenu(void* ownerControl, MenuView& root, cmcGTex& texts, std::string name, ClickHandler click = nullptr);
    ~cuiMenu() override;
    cuiMenu(const cuiMenu&) = delete;
    cuiMenu& operator=(const cuiMenu&) = delete;

    // (Re)creates every item from the overlay.
    void Build();
    // Recomputes the states of all items from their cells.
    void Refresh();
    // Empties the item with cell id cellId (kEvClearSubMenu).
    void EmptySubmenu(std::int32_t cellId);
    // Fills the item with cell id cellId with the items of name + "_Body",
    // owned by builder `from` (kEvFillSubMenu). A builder that no longer exists is
    // ignored.
    void FillSubmenu(std::int32_t cellId, const std::string& name, cuiMenu& from);

    const std::string& Name() const { return name_; }
    // The identity a grid compares with the object of the kEvQueryCursorCell query.
    std::uintptr_t QueryId() const;
    // Number of items directly under the first item with cell id cellId;
    // -1 when there is no such item.
    int SubItemCount(std::int32_t cellId) const;
    // The result bits of the last request this builder's own click made.
    std::uint8_t LastClickResult() const { return lastClickResult_; }

    // Whether builder still exists (kEvFillSubMenu carries a pointer that may
    // have outlived its builder).
    static bool Alive(const cuiMenu* builder);

    // One item as the builder keeps it.
    struct Item {
        MenuItemId id = kMenuRoot;
        Item* parent = nullptr;
        std::vector<std::unique_ptr<Item>> children;
        std::unique_ptr<cmcCellObj> cell;
        const cuiMenu* owner = nullptr;  // whose pop-up menu the item mirrors
        cuiMenu* clicks = nullptr;       // whose click handler runs
        // What the view shows now.
        bool checked = false;
        bool visible = true;
        bool enabled = true;
        std::string caption;
        int imageIndex = -1;
    };
    const Item& Root() const { return root_; }
    const Item* FindItem(std::int32_t cellId) const;

private:
    void ItemClicked(MenuItemId item) override;
    void OwnClick(const cmcCellObj& cell);

    static void Listener(void* context, const cmcEvent& event);
    void OnEvent(const cmcEvent& event);

    void AddItems(Item& under, const std::string& body, const cmcCellObj& basic, cuiMenu& owner);
    void RemoveChildren(Item& item);
    void RemoveOwnedBy(const cuiMenu* owner);
    void RefreshItem(Item& item);
    void UseContextOf(const cuiMenu* owner);
    Item* Find(Item& from, std::int32_t cellId);
    Item* FindId(Item& from, MenuItemId id);

    void* ownerControl_;
    MenuView& view_;
    cmcGTex& texts_;
    std::string name_;
    ClickHandler click_;
    cmcCellObj basic_;
    Item root_;
    MenuItemId nextId_ = 1;
    std::uint8_t lastClickResult_ = 0;

    // Refresh state: the owner the last pop-up query was made for, and the
    // copy of the cell under that grid's cursor when a grid answered.
    const cuiMenu* lastOwner_ = nullptr;
    bool ownerQueried_ = false;
    bool hasContext_ = false;
    cmcCellObj contextCell_;
    cmcCellCapsule contextRequest_;
};

}  // namespace xtr
