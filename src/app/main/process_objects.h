// The four process-wide objects, built in this order and destroyed in the
// reverse one: the settings store (which takes the single-instance guard),
// the overlay text store, the event manager and the application object.
// While they exist they are the ones the global accessors return.
#pragma once

#include "app/environ.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// MinGW's C runtime declares the process environment as a macro named
// environ, which would turn the member of that name below into an
// expression. Nothing here uses the C variable.
#ifdef environ
#undef environ
#endif

namespace xtr {

class cmcGTex;
class cmcEvMan;
class indMain;

struct ProcessServices {
    EnvironServices environ;
    // The program path followed by its arguments.
    std::vector<std::string> commandLine;
};

class ProcessObjects {
public:
    explicit ProcessObjects(const ProcessServices& services);
    ~ProcessObjects();
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;

    // False in a second copy of the program, which must end quietly, and
    // when the guard could not be made (GuardFailed), which must not.
    bool HoldsGuard() const;
    bool GuardFailed() const;

    indEnviron& Environ() { return *env_; }
    cmcGTex& Overlay() { return *gtex_; }
    cmcEvMan& Events() { return *evman_; }
    indMain& Application() { return *app_; }

private:
    std::unique_ptr<indEnviron> env_;
    std::unique_ptr<cmcGTex> gtex_;
    std::unique_ptr<cmcEvMan> evman_;
    std::unique_ptr<indMain> app_;
};

}  // namespace xtr
