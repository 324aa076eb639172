#include "ui/model/sheet_records.h"

#include "app/fatal.h"

namespace xtr {

clsSheeRowAtr& clsSheetRowTable::At(std::int32_t i)
{
    if (i < 0) {
        Fatal("Illegal Cell selection");
    }
    if (Capacity() <= i) {
        rows_.resize(static_cast<std::size_t>(i) + static_cast<std::size_t>(i / 2) + 1);
    }
    return rows_[static_cast<std::size_t>(i)];
}

}  // namespace xtr
