// A message service for tests: records every box the code asks for and
// answers from a script (Ok/Yes when the script is empty). Installed for its
// lifetime; the service installed before comes back afterwards.
#pragma once

#include "app/message_service.h"

#include <deque>
#include <string>
#include <vector>

namespace xtr::test {

struct AskedMessage {
    std::string caption;
    std::string text;
    MsgIcon icon;
    MsgButtons buttons;
};

class ScriptedMessages : public MessageService {
public:
    ScriptedMessages() : previous_(SetMessageService(this)) {}
    ~ScriptedMessages() override { SetMessageService(previous_); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void Answer(MsgResult result) { answers_.push_back(result); }

    MsgResult Show(const std::string& caption, const std::string& text, MsgIcon icon, MsgButtons buttons) override
    {
        asked.push_back({caption, text, icon, buttons});
        if (!answers_.empty()) {
            const MsgResult result = answers_.front();
            answers_.pop_front();
            return result;
        }
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
    }

    std::vector<AskedMessage> asked;

private:
    MessageService* previous_;
    std::deque<MsgResult> answers_;
};

}  // namespace xtr::test
