#include "ctl/ctl_settings.h"

#include "app/globals.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_tree.h"
#include "overlay/gtex.h"
#include "settings/tree_pages.h"

namespace xtr::ctl {
namespace {

void Replace(std::string& text, const std::string& mark, const std::string& value)
{
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size())) {
        text.replace(at, mark.size(), value);
    }
}

}  // namespace

std::vector<SettingPage> SettingPages(bool withMakerPages)
{
    return TreeSettingPages(GTex(), withMakerPages);
}

bool SheetPage(const char* command, const std::string& name, std::vector<SettingPage>& page)
{
    const std::vector<TreeEntry> tree = ReadTree(GTex());
    std::string reference;
    if (!FindSheet(tree, name, reference)) {
        UsageError(command, "no page '" + name + "' (see 'xtr450ctl sheets')");
        return false;
    }
    page = {SettingPage{reference, CaptionOf(tree, reference)}};
    return true;
}

std::string OverlayText(const char* name, const std::string& first, const std::string& second)
{
    std::string text = GTex().AllLines(name);
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    Replace(text, "%1", first);
    Replace(text, "%2", second);
    return text;
}

}  // namespace xtr::ctl
