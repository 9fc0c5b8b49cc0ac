// tr2tool's top level: picks the command and shows the overall help.
#include "tools/tr2tool/Commands.h"

#include "support/Version.h"
#include "tools/tr2tool/Arguments.h"

namespace tarn::tr2tool {

namespace {

constexpr const char* kTopHelp =
    "Usage: tr2tool COMMAND [OPTIONS] FILES...\n"
    "Reads and writes Tarn 2 stage files (.tr2).\n"
    "\n"
    "Commands:\n"
    "  decode FILE.tr2          print the plain stage text\n"
    "  encode TEXT OUT.tr2      encipher a plain stage text into a stage file\n"
    "  info FILE.tr2            print a summary of a stage\n"
    "  check FILE.tr2...        report every problem of each stage\n"
    "\n"
    "Options:\n"
    "  --help                   show this help\n"
    "  --version                show the version\n"
    "\n"
    "Run 'tr2tool COMMAND --help' for the options of a command.\n"
    "Exit status: 0 success, 1 failure or problems found, 2 usage error.\n";

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        ReportUsage("", "no command given", err);
        return kExitUsage;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << kTopHelp;
        return kExitOk;
    }
    if (command == "--version") {
        out << "tr2tool " << kVersion << "\n";
        return kExitOk;
    }
    if (command == "decode") {
        return Decode(rest, out, err);
    }
    if (command == "encode") {
        return Encode(rest, out, err);
    }
    if (command == "info") {
        return Info(rest, out, err);
    }
    if (command == "check") {
        return Check(rest, out, err);
    }
    if (!command.empty() && command[0] == '-') {
        ReportUsage("", "unknown option '" + command + "'", err);
    } else {
        ReportUsage("", "unknown command '" + command + "'", err);
    }
    return kExitUsage;
}

}  // namespace tarn::tr2tool
