// The four process-wide objects, built in this order and destroyed in the
// reverse one: the settings store (which takes the single-instance guard),
// the overlay text store, the event manager and the application object.
// While they exist they are the ones the global accessors return.
#pragma once

#include "app/environ.h"

#include <memory>
#include <string>
#include <vector>

namespace xtr {

class cmcGTex;
class cmcEvMan;
class indMain;

struct ProcessServices {
    // Not named "environ": the C runtime of MinGW defines that name as a macro.
    EnvironServices environServices;
    // The program path followed by its arguments.
    std::vector<std::string> commandLine;
};

class ProcessObjects {
public:
    explicit ProcessObjects(const ProcessServices& services);
    ~ProcessObjects();
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;

    // False in a second copy of the program, which must end quietly.
    bool HoldsGuard() const;

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
