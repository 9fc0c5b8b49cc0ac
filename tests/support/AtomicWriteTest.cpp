// Atomic file replacement: read-only files are kept, the system's reason reaches the caller,
// and writers killed at any point leave nothing that outlives the next write.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "support/FileBytes.h"
#include "support/FileWords.h"
#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::NamesIn;
using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;

// The pid of a process that has ended and been reaped.
pid_t GonePid() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(AtomicWriteProtection, ReadOnlyFileIsLeftAsItWasAndTheReasonIsTold) {
    ScratchDir dir;
    WriteFile(dir / "f", "old");
    ASSERT_EQ(::chmod((dir / "f").c_str(), 0444), 0);
    FileReason why;
    EXPECT_EQ(WriteFileAtomically(dir / "f", "new", &why), FileStatus::WriteProtected);
    EXPECT_EQ(ReadFile(dir / "f"), "old");
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"f"});
    EXPECT_EQ(DescribeFile(FileStatus::WriteProtected, why),
              "read-only (no write permission); left as it was");
    EXPECT_NE(DescribeFileJa(FileStatus::WriteProtected, why).find("読み取り専用"),
              std::string::npos);
}

TEST(AtomicWriteProtection, ReadOnlyTargetOfALinkIsLeftAsItWas) {
    ScratchDir dir;
    WriteFile(dir / "real", "old");
    ASSERT_EQ(::chmod((dir / "real").c_str(), 0400), 0);
    std::filesystem::create_symlink(dir / "real", dir / "link");
    EXPECT_EQ(WriteFileAtomically(dir / "link", "new"), FileStatus::WriteProtected);
    EXPECT_EQ(ReadFile(dir / "real"), "old");
}

TEST(AtomicWriteProtection, FileWritableByItsGroupOnlyIsStillReplaced) {
    ScratchDir dir;
    WriteFile(dir / "f", "old");
    ASSERT_EQ(::chmod((dir / "f").c_str(), 0464), 0);
    // Root may write it; a user of the group may too: it is not protected for everyone.
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can write a file whose owner may not";
    }
    EXPECT_EQ(WriteFileAtomically(dir / "f", "new"), FileStatus::Ok);
    EXPECT_EQ(ReadFile(dir / "f"), "new");
}

TEST(AtomicWriteReasons, MissingFolderTellsTheSystemsReason) {
    ScratchDir dir;
    FileReason why;
    EXPECT_EQ(WriteFileAtomically(dir / "none" / "f", "new", &why), FileStatus::WriteFailed);
    EXPECT_EQ(why.error, std::errc::no_such_file_or_directory);
    EXPECT_EQ(DescribeFileJa(FileStatus::WriteFailed, why),
              "書き込めません（ファイルまたはフォルダが見つかりません）");
}

TEST(AtomicWriteReasons, FullDiskTellsTheReasonAndKeepsTheOldFile) {
    ScratchDir dir;
    WriteFile(dir / "f", "old");
    for (const TemporaryFile kind : {TemporaryFile::Unnamed, TemporaryFile::Named}) {
        const pid_t child = ::fork();
        if (child == 0) {
            // A file size limit fails the write as a full disk does, without filling one.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1000, 1000};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            FileReason why;
            const FileStatus status =
                WriteFileAtomically(dir / "f", std::string(5000, 'n'), &why, kind);
            ::_exit(status == FileStatus::WriteFailed && why.error == std::errc::file_too_large
                        ? 0
                        : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(ReadFile(dir / "f"), "old");
        EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"f"});
    }
}

TEST(AtomicWriteTemporaryFiles, NamedTemporaryFileWritesAndLeavesNothing) {
    ScratchDir dir;
    WriteFile(dir / "f", "old");
    ASSERT_EQ(WriteFileAtomically(dir / "f", "new", nullptr, TemporaryFile::Named), FileStatus::Ok);
    EXPECT_EQ(ReadFile(dir / "f"), "new");
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"f"});
}

TEST(AtomicWriteTemporaryFiles, LeftoverOfAWriterThatIsGoneIsRemoved) {
    ScratchDir dir;
    const std::string leftover = ".f." + std::to_string(GonePid()) + "-42.tmp";
    WriteFile(dir / leftover, "half");
    WriteFile(dir / ".g.1-1.tmp", "another file's");
    ASSERT_EQ(WriteFileAtomically(dir / "f", "new"), FileStatus::Ok);
    EXPECT_EQ(NamesIn(dir.path()), (std::vector<std::string>{".g.1-1.tmp", "f"}));
}

TEST(AtomicWriteTemporaryFiles, TemporaryFileOfALivingWriterIsKept) {
    ScratchDir dir;
    // This process's own name, locked as a writer holds it.
    const std::string busy = ".f." + std::to_string(::getpid()) + "-7.tmp";
    WriteFile(dir / busy, "in progress");
    const int fd = ::open((dir / busy).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    ASSERT_EQ(WriteFileAtomically(dir / "f", "new"), FileStatus::Ok);
    ::close(fd);
    EXPECT_EQ(NamesIn(dir.path()), (std::vector<std::string>{busy, "f"}));
}

TEST(AtomicWriteTemporaryFiles, OldUnlockedLeftoverIsRemovedAndARecentOneKept) {
    ScratchDir dir;
    WriteFile(dir / ".f.123456.tmp", "old leftover");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(dir / ".f.123456.tmp", old);
    WriteFile(dir / ".f.654321.tmp", "just written");
    ASSERT_EQ(WriteFileAtomically(dir / "f", "new"), FileStatus::Ok);
    EXPECT_EQ(NamesIn(dir.path()), (std::vector<std::string>{".f.654321.tmp", "f"}));
}

// Kills writers at random points of their write; afterwards the file is whole (old or
// new) and, once the next write is done, nothing else is in the folder.
void KillWritersAtRandom(TemporaryFile kind, int kills) {
    ScratchDir dir;
    const std::string before(1 << 20, 'o');
    const std::string after(1 << 20, 'n');
    WriteFile(dir / "f", before);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delay(0, 4000);
    for (int i = 0; i < kills; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            (void)WriteFileAtomically(dir / "f", after, nullptr, kind);
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string now = ReadFile(dir / "f");
        ASSERT_TRUE(now == before || now == after) << "torn after kill " << i;
    }
    ASSERT_EQ(WriteFileAtomically(dir / "f", "last", nullptr, kind), FileStatus::Ok);
    EXPECT_EQ(ReadFile(dir / "f"), "last");
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"f"});
}

TEST(AtomicWriteTemporaryFiles, KilledWritersLeaveNothingAfterTheNextWrite) {
    KillWritersAtRandom(TemporaryFile::Unnamed, 40);
}

TEST(AtomicWriteTemporaryFiles, KilledWritersOfNamedFilesLeaveNothingAfterTheNextWrite) {
    KillWritersAtRandom(TemporaryFile::Named, 40);
}

}  // namespace
}  // namespace tarn
