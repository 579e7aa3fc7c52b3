#include "tests/support/ChildProcesses.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace dorvak {
namespace {

struct ProcessStatus {
    pid_t parent = 0;
    char state = 0;
    std::string program;
};

// From /proc/<pid>/stat: "pid (program) state parent ...", the program possibly holding blanks
// and parentheses itself.
bool readStatus(pid_t pid, ProcessStatus& status) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(file, line))
        return false;
    const auto open = line.find('(');
    const auto close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return false;
    status.program = line.substr(open + 1, close - open - 1);
    std::istringstream rest(line.substr(close + 1));
    return static_cast<bool>(rest >> status.state >> status.parent);
}

} // namespace

std::vector<ChildProcess> descendantsOfThisProcess() {
    std::map<pid_t, ProcessStatus> all;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        ProcessStatus status;
        if (readStatus(std::stoi(name), status))
            all.emplace(std::stoi(name), status);
    }
    std::vector<ChildProcess> found;
    std::vector<pid_t> parents{getpid()};
    while (!parents.empty()) {
        const pid_t parent = parents.back();
        parents.pop_back();
        for (const auto& [pid, status] : all)
            if (status.parent == parent) {
                found.push_back({pid, status.program});
                parents.push_back(pid);
            }
    }
    return found;
}

bool isRunning(pid_t pid) {
    ProcessStatus status;
    return readStatus(pid, status) && status.state != 'Z' && status.state != 'X';
}

} // namespace dorvak
