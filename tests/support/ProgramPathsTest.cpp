// The portable-or-installed decision, the per-user folders and the stage folder list.
#include "support/ProgramPaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;
using testing::WriteFile;

unsigned ModeOf(const fs::path& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

FolderEnvironment HomeOnly(const fs::path& home) {
    FolderEnvironment environment;
    environment.home = home.string();
    environment.temporary = home / "tmp";
    environment.userId = 1234;
    return environment;
}

TEST(PortablePaths, EverythingStaysInTheOneFolder) {
    const ProgramPaths paths = PortablePaths("/games/tarn2");
    EXPECT_FALSE(paths.Installed());
    EXPECT_EQ(paths.configFolder, "/games/tarn2");
    EXPECT_EQ(paths.dataFolder, "/games/tarn2");
    EXPECT_EQ(paths.workFolder, "/games/tarn2/temp");
    EXPECT_EQ(paths.UserStageRoot(), "/games/tarn2/data");
    EXPECT_EQ(paths.StageFolderRoots(), std::vector<fs::path>{"/games/tarn2/data"});
}

TEST(InstalledPaths, XdgVariablesNameTheUsersFolders) {
    FolderEnvironment environment = HomeOnly("/home/ann");
    environment.xdgConfigHome = "/cfg";
    environment.xdgDataHome = "/dat";
    environment.xdgRuntimeDir = "/run/user/1234";
    std::string error;
    const auto paths = InstalledPaths("/usr/lib/tarn2", environment, error);
    ASSERT_TRUE(paths) << error;
    EXPECT_TRUE(paths->Installed());
    EXPECT_EQ(paths->programFolder, "/usr/lib/tarn2");
    EXPECT_EQ(paths->configFolder, "/cfg/tarn2");
    EXPECT_EQ(paths->dataFolder, "/dat/tarn2");
    EXPECT_EQ(paths->workFolder, "/run/user/1234/tarn2");
    EXPECT_EQ(paths->StageFolderRoots(),
              (std::vector<fs::path>{"/usr/lib/tarn2/data", "/dat/tarn2/data"}));
}

TEST(InstalledPaths, UnsetOrRelativeVariablesFallBackBelowTheHomeFolder) {
    FolderEnvironment environment = HomeOnly("/home/ann");
    environment.xdgConfigHome = "relative/config";  // not absolute: ignored
    std::string error;
    const auto paths = InstalledPaths("/opt/tarn2/lib/tarn2", environment, error);
    ASSERT_TRUE(paths) << error;
    EXPECT_EQ(paths->configFolder, "/home/ann/.config/tarn2");
    EXPECT_EQ(paths->dataFolder, "/home/ann/.local/share/tarn2");
    EXPECT_EQ(paths->UserStageRoot(), "/home/ann/.local/share/tarn2/data");
}

TEST(InstalledPaths, WithoutARuntimeFolderWorkFilesGoToAFolderOfTheUsersInTemporary) {
    std::string error;
    const auto paths = InstalledPaths("/usr/lib/tarn2", HomeOnly("/home/ann"), error);
    ASSERT_TRUE(paths) << error;
    EXPECT_EQ(paths->workFolder, "/home/ann/tmp/tarn2-1234");
}

TEST(InstalledPaths, NoHomeAndNoVariablesIsAnError) {
    FolderEnvironment environment;
    environment.xdgConfigHome = "/cfg";  // the data folder is still unknown
    std::string error;
    EXPECT_FALSE(InstalledPaths("/usr/lib/tarn2", environment, error));
    EXPECT_NE(error.find("HOME"), std::string::npos);
}

TEST(ChooseProgramPaths, RootIsPortableEvenWhenMarkedInstalled) {
    ScratchDir dir;
    WriteFile(dir / kInstallMarker, "");
    std::string error;
    const auto paths = ChooseProgramPaths(dir.path(), "/elsewhere", HomeOnly("/home/ann"), error);
    ASSERT_TRUE(paths);
    EXPECT_FALSE(paths->Installed());
    EXPECT_EQ(paths->programFolder, dir.path());
}

TEST(ChooseProgramPaths, WritableFolderWithoutMarkerIsPortable) {
    ScratchDir dir;
    std::string error;
    const auto paths = ChooseProgramPaths({}, dir.path(), HomeOnly("/home/ann"), error);
    ASSERT_TRUE(paths);
    EXPECT_FALSE(paths->Installed());
    EXPECT_EQ(paths->configFolder, dir.path());
}

TEST(ChooseProgramPaths, InstallMarkerMakesEvenAWritableFolderAnInstall) {
    ScratchDir dir;
    WriteFile(dir / kInstallMarker, "");
    std::string error;
    const auto paths = ChooseProgramPaths({}, dir.path(), HomeOnly("/home/ann"), error);
    ASSERT_TRUE(paths);
    EXPECT_TRUE(paths->Installed());
    EXPECT_EQ(paths->programFolder, dir.path());
    EXPECT_EQ(paths->configFolder, "/home/ann/.config/tarn2");
}

TEST(ChooseProgramPaths, ReadOnlyFolderIsAnInstall) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write anywhere; the install tests run this as another user";
    }
    ScratchDir dir;
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    std::string error;
    const auto paths = ChooseProgramPaths({}, dir.path(), HomeOnly("/home/ann"), error);
    ASSERT_TRUE(paths);
    EXPECT_TRUE(paths->Installed());
}

