// xtr450-radiosim: a simulated radio on a pseudo-terminal, for trying the
// cloning program without a radio. It serves the demonstration memory
// beside the program unless told otherwise. It prints the device path to connect to
// and serves the clone protocol until SIGINT or SIGTERM.
#include "options.h"

#include "app/loop_time.h"
#include "app/task.h"
#include "clone/clone_protocol.h"
#include "clone/sim_pty_bridge.h"
#include "clone/sim_radio.h"
#include "image/clone_file.h"
#include "image/demo_files.h"
#include "image/eeprom.h"
#include "image/range_list.h"
#include "overlay/gtex.h"
#include "app/globals.h"
#include "platform/executable_path.h"
#include "platform/serial_pty.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace xtr::radiosim {
namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int)
{
    g_stop = 1;
}

// The clone file classes report failures with overlay texts: use the
// overlay beside the program when there is one.
std::unique_ptr<cmcGTex> InstallOverlay()
{
    const std::string path = DataDirectory() + "XTR450.OVL";
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return nullptr;
    }
    auto gtex = std::make_unique<cmcGTex>();
    gtex->NameFile(path);
    SetGTex(gtex.get());
    return gtex;
}

cmcKclFile& Prepare(cmcKclFile& file, cmcEeprom& memory)
{
    file.SetImage(&memory);
    file.SetModelCode(clone::kModelCode);
    file.SetExtraCode(clone::kExtraCode);
    file.SetMapRevisionCheck(&AcceptKnownMapRevision, nullptr);
    return file;
}

const char* CommandName(uint8_t command)
{
    switch (command) {
    case clone::kCmdSpeed: return "speed switch";
    case clone::kCmdIdentify: return "identify";
    case clone::kCmdReadStart: return "read";
    case clone::kCmdWriteStart: return "write";
    case clone::kCmdEnd: return "end of write";
    default: return nullptr;
    }
}

struct Server {
    SimRadio& radio;
    SimPtyBridge& bridge;
    bool quiet;
    size_t reported = 0;
    bool failed = false;

    static void Poll(void* context, cmcTask* task)
    {
        auto* self = static_cast<Server*>(context);
        if (!self->bridge.Poll()) {
            self->failed = true;
            task->SetPeriod(-1);
            return;
        }
        self->Report();
    }

    void Report()
    {
        const auto& frames = radio.Received();
        for (; reported < frames.size(); ++reported) {
            const SimFrameRecord& frame = frames[reported];
            const char* name = CommandName(frame.command);
            if (name != nullptr && !quiet) {
                std::fprintf(stderr, "%s at %u baud\n", name, frame.baud);
            }
        }
        if (frames.size() > 4096) {  // keep the log from growing for ever
            radio.ClearReceived();
            reported = 0;
        }
    }
};

int Run(const Setup& setup)
{
    LoopTimeService loop;
    SetTimeService(&loop);
    const std::unique_ptr<cmcGTex> overlay = InstallOverlay();

    SimRadio radio;
    radio.Identity() = setup.identity;
    radio.Faults() = setup.faults;
    radio.SetWireTime(setup.wireTime);
    radio.SetBaud(setup.baud);
    // Out of the box the radio holds the demonstration configuration, as a
    // configured radio would: it can be read, and written back as it is.
    const std::string imagePath =
        !setup.imagePath.empty() ? setup.imagePath : setup.blank ? std::string() : DataDirectory() + DemoFileName(setup.modelType);
    if (!imagePath.empty()) {
        cmcKclFile file;
        if (Prepare(file, radio.Memory()).Read(imagePath, kCloneAreaRanges) != kKclOk) {
            std::fprintf(stderr, "xtr450-radiosim: cannot load %s%s\n", imagePath.c_str(),
                         setup.imagePath.empty() ? " (give --image FILE, or --blank for an erased memory)" : "");
            return 1;
        }
    }

    const std::unique_ptr<PseudoTerminal> terminal = OpenPseudoTerminal();
    if (!terminal) {
        std::fprintf(stderr, "xtr450-radiosim: cannot open a pseudo-terminal\n");
        return 1;
    }
    // The bridge notes the terminal's speed before the program can open it.
    SimPtyBridge bridge(radio, *terminal);
    std::printf("%s\n", terminal->SlavePath().c_str());
    std::fflush(stdout);

    Server server{radio, bridge, setup.quiet};
    cmcTask task;
    task.SetHandler(&Server::Poll, &server);
    task.SetPeriod(2);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    loop.RunUntil([&] { return g_stop != 0 || server.failed; });
    task.Stop();

    int code = server.failed ? 1 : 0;
    if (!setup.savePath.empty()) {
        cmcKclFile file;
        Prepare(file, radio.Memory()).SetComment(CloneFileComment(radio.Memory()));
        file.SetMapRevision(kKclMapRevision);
        if (file.Write(setup.savePath, kCloneAreaRanges) != kKclOk) {
            std::fprintf(stderr, "xtr450-radiosim: cannot save %s\n", setup.savePath.c_str());
            code = 1;
        }
    }
    SetGTex(nullptr);
    SetTimeService(nullptr);
    return code;
}

}  // namespace
}  // namespace xtr::radiosim

int main(int argc, char** argv)
{
    using namespace xtr::radiosim;
    Setup setup;
    std::string error;
    if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), setup, error)) {
        std::fprintf(stderr, "xtr450-radiosim: %s\n(see --help)\n", error.c_str());
        return 2;
    }
    if (setup.help) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    if (setup.version) {
        std::printf("xtr450-radiosim %s\n", XTR_VERSION);
        return 0;
    }
    return Run(setup);
}
