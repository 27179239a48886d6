// Runs the batch program for the end-to-end tests, and the project files
// they share.
#pragma once
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "support/test_support.h"

extern char** environ;

namespace vesk::clitest {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs vesk-cli with an argument list (no shell); stdout and stderr go to
// files of `dir`.
inline RunResult RunCli(const test::TempDir& dir, const std::vector<std::string>& args) {
    const std::string outPath = dir.file("stdout.txt");
    const std::string errPath = dir.file("stderr.txt");
    std::vector<std::string> argv = {VESK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargs;
    for (std::string& a : argv) cargs.push_back(a.data());
    cargs.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    RunResult result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cargs[0], &actions, nullptr, cargs.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return result;
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.out = test::ReadTextFile(outPath);
    result.err = test::ReadTextFile(errPath);
    return result;
}

// The text of a project file: each line ends in CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A metric project holding both methods, as the program saves it.
inline const std::vector<std::string> kMetricProject = {"Vesk_103",
                                                        " 1 ",
                                                        "Title",
                                                        "##StartDesc##",
                                                        "##EndDesc##",
                                                        "##Vesk START##",
                                                        " 0 ",
                                                        " 0 ",
                                                        " 0 ",
                                                        "30.48",
                                                        "1.8",
                                                        "150",
                                                        "0",
                                                        "0",
                                                        "0",
                                                        " 0 ",
                                                        "55",
                                                        "20",
                                                        "##Vesk END##",
                                                        "##Kavo START##",
                                                        "2.1",
                                                        "152.4",
                                                        "250",
                                                        "6",
                                                        "30",
                                                        " 3 ",
                                                        "24",
                                                        "31.25",
                                                        "6.205283",
                                                        "21",
                                                        "25.44648",
                                                        "1.3",
                                                        "1.3",
                                                        "1.3",
                                                        "45",
                                                        " 0 ",
                                                        " 0 ",
                                                        "0",
                                                        " 0 ",
                                                        "90",
                                                        "30",
                                                        "90",
                                                        "30",
                                                        "##Kavo END##",
                                                        "##Ondar START##",
                                                        "2.4",
                                                        "300",
                                                        "90",
                                                        "6",
                                                        "24.4",
                                                        " 2 ",
                                                        "24.4",
                                                        "6.20528317809783",
                                                        "25.446482633743",
                                                        "45.72",
                                                        " 1 ",
                                                        "0.86",
                                                        " 1 ",
                                                        " 1 ",
                                                        "150",
                                                        "21",
                                                        "0",
                                                        "21",
                                                        "0",
                                                        "0",
                                                        "0",
                                                        "21",
                                                        "0",
                                                        "0",
                                                        " 0 ",
                                                        " 1 ",
                                                        " 0 ",
                                                        " 0 ",
                                                        "0",
                                                        "0",
                                                        "##Ondar END##"};

}  // namespace vesk::clitest
