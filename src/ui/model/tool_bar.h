// cuiToolBar: the tool bar built from the overlay. Entry N + "_BasicCell"
// holds the template cell, N + "_Body" one cell description per button: a
// caption "-" is a separator 8 pixels wide, "/" a 1-pixel separator after
// which the buttons continue on a new row, anything else a button with the
// cell's image whose caption is its tool tip. A click runs the button's
// cell with key 13; on kEvRefreshToolBar every cell is asked with key 0 whether its
// button is pressed (state bit 2) or disabled (bit 4).
#pragma once

#include "cells/cell_obj.h"
#include "ui/model/tool_bar_view.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace xtr {

class cmcGTex;
struct cmcEvent;

class cuiToolBar : private ToolBarView::Clicks {
public:
    using ClickHandler = std::function<void(const cmcCellObj& buttonCell)>;

    // ownerForm is what the requests name as their control. Registers with
    // the event manager.
    cuiToolBar(void* ownerForm, ToolBarView& view, cmcGTex& texts, std::string name);
    ~cuiToolBar() override;
    cuiToolBar(const cuiToolBar&) = delete;
    cuiToolBar& operator=(const cuiToolBar&) = delete;

    // (Re)creates every button; without a handler a click runs the cell.
    void Build(ClickHandler click = nullptr);
    void Refresh();

    void SetVisible(bool visible) { view_.SetBarVisible(visible); }
    bool Visible() const { return view_.BarVisible(); }

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    // The cell of button n (in line order); null for separators.
    const cmcCellObj* ButtonCell(int n) const;
    std::uint8_t LastClickResult() const { return lastClickResult_; }

private:
    struct Button {
        std::unique_ptr<cmcCellObj> cell;  // null for separators and row breaks
        bool down = false;
        bool enabled = true;
        int imageIndex = -1;
    };

    void ButtonClicked(int button) override;
    static void Listener(void* context, const cmcEvent& event);

    void* ownerForm_;
    ToolBarView& view_;
    cmcGTex& texts_;
    std::string name_;
    ClickHandler click_;
    cmcCellObj basic_;
    std::vector<Button> buttons_;
    std::uint8_t lastClickResult_ = 0;
};

}  // namespace xtr
