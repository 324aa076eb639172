// What a menu builder (cuiMenu) asks of the toolkit's menu: a main menu or
// a pop-up menu whose items it adds, removes and keeps in the states their
// cells answer. The desktop program implements it on QMenuBar / QMenu /
// QAction; tests record the calls.
#pragma once

#include <cstdint>
#include <string>

namespace xtr {

// Names one item of one menu; 0 is the menu's root.
using MenuItemId = std::uint32_t;
inline constexpr MenuItemId kMenuRoot = 0;

struct MenuItemLook {
    std::string caption;   // "&" marks the accelerator
    std::string shortcut;  // the toolkit's shortcut text ("Ctrl+S"), "" for none
    int imageIndex = -1;   // into the tool-bar image list, -1 for none
    bool separator = false;
};

class MenuView {
public:
    // The view reports the user's choice of an item.
    class Clicks {
    public:
        virtual ~Clicks() = default;
        virtual void ItemClicked(MenuItemId item) = 0;
    };

    virtual ~MenuView() = default;
    virtual void SetClicks(Clicks* clicks) = 0;
    // Appends item to the items of parent (kMenuRoot for the top level).
    // A new item is unchecked, visible and enabled.
    virtual void AddItem(MenuItemId parent, MenuItemId item, const MenuItemLook& look) = 0;
    // Removes an item that has no items of its own any more.
    virtual void RemoveItem(MenuItemId item) = 0;
    virtual void SetChecked(MenuItemId item, bool checked) = 0;
    virtual void SetVisible(MenuItemId item, bool visible) = 0;
    virtual void SetEnabled(MenuItemId item, bool enabled) = 0;
    virtual void SetCaption(MenuItemId item, const std::string& caption) = 0;
    virtual void SetImage(MenuItemId item, int imageIndex) = 0;
};

}  // namespace xtr
