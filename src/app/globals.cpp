#include "app/globals.h"

#include "app/fatal.h"

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

void SetEnv(indEnviron* env) { g_env = env; }
void SetGTex(cmcGTex* gtex) { g_gtex = gtex; }
void SetEvMan(cmcEvMan* evman) { g_evman = evman; }
void SetApp(cuiMain* app) { g_app = app; }

}  // namespace xtr
