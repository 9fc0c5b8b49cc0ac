// tr2tool info: a readable summary of one stage file.
#include <array>
#include <iomanip>

#include "support/ChipTable.h"
#include "support/StageText.h"
#include "support/UserText.h"
#include "tools/tr2tool/Arguments.h"
#include "tools/tr2tool/Commands.h"

namespace tarn::tr2tool {

namespace {

constexpr const char* kInfoHelp =
    "Usage: tr2tool info FILE.tr2\n"
    "Prints the stage name, background, start, time limit, next stages, the number of\n"
    "cells of each chip code and the number of moving objects, as the game reads them.\n"
    "\n"
    "  -h, --help  show this help\n";

// A name of the stage as printed: a damaged file's escape sequences never reach the
// terminal, and a line far longer than any name is cut.
std::string Shown(const std::string& text) {
    return Excerpt(text, 2 * kMaxFieldLineBytes);
}

}  // namespace

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandLine(args, {}, "info", err);
    if (!line) {
        return kExitUsage;
    }
    if (line->help) {
        out << kInfoHelp;
        return kExitOk;
    }
    if (line->operands.size() != 1) {
        ReportUsage("info", "expects exactly one stage file", err);
        return kExitUsage;
    }
    std::vector<std::uint8_t> plain;
    if (!LoadStage(line->operands[0], plain, err)) {
        return kExitFailed;
    }
    const std::string_view text(reinterpret_cast<const char*>(plain.data()), plain.size());
    const GameStageText stage = ReadGameStage(text);
    const EditorStageText edited = ReadEditorStage(text);

    std::array<int, kChipCodeCount> counts{};
    int otherCodes = 0;
    int movingObjects = 0;
    for (const auto& row : stage.rows) {
        for (const std::int32_t code : row) {
            if (code >= 0 && code < kChipCodeCount) {
                ++counts[static_cast<std::size_t>(code)];
            } else {
                ++otherCodes;
            }
            movingObjects += BecomesObject(code) ? 1 : 0;
        }
    }

    out << "file:                " << line->operands[0] << "\n"
        << "stage name:          " << Shown(stage.StageName) << "\n"
        << "background:          " << Shown(stage.BackgroundName) << "\n"
        << "start:               column " << edited.STX << ", row " << edited.STY << " (pixels "
        << stage.PlayerX << ", " << stage.PlayerY << ")\n"
        << "time limit:          " << PlainNumberText(stage.TimeLeft) << "\n"
        << "next stage (goal 1): " << Shown(stage.NextStage) << "\n"
        << "next stage (goal 2): " << Shown(stage.NextStage2) << "\n"
        << "lines:               " << stage.lineCount << "\n"
        << "chips:\n";
    for (int code = 0; code < kChipCodeCount; ++code) {
        out << "  " << std::setw(2) << code << " " << SHex(code) << "  " << std::left
            << std::setw(30) << kChipTable[static_cast<std::size_t>(code)].name << std::right
            << std::setw(6) << counts[static_cast<std::size_t>(code)] << "\n";
    }
    if (otherCodes > 0) {
        out << "  other codes" << std::setw(31) << otherCodes << "\n";
    }
    out << "moving objects:      " << movingObjects << "\n";
    return kExitOk;
}

}  // namespace tarn::tr2tool
