#include "app/main/overlay_message.h"

#include "app/globals.h"
#include "overlay/gtex.h"

namespace xtr {
namespace {

void Fill(std::string& text, const std::string& mark, const std::string& value)
{
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size())) {
        text.replace(at, mark.size(), value);
    }
}

}  // namespace

std::string OverlayMessage(const char* name, const std::string& first, const std::string& second)
{
    std::string text = GTex().AllLines(name);
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    Fill(text, "%1", first);
    Fill(text, "%2", second);
    return text;
}

void ShowOverlayBox(const std::string& text, MsgIcon icon)
{
    Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), text, icon, MsgButtons::Ok);
}

}  // namespace xtr
