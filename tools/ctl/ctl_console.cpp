#include "ctl/ctl_console.h"

#include "platform/console_stream.h"

namespace xtr::ctl {
namespace {

const char* Label(uint8_t kind)
{
    switch (kind) {
    case 1: return "Identifying";
    case 2: return "Reading";
    case 3: return "Writing";
    default: return "Working";
    }
}

}  // namespace

ConsoleOutput::ConsoleOutput(std::FILE* err, bool terminal, Verbosity verbosity)
    : err_(err), verbosity_(verbosity),
      mode_(verbosity == Verbosity::Quiet ? Mode::Silent
            : terminal                    ? Mode::Bar
            : verbosity == Verbosity::Verbose ? Mode::Lines
                                              : Mode::Silent)
{
}

MsgResult ConsoleOutput::Show(const std::string&, const std::string& text, MsgIcon icon, MsgButtons buttons)
{
    const bool isError = icon == MsgIcon::Error || icon == MsgIcon::Warning;
    if (isError || verbosity_ != Verbosity::Quiet) {
        EndPartialLine();
        std::fprintf(err_, "%s\n", text.c_str());
        std::fflush(err_);
    }
    switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::YesNo: return MsgResult::No;
    default: return MsgResult::Cancel;
    }
}

void ConsoleOutput::Note(const std::string& text)
{
    if (verbosity_ != Verbosity::Quiet) {
        EndPartialLine();
        std::fprintf(err_, "%s\n", text.c_str());
    }
}

void ConsoleOutput::Detail(const std::string& text)
{
    if (verbosity_ == Verbosity::Verbose) {
        EndPartialLine();
        std::fprintf(err_, "%s\n", text.c_str());
    }
}

void ConsoleOutput::Error(const std::string& text)
{
    EndPartialLine();
    std::fprintf(err_, "xtr450ctl: %s\n", text.c_str());
}

void ConsoleOutput::EndPartialLine()
{
    if (partialLine_) {
        std::fputc('\n', err_);
        partialLine_ = false;
    }
}

void ConsoleOutput::CloneStarted(uint8_t kind)
{
    kind_ = kind;
    lastK_ = -1;
    lastTenth_ = -1;
    if (verbosity_ == Verbosity::Verbose) {
        const std::string what = describe_ ? describe_() : std::string();
        Detail(std::string(Label(kind)) + (what.empty() ? "" : " " + what));
    }
    if (mode_ == Mode::Bar) {
        if (kind == 1) {
            // No bar for the identify; a short note that is replaced later.
            std::fprintf(err_, "\r%s the radio...", Label(kind));
            partialLine_ = true;
            std::fflush(err_);
        } else {
            DrawBar(0);
        }
    }
}

void ConsoleOutput::DrawBar(int k)
{
    if (k == lastK_) {
        return;
    }
    lastK_ = k;
    const int cells = CloneProgressCells(k);
    std::string bar(static_cast<size_t>(cells), '#');
    bar.resize(32, ' ');
    const int percent = k >= 33 ? 100 : k * 100 / 33;
    std::fprintf(err_, "\r\033[K%-11s [%s] %3d%%", Label(kind_), bar.c_str(), percent);
    partialLine_ = true;
    std::fflush(err_);
}

void ConsoleOutput::CloneProgress(int k)
{
    if (kind_ == 1) {
        return;
    }
    if (mode_ == Mode::Bar) {
        DrawBar(k);
    } else if (mode_ == Mode::Lines) {
        const int tenth = k >= 33 ? 10 : k * 10 / 33;
        if (tenth != lastTenth_) {
            lastTenth_ = tenth;
            std::fprintf(err_, "%s: %d%%\n", Label(kind_), tenth * 10);
            std::fflush(err_);
        }
    }
}

void ConsoleOutput::CloneEnded()
{
    if (mode_ == Mode::Bar && partialLine_) {
        if (kind_ == 1) {
            std::fprintf(err_, "\r\033[K");  // the identify note goes again
            partialLine_ = false;
        } else {
            EndPartialLine();
        }
        std::fflush(err_);
    }
}

}  // namespace xtr::ctl
