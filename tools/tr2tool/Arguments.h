// Option parsing and stage loading shared by tr2tool's commands.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "support/StageText.h"
#include "support/UserMessage.h"

namespace tarn::tr2tool {

struct CommandLine {
    std::vector<std::string> operands;
    std::set<std::string> options;  // the "--name" options given
    bool help = false;
};

// Splits arguments into operands and the options a command knows ("--help" and "-h"
// always). "--" ends the options. An unknown option is reported on `err` with a pointer
// to the command's help, and gives nothing.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::set<std::string>& known,
                                            const std::string& command, std::ostream& err);

// Reports a wrong number of operands the same way.
void ReportUsage(const std::string& command, const std::string& problem, std::ostream& err);

// Reads and deciphers a stage file; failures are reported on `err`.
bool LoadStage(const std::filesystem::path& file, std::vector<std::uint8_t>& plain,
               std::ostream& err);

// Prints one "FILE:LINE: message" line per problem ("FILE: message" for the whole file).
void PrintProblems(const std::string& file, const std::vector<StageProblem>& problems,
                   std::ostream& out);

// Prints a message meant for a user as one line: "tr2tool: TITLE: TEXT", line breaks
// becoming ": ".
void PrintMessage(const UserMessage& message, std::ostream& err);

}  // namespace tarn::tr2tool
