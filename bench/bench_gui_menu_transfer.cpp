// A read and a write of the radio from the desktop program's Clone menu
// against the simulated radio on a pseudo-terminal, beside the same
// transfers by xtr450ctl: wall time per transfer. The simulator runs without
// wire time, so the figures are the programs' own pace (protocol steps every
// 10 ms, the speed switch, frames, checks) rather than the line's; both
// sides run at high speed and keep no backup.
#include "app/environ.h"
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "app/message_service.h"
#include "image/demo_files.h"
#include "platform/executable_path.h"

#include "gui_program.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Every question is answered Yes (or OK).
class YesMessages : public xtr::MessageService {
public:
    xtr::MsgResult Show(const std::string&, const std::string& text, xtr::MsgIcon, xtr::MsgButtons buttons) override
    {
        last = text;
        const bool ok = buttons == xtr::MsgButtons::Ok || buttons == xtr::MsgButtons::OkCancel;
        return ok ? xtr::MsgResult::Ok : xtr::MsgResult::Yes;
    }
    std::string last;  // the last text, to name why a transfer did not run
};

// The simulated radio on its pseudo-terminal, for the whole benchmark.
struct Radio {
    Radio()
    {
        process.start(QString::fromStdString(xtr::DataDirectory() + "xtr450-radiosim"),
                      {QStringLiteral("--quiet"), QStringLiteral("--no-wire-time")});
        if (!process.waitForStarted(10000)) {
            return;
        }
        QElapsedTimer waited;
        waited.start();
        while (device.isEmpty() && waited.elapsed() < 10000) {
            process.waitForReadyRead(100);
            device = QString::fromLocal8Bit(process.readLine()).trimmed();
        }
    }
    ~Radio()
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
    QString device;
};

Radio& TheRadio()
{
    static Radio radio;
    return radio;
}

// Runs the event loop until the transfer has ended (at most a minute).
bool WaitForTransfer()
{
    QElapsedTimer waited;
    waited.start();
    while (xtr::App().CloneActive() && waited.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return !xtr::App().CloneActive();
}

struct MenuRig {
    MenuRig() : previous(xtr::SetMessageService(&yes))
    {
        xtr::Env().portDevice = TheRadio().device.toStdString();
        xtr::Env().comSpeedHigh = 1;
    }
    ~MenuRig() { xtr::SetMessageService(previous); }
    YesMessages yes;
    xtr::MessageService* previous;
    bench::GuiProgram program;
};

void BM_MenuRead(benchmark::State& state)
{
    if (TheRadio().device.isEmpty()) {
        state.SkipWithError("the simulated radio did not start");
        return;
    }
    MenuRig rig;
    for (auto _ : state) {
        xtr::App().ClearModified();  // nothing to offer to save
        xtr::App().RunCommand(xtr::AppCommand::CloneRead, 0, {});
        if (!xtr::App().CloneActive()) {
            state.SkipWithError("the read did not start");
            break;
        }
        if (!WaitForTransfer() || !xtr::App().Modified()) {
            state.SkipWithError("the read failed");
            break;
        }
    }
}
BENCHMARK(BM_MenuRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_MenuWrite(benchmark::State& state)
{
    if (TheRadio().device.isEmpty()) {
        state.SkipWithError("the simulated radio did not start");
        return;
    }
    MenuRig rig;
    // The demonstration radio passes the checks (the factory image does not).
    if (!xtr::App().OpenFile(xtr::DataDirectory() + xtr::DemoFileName(xtr::Env().modelType))) {
        state.SkipWithError("the demonstration file did not open");
        return;
    }
    for (auto _ : state) {
        // The menu's guarded write: the checks, the confirmation, the write.
        xtr::App().RunCommand(xtr::AppCommand::CloneWrite, 0, {});
        if (!xtr::App().CloneActive() || !WaitForTransfer()) {
            state.SkipWithError(("the write failed: " + rig.yes.last).c_str());
            break;
        }
    }
}
BENCHMARK(BM_MenuWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void RunTool(benchmark::State& state, const QStringList& arguments)
{
    if (TheRadio().device.isEmpty()) {
        state.SkipWithError("the simulated radio did not start");
        return;
    }
    QTemporaryDir dir;
    const QString tool = QString::fromStdString(xtr::DataDirectory() + "xtr450ctl");
    QStringList words = arguments;
    for (QString& word : words) {
        word.replace(QStringLiteral("@DIR"), dir.path());
        word.replace(QStringLiteral("@PORT"), TheRadio().device);
    }
    for (auto _ : state) {
        QProcess process;
        process.start(tool, words);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError(process.readAllStandardError().toStdString().c_str());
            break;
        }
    }
}

void BM_CtlRead(benchmark::State& state)
{
    RunTool(state, {"read", "--port", "@PORT", "--high-speed", "--no-backup", "--quiet", "-o", "@DIR/read.kcl"});
}
BENCHMARK(BM_CtlRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_CtlWrite(benchmark::State& state)
{
    const std::string demo = xtr::DataDirectory() + xtr::DemoFileName(0);
    RunTool(state, {"write", "--port", "@PORT", "--high-speed", "--no-backup", "--no-verify", "--quiet",
                    QString::fromStdString(demo)});
}
BENCHMARK(BM_CtlWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
