// The open and save dialogs of the file commands, with the overlay's
// default extension and filter.
#pragma once

#include <string>

class QWidget;

namespace xtr::ui {

bool AskOpenFile(QWidget* owner, const std::string& defaultExtension, const std::string& filter,
                 const std::string& directory, std::string& path);
// The toolkit's dialog asks before an existing file is overwritten.
bool AskSaveFile(QWidget* owner, const std::string& defaultExtension, const std::string& filter,
                 const std::string& directory, const std::string& name, std::string& path);

}  // namespace xtr::ui
