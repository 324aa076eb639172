// The grid as screen readers and GUI test tools see it: a table whose
// cells are named by what they show, with the cursor's cell focused and the
// sheet's title as the table's name.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace xtr::ui {

// Installs the factory that makes the accessible table of every cuiGrid.
void InstallGridAccessibility();

}  // namespace xtr::ui
