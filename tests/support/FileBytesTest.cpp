// Bounded file reading and atomic file replacement.
#include "support/FileBytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;

int EntriesIn(const std::filesystem::path& folder) {
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++entries;
    }
    return entries;
}

unsigned ModeOf(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

TEST(ReadFileBytes, ReadsTheWholeFileUpToTheBound) {
    ScratchDir dir;
    WriteFile(dir / "f", std::string("a\0b", 3));
    std::string bytes;
    ASSERT_EQ(ReadFileBytes(dir / "f", bytes, 3), FileStatus::Ok);
    EXPECT_EQ(bytes, std::string("a\0b", 3));
}

TEST(ReadFileBytes, FileAboveTheBoundIsRefused) {
    ScratchDir dir;
    WriteFile(dir / "f", "abcd");
    std::string bytes = "stale";
    EXPECT_EQ(ReadFileBytes(dir / "f", bytes, 3), FileStatus::TooLarge);
    EXPECT_EQ(bytes, "");
}

TEST(ReadFileBytes, MissingFileFolderAndPipeAreTold) {
    ScratchDir dir;
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(dir / "none", bytes, 100), FileStatus::NotFound);
    EXPECT_EQ(ReadFileBytes(dir.path(), bytes, 100), FileStatus::NotAFile);
    // Opening a pipe that nobody writes to would block.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(dir / "pipe", bytes, 100), FileStatus::NotAFile);
}

TEST(WriteFileAtomically, ReplacesTheFileAndLeavesNothingElse) {
    ScratchDir dir;
    WriteFile(dir / "f", std::string(100, 'x'));
    ASSERT_EQ(WriteFileAtomically(dir / "f", "new"), FileStatus::Ok);
    EXPECT_EQ(ReadFile(dir / "f"), "new");
    EXPECT_EQ(EntriesIn(dir.path()), 1);
}

TEST(WriteFileAtomically, NameOfTheLongestLengthCanBeWritten) {
    ScratchDir dir;
    const std::string name(255, 'n');
    ASSERT_EQ(WriteFileAtomically(dir / name, "new"), FileStatus::Ok);
    EXPECT_EQ(ReadFile(dir / name), "new");
    EXPECT_EQ(EntriesIn(dir.path()), 1);
}

TEST(WriteFileAtomically, ReplacedFileKeepsItsPermissions) {
    ScratchDir dir;
    WriteFile(dir / "f", "old");
    ASSERT_EQ(::chmod((dir / "f").c_str(), 0604), 0);
    ASSERT_EQ(WriteFileAtomically(dir / "f", "new"), FileStatus::Ok);
    EXPECT_EQ(ModeOf(dir / "f"), 0604u);
}

TEST(WriteFileAtomically, NewFileIsReadableByOthersAsUsual) {
    ScratchDir dir;
    const mode_t previous = ::umask(022);
    const FileStatus status = WriteFileAtomically(dir / "f", "new");
    ::umask(previous);
    ASSERT_EQ(status, FileStatus::Ok);
    EXPECT_EQ(ModeOf(dir / "f"), 0644u);
}

TEST(WriteFileAtomically, SymbolicLinkIsFollowedAndKept) {
    ScratchDir dir;
    WriteFile(dir / "real", "old");
    std::filesystem::create_symlink(dir / "real", dir / "link");
    ASSERT_EQ(WriteFileAtomically(dir / "link", "new"), FileStatus::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
    EXPECT_EQ(ReadFile(dir / "real"), "new");
}

TEST(WriteFileAtomically, FolderInThePlaceOfTheFileFailsAndLeavesNothing) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / "f");
    EXPECT_EQ(WriteFileAtomically(dir / "f", "new"), FileStatus::NotAFile);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "f"));
    EXPECT_EQ(EntriesIn(dir.path()), 1);
}

TEST(WriteFileAtomically, MissingFolderFails) {
    ScratchDir dir;
    EXPECT_EQ(WriteFileAtomically(dir / "none" / "f", "new"), FileStatus::WriteFailed);
}

}  // namespace
}  // namespace tarn
