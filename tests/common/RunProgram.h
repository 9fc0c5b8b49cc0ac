// Runs a built program as a child process for a test: arguments passed as bytes (so paths
// that are no UTF-8 reach it unchanged), both outputs captured up to a bound, and a time
// limit after which the child is killed, so a program that hangs fails its test instead
// of stalling the suite.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace tarn::testing {

struct ProgramRun {
    int status = -1;           // exit status, or -1 when killed by a signal
    bool timedOut = false;     // killed at the time limit
    std::string out;           // the first maxCaptured bytes of standard output
    std::string err;           // the same of standard error
    std::size_t outBytes = 0;  // everything the program wrote to standard output
    std::size_t errBytes = 0;
};

// The folder of the built programs (TARN_PROGRAM_DIR), with a program's name.
inline std::filesystem::path ProgramPath(const std::string& name) {
    const char* dir = std::getenv("TARN_PROGRAM_DIR");
    return std::filesystem::path(dir ? dir : ".") / name;
}

// Starts the program with the arguments and the outputs on pipes; the child's pid, or -1.
inline pid_t SpawnProgram(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments, int& outFd, int& errFd) {
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        return -1;
    }
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    outFd = out[0];
    errFd = err[0];
    return pid;
}

inline ProgramRun RunProgram(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments, int timeLimitSeconds = 120,
                             std::size_t maxCaptured = 1 << 20) {
    ProgramRun run;
    int outFd = -1;
    int errFd = -1;
    const pid_t pid = SpawnProgram(program, arguments, outFd, errFd);
    if (pid < 0) {
        return run;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeLimitSeconds);
    struct Stream {
        int fd;
        std::string* captured;
        std::size_t* total;
    };
    Stream streams[] = {{outFd, &run.out, &run.outBytes}, {errFd, &run.err, &run.errBytes}};
    char chunk[65536];
    while (streams[0].fd >= 0 || streams[1].fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        pollfd fds[2] = {{streams[0].fd, POLLIN, 0}, {streams[1].fd, POLLIN, 0}};
        if (::poll(fds, 2, static_cast<int>(left.count())) < 0) {
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if (streams[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(streams[i].fd, chunk, sizeof chunk);
            if (got <= 0) {
                ::close(streams[i].fd);
                streams[i].fd = -1;
                continue;
            }
            *streams[i].total += static_cast<std::size_t>(got);
            const std::size_t room =
                maxCaptured - std::min(maxCaptured, streams[i].captured->size());
            streams[i].captured->append(chunk, std::min(room, static_cast<std::size_t>(got)));
        }
    }
    for (const Stream& stream : streams) {
        if (stream.fd >= 0) {
            ::close(stream.fd);
        }
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace tarn::testing
