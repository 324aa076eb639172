// What the tool bar (cuiToolBar) asks of the toolkit's tool bar: buttons,
// separators and row breaks, their pressed and enabled states, and whether
// the bar is shown. The desktop program implements it on QToolBar; tests
// record the calls.
#pragma once

#include <string>

namespace xtr {

struct ToolButtonLook {
    enum class Kind { Button, Separator, RowBreak };
    Kind kind = Kind::Button;
    int width = 0;        // of a separator, in pixels
    int imageIndex = -1;  // into the tool-bar image list
    std::string hint;     // shown as the button's tool tip
};

class ToolBarView {
public:
    class Clicks {
    public:
        virtual ~Clicks() = default;
        virtual void ButtonClicked(int button) = 0;
    };

    virtual ~ToolBarView() = default;
    virtual void SetClicks(Clicks* clicks) = 0;
    virtual void Clear() = 0;
    // Puts a new button in front of all others. A row break ends the row
    // of the buttons before it: the buttons after it start a new row.
    virtual void InsertFirst(int button, const ToolButtonLook& look) = 0;
    // A pressed check-style button, or a normal button that is up.
    virtual void SetDown(int button, bool down) = 0;
    virtual void SetEnabled(int button, bool enabled) = 0;
    virtual void SetImage(int button, int imageIndex) = 0;
    virtual void SetBarVisible(bool visible) = 0;
    virtual bool BarVisible() const = 0;
};

}  // namespace xtr
