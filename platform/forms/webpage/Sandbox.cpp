#include "platform/forms/webpage/Sandbox.h"

#include <QByteArray>
#include <cstdio>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dorvak {
namespace {

// Containers and hardened kernels may refuse user namespaces. Try in a throw-away child so that
// this process stays as it is.
bool userNamespacesWork() {
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
        _exit(unshare(CLONE_NEWUSER) == 0 ? 0 : 1);
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Why the sandbox cannot run here; null where it can.
const char* sandboxUnavailableReason() {
    if (geteuid() == 0)
        return "Dorvak: Web sayfası korumalı alan (sandbox) olmadan açılıyor, çünkü program "
               "root olarak çalışıyor; tarayıcı motorunun korumalı alanı root için çalışmaz.\n";
    if (!userNamespacesWork())
        return "Dorvak: Web sayfası korumalı alan (sandbox) olmadan açılıyor, çünkü bu sistem "
               "kullanıcı ad alanlarına (user namespaces) izin vermiyor.\n";
    return nullptr;
}

} // namespace

void switchSandboxOffWhereItCannotRun() {
    static constexpr char setting[] = "QTWEBENGINE_DISABLE_SANDBOX";
    // Switched off by the user: the engine says so itself.
    if (qEnvironmentVariableIsSet(setting))
        return;
    if (const char* reason = sandboxUnavailableReason()) {
        std::fputs(reason, stderr);
        qputenv(setting, "1");
    }
}

} // namespace dorvak
