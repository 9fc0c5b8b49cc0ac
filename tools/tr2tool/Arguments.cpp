// Option parsing, usage errors and stage loading for tr2tool.
#include "tools/tr2tool/Arguments.h"

#include "support/BinAngsDL.h"
#include "support/UserText.h"

namespace tarn::tr2tool {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::set<std::string>& known,
                                            const std::string& command, std::ostream& err) {
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            line.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (known.contains(arg)) {
            line.options.insert(arg);
        } else {
            ReportUsage(command, "unknown option '" + arg + "'", err);
            return std::nullopt;
        }
    }
    return line;
}

void ReportUsage(const std::string& command, const std::string& problem, std::ostream& err) {
    const std::string full = command.empty() ? "tr2tool" : "tr2tool " + command;
    err << full << ": " << problem << "\n"
        << "Try '" << full << " --help' for more information.\n";
}

bool LoadStage(const std::filesystem::path& file, std::vector<std::uint8_t>& plain,
               std::ostream& err) {
    BinAngsDL container;
    FileReason why;
    const ContainerStatus status = ReadEncipheredFile(container, file, plain, &why);
    if (status == ContainerStatus::Ok) {
        return true;
    }
    if (const auto message = container.MessageFor(status, file)) {
        PrintMessage(*message, err);
    } else {
        err << "tr2tool: " << ShownPath(file) << ": " << Describe(status, why) << "\n";
    }
    return false;
}

void PrintMessage(const UserMessage& message, std::ostream& err) {
    std::string oneLine;
    for (std::size_t i = 0; i < message.text.size(); ++i) {
        if (message.text[i] == '\r' && i + 1 < message.text.size() && message.text[i + 1] == '\n') {
            oneLine += ": ";
            ++i;
        } else {
            oneLine += message.text[i];
        }
    }
    err << "tr2tool: " << (message.title.empty() ? "" : message.title + ": ") << oneLine << "\n";
}

void PrintProblems(const std::string& file, const std::vector<StageProblem>& problems,
                   std::ostream& out) {
    for (const StageProblem& problem : problems) {
        out << file;
        if (problem.line > 0) {
            out << ":" << problem.line;
        }
        out << ": " << problem.message << "\n";
    }
}

}  // namespace tarn::tr2tool
