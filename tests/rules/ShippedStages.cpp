// Reading the shipped stage texts and replays for the tests.
#include "ShippedStages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "game/planner/PlannerStage.h"

namespace tarn::game::testing {

namespace {

std::filesystem::path StageSources() {
    const char* source = std::getenv("TARN_SOURCE_DIR");
    return std::filesystem::path(source != nullptr ? source : ".") / "assets" / "stages";
}

std::optional<std::string> ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

const std::vector<ShippedFolder>& ShippedFolders() {
    static const std::vector<ShippedFolder> folders = {
        {"standard", {"1-1", "1-2", "1-3", "1-4", "2-1", "2-2", "2-3", "2-4"}},
        {"veteran", {"1-1", "1-2", "1-3", "1-4"}},
    };
    return folders;
}

std::map<std::string, GameStageText> ReadShippedFolder(const ShippedFolder& folder) {
    std::map<std::string, GameStageText> stages;
    for (const std::string& name : folder.stages) {
        const auto path = StageSources() / folder.name / (name + ".txt");
        const std::optional<std::string> text = ReadText(path);
        EXPECT_TRUE(text) << "cannot read " << path;
        stages[name] = ReadGameStage(text.value_or(""));
    }
    return stages;
}

std::optional<int> ReplayClearFrame(const std::string& folder, const std::string& replay,
                                    bool lowSpec) {
    auto path = StageSources() / folder / "replays";
    if (lowSpec) {
        path /= "low";
    }
    const std::optional<std::string> text = ReadText(path / (replay + ".rpl"));
    std::smatch match;
    static const std::regex clearLine("# clears at frame ([0-9]+)");
    if (!text || !std::regex_search(*text, match, clearLine)) {
        return std::nullopt;
    }
    return std::stoi(match[1].str());
}

GameState LoadedStage(const GameStageText& text, bool lowSpec) {
    return planner::StartOfStage(text, lowSpec);
}

}  // namespace tarn::game::testing
