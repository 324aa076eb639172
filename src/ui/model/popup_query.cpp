#include "ui/model/popup_query.h"

#include "app/events.h"

#include <cstring>

namespace xtr {

void AnswerCursorCell(cmcEvMan& events, const cmcCellObj& cursorCell)
{
    const cmcCellObj* address = &cursorCell;
    events.Answer(&address, static_cast<int32_t>(sizeof address));
}

const cmcCellObj* CursorCellOf(const cmcEvAns* answer)
{
    if (answer == nullptr || answer->Length() != static_cast<int32_t>(sizeof(const cmcCellObj*))) {
        return nullptr;
    }
    const cmcCellObj* address = nullptr;
    std::memcpy(&address, answer->Data(), sizeof address);
    return address;
}

}  // namespace xtr
