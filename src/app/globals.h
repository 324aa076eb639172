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

// Each installs its object (not owned) and returns the one installed
// before, so that whoever installs one for a while can put it back.
indEnviron* SetEnv(indEnviron* env);
cmcGTex* SetGTex(cmcGTex* gtex);
cmcEvMan* SetEvMan(cmcEvMan* evman);
cuiMain* SetApp(cuiMain* app);

}  // namespace xtr
