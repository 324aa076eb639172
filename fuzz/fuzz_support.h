// Shared pieces of the fuzz targets: a message service that answers without
// showing anything, and a way to live through the fatal errors a parser is
// meant to raise for broken overlay text, while any other fatal error still
// stops the run as a finding.
#pragma once

#include "app/fatal.h"
#include "app/message_service.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace xtr::fuzz {

inline void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

class QuietMessages : public MessageService {
public:
    MsgResult Show(const std::string&, const std::string&, MsgIcon, MsgButtons buttons) override
    {
        ++shown;
        if (buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel) {
            return MsgResult::Ok;
        }
        return answerYes ? MsgResult::Yes : MsgResult::No;
    }
    bool answerYes = false;
    int shown = 0;
};

// The whole of a data file shipped with the program, read once by a target's
// set-up.
inline std::string ReadDataFile(const std::string& name)
{
    std::ifstream file(std::string(XTR_FUZZ_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    Require(file.good() || file.eof(), "the data files can be read");
    return text.str();
}

// The named cell styles of the shipped overlay ("#CellModel_..." entries),
// so that descriptions written like the shipped ones find their styles.
inline const std::string& ShippedCellStyles()
{
    static const std::string styles = [] {
        std::istringstream overlay(ReadDataFile("XTR450.OVL"));
        std::string text;
        std::string line;
        bool inStyle = false;
        while (std::getline(overlay, line)) {
            if (line.size() >= 2 && line[0] == '#') {
                inStyle = line.rfind("#CellModel_", 0) == 0;
            }
            if (inStyle) {
                text += line + "\n";
            }
        }
        return text;
    }();
    return styles;
}

// Thrown out of a fatal error instead of ending the process.
struct FatalStop {
    std::string message;
};

// While it lives, a fatal error whose message begins with one of the
// expected texts unwinds as FatalStop; any other aborts (a finding).
class ExpectedFatals : public FatalPresenter {
public:
    explicit ExpectedFatals(std::initializer_list<std::string_view> expected) : expected_(expected.begin(), expected.end())
    {
        SetFatalPresenter(this);
    }
    ~ExpectedFatals() override { SetFatalPresenter(nullptr); }
    ExpectedFatals(const ExpectedFatals&) = delete;
    ExpectedFatals& operator=(const ExpectedFatals&) = delete;

    void ShowFatal(const std::string&, const std::string& message) override
    {
        // The fatal path takes the presenter away before it calls it.
        SetFatalPresenter(this);
        for (std::string_view start : expected_) {
            if (std::string_view(message).substr(0, start.size()) == start) {
                throw FatalStop{message};
            }
        }
        std::fprintf(stderr, "unexpected fatal error: %s\n", message.c_str());
        std::abort();
    }

private:
    std::vector<std::string_view> expected_;
};

// The fatal errors of broken cell descriptions: unknown names, bad counter
// references, styles that are missing or nest without end.
#define XTR_FUZZ_DESCRIPTION_FATALS                                                                          \
    "Cannot use the specified category.", "Cannot use the specified cell.", "Ch No. Error", "Illegal Ch No.", \
        "Cell style nesting too deep.", "GTEX Error !"

}  // namespace xtr::fuzz
