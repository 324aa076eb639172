// Message boxes as the core asks for them. The desktop program shows real
// boxes; the command-line tool prints and answers by its options; tests
// script the answers and record the questions.
#pragma once

#include <string>

namespace xtr {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MsgResult Show(const std::string& caption, const std::string& text, MsgIcon icon, MsgButtons buttons) = 0;
};

// The installed service; without one, texts go to the standard error stream
// and every question is answered with Cancel or No.
MessageService& Messages();
// Installs a service (not owned; nullptr for none) and returns the one
// installed before.
MessageService* SetMessageService(MessageService* service);

}  // namespace xtr
