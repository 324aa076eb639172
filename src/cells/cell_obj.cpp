#include "cells/cell_obj.h"

namespace xtr {

void cmcCellObj::Reset(const cmcCellObj* templ)
{
    font.reset();
    popupMenu.reset();
    if (templ == this) {
        // A cell is never its own template; keep what it has.
        return;
    }
    templateCell = templ;
    if (templ == nullptr) {
        // Category and index go back to their defaults too, so that a cell
        // object parsed again without a template keeps nothing of its
        // previous description.
        category = kCategoryNone;
        cellId = kCellNone;
        index = 0;
        parameter.reset();
        imageIndex = -1;
        look = 0;
        state &= static_cast<std::uint8_t>(~state::kDescribed);
        color = kColorWindow;
        caption.reset();
        return;
    }
    category = templ->category;
    cellId = templ->cellId;
    index = templ->index;
    parameter = templ->parameter;
    imageIndex = templ->imageIndex;
    look = templ->look;
    state = templ->state;
    color = templ->color;
    caption = templ->caption;
}

const std::string& cmcCellObj::Caption() const
{
    static const std::string kEmpty;
    return caption ? *caption : kEmpty;
}

const FontDesc* cmcCellObj::EffectiveFont() const
{
    // Template chains are a few links long (cell, column cell, basic cell);
    // the bound keeps a chain that loops back from running forever.
    const cmcCellObj* cell = this;
    for (int depth = 0; cell != nullptr && depth < 16; ++depth, cell = cell->templateCell) {
        if (cell->font) {
            return &*cell->font;
        }
    }
    return nullptr;
}

}  // namespace xtr
