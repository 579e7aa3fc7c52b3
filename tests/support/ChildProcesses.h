#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace dorvak {

// The processes this test program has started, theirs in turn, and so on, as /proc lists them
// now, with the program each runs.
struct ChildProcess {
    pid_t pid;
    std::string program; // the kernel's short name: at most 15 characters
};
std::vector<ChildProcess> descendantsOfThisProcess();

// Whether the process still runs: neither gone nor a zombie waiting to be reaped.
bool isRunning(pid_t pid);

} // namespace dorvak
