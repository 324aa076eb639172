// Where the user left each sheet: the cursor and scroll position by sheet
// name, so that a page opened again shows as it was left.
#pragma once

#include "ui/model/sheet.h"

#include <map>
#include <string>

namespace xtr {

class SheetHistory {
public:
    void Remember(const std::string& name, const SheetPosition& position)
    {
        positions_[name] = position;
        newest_ = name;
    }
    // The position last remembered for name; -1 each when none.
    SheetPosition Find(const std::string& name) const
    {
        const auto it = positions_.find(name);
        return it != positions_.end() ? it->second : SheetPosition{};
    }

    // The name of the sheet remembered last, "" before the first.
    const std::string& Newest() const { return newest_; }

private:
    std::map<std::string, SheetPosition> positions_;
    std::string newest_;
};

}  // namespace xtr
