// A menu view for tests: keeps the items as a toolkit menu would, in
// order under their parents with their states, and lets a test click them.
#pragma once

#include "ui/model/menu_view.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace xtr::test {

class RecordingMenuView : public MenuView {
public:
    struct Entry {
        MenuItemId parent = kMenuRoot;
        MenuItemLook look;
        bool checked = false;
        bool visible = true;
        bool enabled = true;
        std::vector<MenuItemId> children;
    };

    void SetClicks(Clicks* value) override { clicks = value; }
    void AddItem(MenuItemId parent, MenuItemId item, const MenuItemLook& look) override
    {
        if (items.count(item) != 0 || (parent != kMenuRoot && items.count(parent) == 0)) {
            throw std::logic_error("menu item added twice or under a missing parent");
        }
        items[item] = Entry{parent, look, false, true, true, {}};
        ChildList(parent).push_back(item);
        ++calls;
    }
    void RemoveItem(MenuItemId item) override
    {
        Entry& entry = At(item);
        if (!entry.children.empty()) {
            throw std::logic_error("menu item removed before its items");
        }
        auto& siblings = ChildList(entry.parent);
        siblings.erase(std::find(siblings.begin(), siblings.end(), item));
        items.erase(item);
        ++calls;
    }
    void SetChecked(MenuItemId item, bool value) override { At(item).checked = value, ++calls; }
    void SetVisible(MenuItemId item, bool value) override { At(item).visible = value, ++calls; }
    void SetEnabled(MenuItemId item, bool value) override { At(item).enabled = value, ++calls; }
    void SetCaption(MenuItemId item, const std::string& value) override { At(item).look.caption = value, ++calls; }
    void SetImage(MenuItemId item, int value) override { At(item).look.imageIndex = value, ++calls; }

    const std::vector<MenuItemId>& Children(MenuItemId parent = kMenuRoot) { return ChildList(parent); }
    Entry& At(MenuItemId item)
    {
        auto found = items.find(item);
        if (found == items.end()) {
            throw std::logic_error("unknown menu item");
        }
        return found->second;
    }
    // The captions of the items under parent, in order.
    std::vector<std::string> Captions(MenuItemId parent = kMenuRoot)
    {
        std::vector<std::string> captions;
        for (MenuItemId item : Children(parent)) {
            captions.push_back(At(item).look.caption);
        }
        return captions;
    }
    // The first item under parent with this caption.
    MenuItemId Named(const std::string& caption, MenuItemId parent = kMenuRoot)
    {
        for (MenuItemId item : Children(parent)) {
            if (At(item).look.caption == caption) {
                return item;
            }
        }
        throw std::logic_error("no menu item " + caption);
    }
    void Click(MenuItemId item)
    {
        At(item);
        if (clicks != nullptr) {
            clicks->ItemClicked(item);
        }
    }

    Clicks* clicks = nullptr;
    std::map<MenuItemId, Entry> items;
    int calls = 0;

private:
    std::vector<MenuItemId>& ChildList(MenuItemId parent)
    {
        return parent == kMenuRoot ? top_ : At(parent).children;
    }
    std::vector<MenuItemId> top_;
};

}  // namespace xtr::test
