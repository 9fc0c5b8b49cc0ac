// Plain stage texts built line by line, independent of the stage text writer.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tarn::testing {

// The 96 lines of an empty stage as the editor lays it out.
inline std::vector<std::string> EmptyStageLines() {
    std::vector<std::string> lines = {"bg01.bmp", "Stage", " 0", " 0", "150"};
    for (int row = 0; row < 60; ++row) {
        lines.push_back(std::string(200, '0'));
    }
    lines.push_back("NONE");
    for (int reserved = 0; reserved < 29; ++reserved) {
        lines.push_back("0");
    }
    lines.push_back("NONE");
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// An empty stage with some lines (1-based) replaced.
inline std::string StageWith(const std::map<int, std::string>& replaced) {
    std::vector<std::string> lines = EmptyStageLines();
    for (const auto& [number, text] : replaced) {
        lines[static_cast<std::size_t>(number - 1)] = text;
    }
    return JoinLines(lines);
}

}  // namespace tarn::testing
