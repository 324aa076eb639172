#include "options.h"

#include <cerrno>
#include <cstdlib>
#include <functional>

namespace xtr::radiosim {
namespace {

// A number in decimal, or in hex with 0x in front.
bool Number(const std::string& text, long low, long high, long& value)
{
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 0);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

using Apply = std::function<bool(Setup&, const std::string&)>;

struct Option {
    const char* name;
    const char* value;  // nullptr for a flag
    const char* help;
    Apply apply;
};

template <typename T>
Apply Int(T Setup::*group, int32_t T::*field, long low, long high)
{
    return [=](Setup& s, const std::string& v) {
        long n;
        if (!Number(v, low, high, n)) {
            return false;
        }
        (s.*group).*field = static_cast<int32_t>(n);
        return true;
    };
}

template <typename T>
Apply Byte(T Setup::*group, uint8_t T::*field)
{
    return [=](Setup& s, const std::string& v) {
        long n;
        if (!Number(v, 0, 255, n)) {
            return false;
        }
        (s.*group).*field = static_cast<uint8_t>(n);
        return true;
    };
}

const std::vector<Option>& Options()
{
    static const std::vector<Option> options = {
        {"--image", "FILE", "serve the memory of this clone file (default: the demonstration file)",
         [](Setup& s, const std::string& v) { s.imagePath = v; return true; }},
        {"--variant", "V", "without --image: serve the demonstration memory of the mpt (default) or cps numbering",
         [](Setup& s, const std::string& v) {
             if (v != "mpt" && v != "cps") {
                 return false;
             }
             s.modelType = v == "cps" ? 1 : 0;
             return true;
         }},
        {"--blank", nullptr, "without --image: serve an erased memory that holds only the family marks",
         [](Setup& s, const std::string&) { s.blank = true; return true; }},
        {"--save", "FILE", "write the memory to this clone file at exit",
         [](Setup& s, const std::string& v) { s.savePath = v; return true; }},
        {"--no-wire-time", nullptr, "deliver bytes at once instead of at the line speed",
         [](Setup& s, const std::string&) { s.wireTime = false; return true; }},
        {"--baud", "N", "line speed at start (9600 or 38400)",
         [](Setup& s, const std::string& v) {
             long n;
             if (!Number(v, 1, 1000000, n)) {
                 return false;
             }
             s.baud = static_cast<uint32_t>(n);
             return true;
         }},
        {"--quiet", nullptr, "do not report the frames received",
         [](Setup& s, const std::string&) { s.quiet = true; return true; }},
        {"--model-code", "N", "identity word 1 (default 0x2527)", Int(&Setup::identity, &SimIdentity::modelCode, 0, 0xFFFF)},
        {"--extra-code", "N", "identity word 2 (default 0)", Int(&Setup::identity, &SimIdentity::extraCode, 0, 0xFFFF)},
        {"--comment1", "TEXT", "first comment (16 characters)",
         [](Setup& s, const std::string& v) { s.identity.comment1 = v; return true; }},
        {"--comment2", "TEXT", "second comment (16 characters)",
         [](Setup& s, const std::string& v) { s.identity.comment2 = v; return true; }},
        {"--revision", "N", "revision as two packed digits, 0x12 for 1.2", Byte(&Setup::identity, &SimIdentity::revision)},
        {"--esn", "TEXT", "electronic serial number, 8 hex characters",
         [](Setup& s, const std::string& v) { s.identity.serialNumber = v; return true; }},
        {"--option", "N", "option unit byte: 0x20 first unit, 0x30 second unit", Byte(&Setup::identity, &SimIdentity::option)},
        {"--over-voltage", nullptr, "report an over-voltage",
         [](Setup& s, const std::string&) { s.identity.overVoltage = true; return true; }},
        {"--byte35", "N", "identity byte 35 (the program wants 2)", Byte(&Setup::identity, &SimIdentity::byte35)},
        {"--payload-length", "N", "identity payload length (the program wants 52)",
         Int(&Setup::identity, &SimIdentity::payloadLength, 0, 400)},
        {"--silent", nullptr, "fault: never answer",
         [](Setup& s, const std::string&) { s.faults.silent = true; return true; }},
        {"--bad-checksum", "N", "fault: data frame N with a wrong checksum",
         Int(&Setup::faults, &SimFaults::badChecksumFrame, 0, 511)},
        {"--lower-case", "N", "fault: data frame N in lower-case hex", Int(&Setup::faults, &SimFaults::lowerCaseFrame, 0, 511)},
        {"--count-offset", "N", "fault: add N to the end frame's count",
         Int(&Setup::faults, &SimFaults::frameCountOffset, -255, 255)},
        {"--missing", "N", "fault: leave out data frame N", Int(&Setup::faults, &SimFaults::missingFrame, 0, 511)},
        {"--extra-block", "ADDR", "fault: send one more block at ADDR (0x2000: outside the read, 0x4000: outside the image)",
         Int(&Setup::faults, &SimFaults::extraBlockAddress, 0, 0xFFFF)},
        {"--nak", "N", "fault: answer a good write with status N", Byte(&Setup::faults, &SimFaults::ackStatus)},
        {"--stall-after", "N", "fault: stop sending after N data frames", Int(&Setup::faults, &SimFaults::stallAfter, 0, 512)},
        {"--noise", "N", "fault: N noise bytes after every frame", Int(&Setup::faults, &SimFaults::noiseBytes, 0, 1000)},
        {"--corrupt", "ADDR", "fault: store the byte written at ADDR inverted, yet acknowledge the write",
         Int(&Setup::faults, &SimFaults::corruptAddress, 0, 0x3FFF)},
        {"--extra-preamble", "N", "fault: N more 0xFE bytes before every frame",
         Int(&Setup::faults, &SimFaults::extraPreamble, 0, 1000)},
        {"--help", nullptr, "show this text", [](Setup& s, const std::string&) { s.help = true; return true; }},
        {"--version", nullptr, "print the version", [](Setup& s, const std::string&) { s.version = true; return true; }},
    };
    return options;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Setup& setup, std::string& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        const Option* option = nullptr;
        for (const Option& candidate : Options()) {
            if (name == candidate.name) {
                option = &candidate;
            }
        }
        if (option == nullptr) {
            error = "unknown option " + name;
            return false;
        }
        if (option->value != nullptr && !inlineValue) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (!option->apply(setup, value)) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    return true;
}

std::string HelpText()
{
    std::string text =
        "Usage: xtr450-radiosim [options]\n\n"
        "A simulated XT-R450 radio on a pseudo-terminal. Prints the device path to\n"
        "connect to on one line, then serves the clone protocol until interrupted.\n\n"
        "Options:\n";
    for (const Option& option : Options()) {
        std::string left = std::string("  ") + option.name;
        if (option.value != nullptr) {
            left += std::string(" ") + option.value;
        }
        left.resize(std::max<size_t>(left.size() + 1, 24), ' ');
        text += left + option.help + "\n";
    }
    return text;
}

}  // namespace xtr::radiosim
