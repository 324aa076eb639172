#include "app/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace xtr {
namespace {

FatalPresenter* g_presenter = nullptr;

std::string& CaptionStorage()
{
    static std::string caption = "xtr450";
    return caption;
}

}  // namespace

void SetFatalPresenter(FatalPresenter* presenter) { g_presenter = presenter; }

void SetFatalCaption(const std::string& caption) { CaptionStorage() = caption; }

const std::string& FatalCaption() { return CaptionStorage(); }

void Fatal(const std::string& message)
{
    if (g_presenter != nullptr) {
        // Guard against a presenter that itself fails fatally.
        FatalPresenter* presenter = g_presenter;
        g_presenter = nullptr;
        presenter->ShowFatal(FatalCaption(), message);
    } else {
        std::fprintf(stderr, "%s: %s\n", FatalCaption().c_str(), message.c_str());
    }
    std::fputs("Abnormal program termination\n", stderr);
    std::fflush(stderr);
    // _Exit skips static destructors and atexit handlers: nothing is saved.
    std::_Exit(3);
}

}  // namespace xtr
