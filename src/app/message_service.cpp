#include "app/message_service.h"

#include <cstdio>

namespace xtr {
namespace {

class StderrMessages : public MessageService {
public:
    MsgResult Show(const std::string& caption, const std::string& text, MsgIcon, MsgButtons buttons) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
        switch (buttons) {
        case MsgButtons::Ok: return MsgResult::Ok;
        case MsgButtons::OkCancel: return MsgResult::Cancel;
        case MsgButtons::YesNo: return MsgResult::No;
        case MsgButtons::YesNoCancel: return MsgResult::Cancel;
        }
        return MsgResult::Cancel;
    }
};

MessageService* g_service = nullptr;

}  // namespace

MessageService& Messages()
{
    static StderrMessages fallback;
    return g_service != nullptr ? *g_service : fallback;
}

MessageService* SetMessageService(MessageService* service)
{
    MessageService* previous = g_service;
    g_service = service;
    return previous;
}

}  // namespace xtr
