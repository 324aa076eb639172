#include "app/globals.h"

#include "app/fatal.h"

#include <utility>

namespace xtr {
namespace {

indEnviron* g_env = nullptr;
cmcGTex* g_gtex = nullptr;
cmcEvMan* g_evman = nullptr;
cuiMain* g_app = nullptr;

template <typename T>
T& Require(T* object, const char* what)
{
    if (object == nullptr) {
        Fatal(std::string("Internal error: no ") + what + ".");
    }
    return *object;
}

}  // namespace

indEnviron& Env() { return Require(g_env, "settings store"); }
cmcGTex& GTex() { return Require(g_gtex, "overlay text store"); }
cmcEvMan& EvMan() { return Require(g_evman, "event manager"); }
cuiMain& App() { return Require(g_app, "application object"); }

bool HasEnv() { return g_env != nullptr; }
bool HasGTex() { return g_gtex != nullptr; }
bool HasEvMan() { return g_evman != nullptr; }
bool HasApp() { return g_app != nullptr; }

indEnviron* SetEnv(indEnviron* env) { return std::exchange(g_env, env); }
cmcGTex* SetGTex(cmcGTex* gtex) { return std::exchange(g_gtex, gtex); }
cmcEvMan* SetEvMan(cmcEvMan* evman) { return std::exchange(g_evman, evman); }
cuiMain* SetApp(cuiMain* app) { return std::exchange(g_app, app); }

}  // namespace xtr
