// A tool-bar view for tests: the buttons in the order the bar shows them,
// their states and the order in which they were created.
#pragma once

#include "ui/model/tool_bar_view.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace xtr::test {

class RecordingToolBarView : public ToolBarView {
public:
    struct Button {
        int id = 0;
        ToolButtonLook look;
        bool down = false;
        bool enabled = true;
    };

    void SetClicks(Clicks* value) override { clicks = value; }
    void Clear() override
    {
        buttons.clear();
        created.clear();
    }
    void InsertFirst(int id, const ToolButtonLook& look) override
    {
        buttons.insert(buttons.begin(), Button{id, look, false, true});
        created.push_back(id);
    }
    void SetDown(int id, bool value) override { At(id).down = value; }
    void SetEnabled(int id, bool value) override { At(id).enabled = value; }
    void SetImage(int id, int value) override { At(id).look.imageIndex = value; }
    void SetBarVisible(bool value) override { visible = value; }
    bool BarVisible() const override { return visible; }

    Button& At(int id)
    {
        auto found = std::find_if(buttons.begin(), buttons.end(), [&](const Button& b) { return b.id == id; });
        if (found == buttons.end()) {
            throw std::logic_error("unknown tool button");
        }
        return *found;
    }
    // The rows of buttons as a bar that wraps only at row breaks shows
    // them: each row the ids of its buttons and separators.
    std::vector<std::vector<int>> Rows() const
    {
        std::vector<std::vector<int>> rows(1);
        for (const Button& button : buttons) {
            rows.back().push_back(button.id);
            if (button.look.kind == ToolButtonLook::Kind::RowBreak) {
                rows.emplace_back();
            }
        }
        return rows;
    }
    void Click(int id)
    {
        At(id);
        if (clicks != nullptr) {
            clicks->ButtonClicked(id);
        }
    }

    Clicks* clicks = nullptr;
    std::vector<Button> buttons;
    std::vector<int> created;
    bool visible = false;
};

}  // namespace xtr::test
