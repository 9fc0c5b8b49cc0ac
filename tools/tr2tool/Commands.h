// tr2tool's commands, callable without a process: arguments in, text out, exit code back.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarn::tr2tool {

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // a file could not be read or written, or has problems
inline constexpr int kExitUsage = 2;   // unknown command or option, wrong operands

// Runs the tool on the arguments after the program name. Results go to `out`, errors and
// the container's messages to `err`.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The commands, each given the arguments after its own name.
int Decode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Encode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarn::tr2tool