TEST(ConfigFileToRead, TheUsersCopyWinsOverTheShippedFile) {
    ScratchDir dir;
    std::string error;
    auto paths = InstalledPaths(dir / "program", HomeOnly(dir.path()), error);
    ASSERT_TRUE(paths);
    EXPECT_EQ(paths->ConfigFileToRead("morva2.cfh"), dir / "program" / "morva2.cfh");
    ASSERT_TRUE(MakeUserFolder(paths->configFolder, error)) << error;
    WriteFile(paths->configFolder / "morva2.cfh", "mine");
    EXPECT_EQ(paths->ConfigFileToRead("morva2.cfh"), paths->configFolder / "morva2.cfh");
    // Whatever holds the name is the user's: reading it tells what is wrong with it.
    fs::create_symlink(dir / "nowhere", paths->configFolder / "morva2.cf");
    EXPECT_EQ(paths->ConfigFileToRead("morva2.cf"), paths->configFolder / "morva2.cf");
}

TEST(ListStageFolders, EachRootInTurnSortedWithinFilesAndMissingRootsSkipped) {
    ScratchDir dir;
    for (const char* folder : {"shipped/b", "shipped/a", "user/c", "user/a"}) {
        fs::create_directories(dir / folder);
    }
    WriteFile(dir / "shipped" / "notes.txt", "not a folder");
    const auto folders = ListStageFolders({dir / "shipped", dir / "missing", dir / "user"});
    ASSERT_EQ(folders.size(), 4u);
    EXPECT_EQ(folders[0], dir / "shipped" / "a" / "");
    EXPECT_EQ(folders[1], dir / "shipped" / "b" / "");
    EXPECT_EQ(folders[2], dir / "user" / "a" / "");
    EXPECT_EQ(folders[3], dir / "user" / "c" / "");
}

TEST(MakeUserFolder, NewFoldersAreTheUsersAlone) {
    ScratchDir dir;
    std::string error;
    ASSERT_TRUE(MakeUserFolder(dir / "config" / "tarn2" / "", error)) << error;
    EXPECT_EQ(ModeOf(dir / "config"), 0700u);
    EXPECT_EQ(ModeOf(dir / "config" / "tarn2"), 0700u);
    // An existing folder is used as it is.
    fs::permissions(dir / "config", fs::perms(0755));
    EXPECT_TRUE(MakeUserFolder(dir / "config" / "tarn2", error));
    EXPECT_EQ(ModeOf(dir / "config"), 0755u);
}

TEST(MakeUserFolder, FileInTheWayIsReported) {
    ScratchDir dir;
    WriteFile(dir / "config", "a file");
    std::string error;
    EXPECT_FALSE(MakeUserFolder(dir / "config" / "tarn2", error));
    EXPECT_NE(error.find((dir / "config").string()), std::string::npos) << error;
}

TEST(PrepareWorkFolder, MakesAPrivateFolderInTheSharedTemporaryFolder) {
    ScratchDir dir;
    std::string error;
    const auto paths = InstalledPaths("/usr/lib/tarn2", HomeOnly(dir.path()), error);
    ASSERT_TRUE(paths);
    ASSERT_TRUE(PrepareWorkFolder(*paths, error)) << error;
    EXPECT_EQ(ModeOf(paths->workFolder), 0700u);
    EXPECT_TRUE(PrepareWorkFolder(*paths, error)) << "an existing private folder serves again";
}

TEST(PrepareWorkFolder, RefusesAFolderOthersMayEnterOrALink) {
    ScratchDir dir;
    std::string error;
    const auto paths = InstalledPaths("/usr/lib/tarn2", HomeOnly(dir.path()), error);
    ASSERT_TRUE(paths);
    fs::create_directories(paths->workFolder);
    fs::permissions(paths->workFolder, fs::perms(0777));
    EXPECT_FALSE(PrepareWorkFolder(*paths, error));
    EXPECT_NE(error.find("not a private folder"), std::string::npos) << error;

    fs::remove(paths->workFolder);
    fs::create_directories(dir / "planted");
    fs::permissions(dir / "planted", fs::perms(0700));
    fs::create_directory_symlink(dir / "planted", paths->workFolder);
    EXPECT_FALSE(PrepareWorkFolder(*paths, error));
}

TEST(PrepareWorkFolder, PortableWorkFolderIsTheProgramFoldersTemp) {
    ScratchDir dir;
    std::string error;
    ASSERT_TRUE(PrepareWorkFolder(PortablePaths(dir.path()), error)) << error;
    EXPECT_TRUE(fs::is_directory(dir / "temp"));
}

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
    const fs::path folder = ExecutableFolder(nullptr);
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(fs::exists(folder / "support_tests"));
}

}  // namespace
}  // namespace tarn
