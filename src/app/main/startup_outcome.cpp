#include "app/main/startup_outcome.h"

#include "app/globals.h"
#include "app/main/process_objects.h"
#include "app/message_service.h"
#include "overlay/gtex.h"
#include "platform/executable_path.h"

#include <exception>
#include <string>

namespace xtr {
namespace {

// The overlay's wording when it has one, else the program's own.
std::string TextOr(const char* key, const char* fallback)
{
    std::string text;
    if (HasGTex() && GTex().TryText(key, 0, text)) {
        return text;
    }
    return fallback;
}

void ShowStartError(const std::string& text)
{
    Messages().Show(ExecutableName(), text, MsgIcon::Error, MsgButtons::Ok);
}

}  // namespace

int GuardExitCode(const ProcessObjects& objects)
{
    if (!objects.GuardFailed()) {
        return kExitSecondCopy;
    }
    ShowStartError(TextOr("GI_Mess_GuardFailed",
                          "The program cannot start: it cannot create its lock file, which keeps a second copy "
                          "from running."));
    return kExitStartFailed;
}

int RunWindowLife(const std::function<int()>& run, const std::function<void()>& detach)
{
    int code = kExitStartFailed;
    bool failed = false;
    std::string error;
    try {
        code = run();
    } catch (const std::exception& e) {
        failed = true;
        error = e.what();
    } catch (...) {
        failed = true;
    }
    detach();
    if (failed) {
        if (error.empty()) {
            error = "The program ended on an unexpected error.";
        }
        ShowStartError(error);
        return kExitStartFailed;
    }
    return code;
}

}  // namespace xtr
