// Optara from its command line: opening the settings file, offering the defaults when it
// is missing or damaged, exit statuses, and --help and --version without any display.
#include "settings/optara/OptaraApp.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QComboBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

#include "OptaraTestSupport.h"
#include "settings/DefaultSettings.h"
#include "settings/optara/KeyBox.h"
#include "settings/optara/OptaraDialog.h"
#include "support/Version.h"
#include "tests/common/TestFiles.h"

namespace tarn::optara {
namespace {

using testing::ProgramFolder;
using testing::RecordingMessenger;

class RunOptaraTest : public ::testing::Test {
  protected:
    int Run(const std::vector<std::string>& extra,
            const std::function<void(OptaraDialog&)>& onShown = {}) {
        std::vector<std::string> arguments{"Optara"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunOptara(arguments, messenger_, onShown);
    }
    std::vector<std::string> Root() const { return {"--root", folder_.Path().string()}; }

    ProgramFolder folder_;
    RecordingMessenger messenger_;
};

TEST_F(RunOptaraTest, MissingSettingsFileIsOfferedAndTheToolOpensOnTheDefaults) {
    messenger_.answers = {0};
    QString firstKey;
    EXPECT_EQ(Run(Root(),
                  [&](OptaraDialog& dialog) {
                      firstKey = dialog.Box(0)->text();
                      dialog.reject();
                  }),
              0);
    ASSERT_EQ(messenger_.questions.size(), 1u);
    EXPECT_NE(messenger_.questions[0].text.find(folder_.FileOf(SettingsBuild::Normal).string()),
              std::string::npos);
    EXPECT_EQ(firstKey, QString::fromUtf8("→"));
    GameSettings game;
    SettingsWarnings warnings;
    ASSERT_EQ(ReadGameSettings(folder_.FileOf(SettingsBuild::Normal), game, warnings),
              SettingsStatus::Ok);
    EXPECT_EQ(game.KeyTable, DefaultKeyTable());
    EXPECT_EQ(game.TargetFps, 60);
    EXPECT_EQ(game.ColorDepth, 16);
}

TEST(RunOptaraFolder, FolderWhoseNameIsNoUtf8OpensAndSaves) {
    tarn::testing::ScratchDir scratch;
    const std::filesystem::path folder = scratch / "\xff\xfe-latin1-\xe9";
    std::filesystem::create_directory(folder);
    RecordingMessenger messenger;
    messenger.answers = {0};  // create the missing file with the defaults
    EXPECT_EQ(RunOptaraDialog(folder, messenger, [](OptaraDialog& dialog) { dialog.accept(); }), 0);
    GameSettings game;
    SettingsWarnings warnings;
    EXPECT_EQ(ReadGameSettings(folder / "morva2.cfh", game, warnings), SettingsStatus::Ok);
}

TEST_F(RunOptaraTest, DecliningTheOfferForAMissingFileExitsWithFailureAndWritesNothing) {
    messenger_.answers = {1};
    EXPECT_EQ(Run(Root()), 1);
    ASSERT_EQ(messenger_.questions.size(), 1u);
    EXPECT_EQ(messenger_.questions[0].choices, (std::vector<std::string>{"作成する", "終了する"}));
    EXPECT_FALSE(std::filesystem::exists(folder_.FileOf(SettingsBuild::Normal)));
}

TEST_F(RunOptaraTest, TooShortSettingsFileIsOfferedToBeRebuilt) {
    folder_.WriteRaw(SettingsBuild::Normal, "ABC\r\n");
    messenger_.answers = {0};
    EXPECT_EQ(Run(Root(), [](OptaraDialog& dialog) { dialog.reject(); }), 0);
    ASSERT_EQ(messenger_.questions.size(), 1u);
    EXPECT_NE(messenger_.questions[0].text.find("短すぎます"), std::string::npos);
    EXPECT_EQ(folder_.Contents(folder_.Path() / "morva2.cfh.bak"), "ABC\r\n");
    ToolSettings tool;
    SettingsWarnings warnings;
    ASSERT_EQ(ReadToolSettings(folder_.FileOf(SettingsBuild::Normal), tool, warnings),
              SettingsStatus::Ok);
    EXPECT_EQ(tool.KeyTable, DefaultKeyTable());
}

TEST_F(RunOptaraTest, OkAndCancelExitWithSuccess) {
    folder_.WriteSettings(SettingsBuild::Normal, 65, 5, 1);
    EXPECT_EQ(Run(Root(), [](OptaraDialog& dialog) { dialog.reject(); }), 0);
    EXPECT_EQ(Run(Root(),
                  [](OptaraDialog& dialog) {
                      dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                  }),
              0);
    EXPECT_TRUE(messenger_.messages.empty());
    EXPECT_TRUE(messenger_.questions.empty());
}

TEST_F(RunOptaraTest, BadFrameRateInTheFileIsReportedThroughTheMessenger) {
    folder_.WriteRaw(SettingsBuild::Normal, std::string(30, 'A') + "\x50\x1f\r\n");
    int frameIndex = -1;
    EXPECT_EQ(Run(Root(),
                  [&](OptaraDialog& dialog) {
                      frameIndex =
                          dialog.findChild<QComboBox*>(QStringLiteral("Combo1"))->currentIndex();
                      dialog.reject();
                  }),
              0);
    EXPECT_EQ(frameIndex, kDefaultFrameRateIndex);
    EXPECT_EQ(messenger_.messages.size(), 1u);
}

TEST_F(RunOptaraTest, HelpAndVersionExitWithSuccess) {
    EXPECT_EQ(Run({"--help"}), 0);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), std::string("Optara ") + kVersion + "\n");
    EXPECT_TRUE(messenger_.messages.empty());
}

TEST_F(RunOptaraTest, UnknownOptionIsABadCommandLine) {
    EXPECT_EQ(Run({"--frobnicate"}), 2);
    EXPECT_EQ(Run({"--root"}), 2);
}

// A program folder whose name is no UTF-8 (Latin-1 here) is read and written as it is.
TEST_F(RunOptaraTest, ProgramFolderNamedInLatin1IsWrittenWhereItIs) {
    const auto latin1 = folder_.Path() / "caf\xe9";
    std::filesystem::create_directory(latin1);
    messenger_.answers = {0};  // the missing file is made with the defaults
    EXPECT_EQ(Run({"--root=" + latin1.string()},
                  [](OptaraDialog& dialog) {
                      dialog.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(2);
                      dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                  }),
              0);
    ToolSettings tool;
    SettingsWarnings warnings;
    ASSERT_EQ(ReadToolSettings(latin1 / "morva2.cfh", tool, warnings), SettingsStatus::Ok);
    EXPECT_EQ(tool.frameRateIndex, 2);
    EXPECT_EQ(tarn::testing::NamesIn(latin1), std::vector<std::string>{"morva2.cfh"});
}

TEST(OptaraCommandLineTest, RootIsTakenAndNothingElseIsAsked) {
    const OptaraCommand command = ParseOptaraCommandLine({"Optara", "--root", "/x\xff"});
    EXPECT_FALSE(command.exit);
    EXPECT_EQ(command.root, "/x\xff");
    EXPECT_TRUE(ParseOptaraCommandLine({"Optara"}).root.empty());
}

// The built program, run as a user without any display would run it.
struct ProgramRun {
    int status = -1;
    std::string output;
};

ProgramRun RunWithoutDisplay(const std::string& arguments) {
    const char* dir = std::getenv("TARN_PROGRAM_DIR");
    EXPECT_NE(dir, nullptr);
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"" +
                                std::string(dir ? dir : ".") + "/Optara\" " + arguments + " 2>&1";
    ProgramRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.output.append(buffer, read);
    }
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

TEST(OptaraProgramTest, HelpAnswersWithoutADisplay) {
    const ProgramRun run = RunWithoutDisplay("--help");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Usage: Optara"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("--root"), std::string::npos) << run.output;
}

TEST(OptaraProgramTest, VersionAnswersWithoutADisplay) {
    const ProgramRun run = RunWithoutDisplay("--version");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output.rfind("Optara ", 0), 0u) << run.output;
}

TEST(OptaraProgramTest, BadCommandLineIsReportedWithoutADisplay) {
    const ProgramRun run = RunWithoutDisplay("--frobnicate");
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_NE(run.output.find("frobnicate"), std::string::npos) << run.output;
}

TEST(OptaraProgramTest, OpeningTheWindowWithoutADisplaySaysSoInsteadOfAborting) {
    const ProgramRun run = RunWithoutDisplay("--root /nonexistent-optara-root");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("no display"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace tarn::optara
