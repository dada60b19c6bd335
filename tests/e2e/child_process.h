// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace corvane::e2e {

// The result of a program run to its end.
struct Finished {
    int exit = -1; // exit status, or minus the signal that ended it
    std::string out;
    std::string err;
};

// Runs a program to its end with `input` on its standard input, collecting both output streams.
Finished RunProgram(const std::vector<std::string>& argv, const std::string& input = {});

// A program that keeps running (the simulator, or a tool that is to be interrupted): its standard output is
// read line by line on a thread of its own, and callers wait for a line to appear.
class RunningProgram {
public:
    explicit RunningProgram(const std::vector<std::string>& argv, const std::string& input = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // True once `text` has appeared `count` times in the output; false when the program ended first.
    bool WaitForLine(const std::string& text, int count = 1);
    int CountOf(const std::string& text);
    void Signal(int signal) const;
    // Waits for the end; the exit status as Finished has it.
    int Wait();
    std::string Output();

private:
    pid_t pid_ = -1;
    int exit_ = -1;
    std::thread reader_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string output_;
    bool ended_ = false;
};

} // namespace corvane::e2e
