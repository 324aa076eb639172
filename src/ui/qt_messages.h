// Message boxes and fatal boxes of the desktop program.
#pragma once

#include "app/fatal.h"
#include "app/message_service.h"

class QWidget;

namespace xtr::ui {

class QtMessageService : public MessageService {
public:
    MsgResult Show(const std::string& caption, const std::string& text, MsgIcon icon, MsgButtons buttons) override;
    // Boxes are owned by this window when it is set (the main form).
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_ = nullptr;
};

class QtFatalPresenter : public FatalPresenter {
public:
    void ShowFatal(const std::string& caption, const std::string& message) override;
};

}  // namespace xtr::ui
