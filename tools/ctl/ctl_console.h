// What xtr450ctl says while it works: the message boxes of the core become
// their overlay texts on the standard error stream, and a running transfer
// shows a progress bar there when it is a terminal (or, with --verbose,
// plain progress lines when it is not). --quiet keeps only the errors.
#pragma once

#include "app/message_service.h"
#include "clone/clone_progress.h"

#include <cstdio>
#include <functional>
#include <string>

namespace xtr::ctl {

enum class Verbosity { Quiet, Normal, Verbose };

class ConsoleOutput : public MessageService, public CloneProgressView {
public:
    // err is where everything goes; terminal says whether it is one.
    ConsoleOutput(std::FILE* err, bool terminal, Verbosity verbosity);

    // Message boxes: errors and warnings always, the rest unless quiet.
    // Questions get the cautious answer (Cancel or No).
    MsgResult Show(const std::string& caption, const std::string& text, MsgIcon icon, MsgButtons buttons) override;

    void CloneStarted(uint8_t kind) override;
    void CloneProgress(int k) override;
    void CloneEnded() override;

    // A line of the tool's own, shown unless quiet (note) or only when
    // verbose (detail); Error always.
    void Note(const std::string& text);
    void Detail(const std::string& text);
    void Error(const std::string& text);

    // Describes a started operation for the verbose lines ("on COM3 at
    // 38400,N,8,1" and the like); asked at every start.
    void SetDescriber(std::function<std::string()> describe) { describe_ = std::move(describe); }

private:
    enum class Mode { Silent, Bar, Lines };

    void EndPartialLine();
    void DrawBar(int k);

    std::FILE* err_;
    Verbosity verbosity_;
    Mode mode_;
    uint8_t kind_ = 0;
    bool partialLine_ = false;
    int lastK_ = -1;
    int lastTenth_ = -1;
    std::function<std::string()> describe_;
};

}  // namespace xtr::ctl
