#include "ui/model/sheet_reference.h"

namespace xtr {

SheetReference ParseSheetReference(std::string_view text)
{
    SheetReference ref;
    std::string_view head = text;
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos) {
        head = text.substr(0, comma);
        ref.argument = std::string(text.substr(comma + 1));
    }
    const std::size_t open = head.find('[');
    const std::size_t close = open == std::string_view::npos ? open : head.find(']', open + 1);
    if (close == std::string_view::npos) {
        ref.name = std::string(head);
        return ref;
    }
    ref.kind = std::string(head.substr(open + 1, close - open - 1));
    ref.name = std::string(head.substr(close + 1));
    return ref;
}

SheetClass SheetClassOf(std::string_view kind)
{
    if (kind == kSheetKindCommon) {
        return SheetClass::Common;
    }
    if (kind == kSheetKindChBank) {
        return SheetClass::None;
    }
    return SheetClass::Plain;
}

}  // namespace xtr
