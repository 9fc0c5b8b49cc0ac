// Optara on an installed program folder: the shipped files are only read, the user's
// copies in their configuration folder are written and then win.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "settings/DefaultSettings.h"
#include "settings/optara/DefaultFileOffer.h"
#include "settings/optara/OptaraModel.h"

#include "OptaraTestSupport.h"

namespace tarn::optara {
namespace {

namespace fs = std::filesystem;
using testing::ProgramFolder;

class OptaraInstalledTest : public ::testing::Test {
  protected:
    OptaraInstalledTest() {
        FolderEnvironment environment;
        environment.home = user_.Path().string();
        environment.temporary = user_.Path() / "tmp";
        std::string error;
        paths_ = *InstalledPaths(shipped_.Path(), environment, error);
    }

    // Opens the normal build's damaged file and accepts the offer of the defaults; the
    // offer as it was put.
    Question AcceptedOfferOnOpening() {
        OptaraModel model(paths_);
        const SettingsStatus status = model.Open(warnings_);
        testing::RecordingMessenger messenger;
        messenger.answers = {0};
        EXPECT_TRUE(OfferDefaultFile(model, messenger, SettingsBuild::Normal, status, "終了する"));
        return messenger.questions.empty() ? Question{} : messenger.questions.front();
    }

    ProgramFolder shipped_;
    ProgramFolder user_;  // the user's home
    ProgramPaths paths_;
    SettingsWarnings warnings_;
};

TEST_F(OptaraInstalledTest, WithoutACopyTheShippedFileIsShownAndSavingMakesTheUsersCopy) {
    shipped_.WriteSettings(SettingsBuild::Normal, 65, 2, 1);
    const std::string shippedBytes = shipped_.Contents(shipped_.FileOf(SettingsBuild::Normal));
    OptaraModel model(paths_);
    ASSERT_EQ(model.Open(warnings_), SettingsStatus::Ok);
    EXPECT_EQ(model.FrameRateIndex(), 2);
    EXPECT_EQ(model.SourceOf(SettingsBuild::Normal), shipped_.FileOf(SettingsBuild::Normal));
    EXPECT_EQ(model.FileOf(SettingsBuild::Normal), paths_.configFolder / "morva2.cfh");

    model.SetFrameRateIndex(4);
    ASSERT_EQ(model.Save(SettingsBuild::Normal), SettingsStatus::Ok);
    EXPECT_EQ(shipped_.Contents(shipped_.FileOf(SettingsBuild::Normal)), shippedBytes);
    struct stat info {};
    ASSERT_EQ(::stat(paths_.configFolder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    OptaraModel again(paths_);
    ASSERT_EQ(again.Open(warnings_), SettingsStatus::Ok);
    EXPECT_EQ(again.SourceOf(SettingsBuild::Normal), paths_.configFolder / "morva2.cfh");
    EXPECT_EQ(again.FrameRateIndex(), 4);
}

TEST_F(OptaraInstalledTest, DamagedShippedFileIsLeftAloneAndTheDefaultsGoToTheUser) {
    shipped_.WriteRaw(SettingsBuild::Normal, "ABC\r\n");
    OptaraModel model(paths_);
    ASSERT_EQ(model.Open(warnings_), SettingsStatus::TooShort);
    ASSERT_EQ(model.CreateDefaultFile(SettingsBuild::Normal), SettingsStatus::Ok);
    EXPECT_EQ(shipped_.Contents(shipped_.FileOf(SettingsBuild::Normal)), "ABC\r\n");
    EXPECT_FALSE(fs::exists(shipped_.Path() / "morva2.cfh.bak"));
    EXPECT_FALSE(fs::exists(model.BackupOf(SettingsBuild::Normal)));
    EXPECT_EQ(model.KeyTable(), DefaultKeyTable());
    GameSettings game;
    EXPECT_EQ(ReadGameSettings(paths_.configFolder / "morva2.cfh", game, warnings_),
              SettingsStatus::Ok);
}

TEST_F(OptaraInstalledTest, DamagedShippedFileIsOfferedAsANewCopyWithoutABackup) {
    shipped_.WriteRaw(SettingsBuild::Normal, "ABC\r\n");
    const Question offer = AcceptedOfferOnOpening();
    ASSERT_FALSE(offer.choices.empty());
    EXPECT_EQ(offer.choices[0], "作成する");
    EXPECT_EQ(offer.text.find(".bak"), std::string::npos);
    EXPECT_NE(offer.text.find(shipped_.FileOf(SettingsBuild::Normal).string()), std::string::npos)
        << "the message names the file that was read";
}

TEST_F(OptaraInstalledTest, DamagedUsersCopyIsRebuiltKeepingABackup) {
    shipped_.WriteSettings(SettingsBuild::Normal, 65, 2, 1);
    std::string error;
    ASSERT_TRUE(MakeUserFolder(paths_.configFolder, error)) << error;
    std::ofstream(paths_.configFolder / "morva2.cfh", std::ios::binary) << "ABC\r\n";
    const Question offer = AcceptedOfferOnOpening();
    ASSERT_FALSE(offer.choices.empty());
    EXPECT_EQ(offer.choices[0], "作り直す");
    EXPECT_EQ(shipped_.Contents(paths_.configFolder / "morva2.cfh.bak"), "ABC\r\n");
}

TEST_F(OptaraInstalledTest, ConfigurationFolderThatCannotBeMadeFailsTheSave) {
    shipped_.WriteSettings(SettingsBuild::Normal, 65, 2, 1);
    fs::create_directories(paths_.configFolder.parent_path());
    std::ofstream(paths_.configFolder) << "a file where the folder belongs";
    OptaraModel model(paths_);
    ASSERT_EQ(model.Open(warnings_), SettingsStatus::Ok);
    model.SetFrameRateIndex(4);
    EXPECT_EQ(model.Save(SettingsBuild::Normal), SettingsStatus::WriteFailed);
    EXPECT_TRUE(model.HasUnsavedChanges(SettingsBuild::Normal));
}

}  // namespace
}  // namespace tarn::optara
