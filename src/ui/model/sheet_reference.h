// Sheet references: the text a tree cell carries to name the page it opens,
// written "[kind]name,argument". The kind picks the sheet class, the name
// the overlay entries the sheet is built from, and the argument is handed
// to the sheet for its cells to read.
#pragma once

#include <string>
#include <string_view>

namespace xtr {

// Kinds of sheet a reference can ask for.
inline constexpr std::string_view kSheetKindCommon = "St_Common";  // iuiSh_Common
inline constexpr std::string_view kSheetKindChBank = "St_ChBank";  // no sheet class builds it

enum class SheetClass {
    Plain,   // cuiSheet
    Common,  // iuiSh_Common
    None,    // a channel-bank reference: nothing is built
};

struct SheetReference {
    std::string kind;
    std::string name;
    std::string argument;
};

// Splits a reference. The part before the first "," holds the kind between
// the first "[" and the first "]" after it, followed by the name; without
// such a pair it is all name and the kind is empty. The text after the
// first "," is the argument.
SheetReference ParseSheetReference(std::string_view text);

SheetClass SheetClassOf(std::string_view kind);

}  // namespace xtr
