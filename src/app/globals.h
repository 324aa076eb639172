// The four process-wide objects: the settings store, the overlay text store,
// the event manager and the application object. Exactly one of each exists
// while the program runs; they are reachable from every subsystem through
// these accessors. Tests install their own instances.
#pragma once

namespace xtr {

class indEnviron;
class cmcGTex;
class cmcEvMan;
class cuiMain;

indEnviron& Env();
cmcGTex& GTex();
cmcEvMan& EvMan();
cuiMain& App();

bool HasEnv();
bool HasGTex();
bool HasEvMan();
bool HasApp();

void SetEnv(indEnviron* env);
void SetGTex(cmcGTex* gtex);
void SetEvMan(cmcEvMan* evman);
void SetApp(cuiMain* app);

}  // namespace xtr
