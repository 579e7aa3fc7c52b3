#include "platform/forms/PageHostProcess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace dorvak {
namespace {

// How long a host may take to end once its channel is closed.
constexpr int endingBoundMilliseconds = 5000;

} // namespace

std::unique_ptr<PageHostProcess> PageHostProcess::start(qreal devicePixelRatio) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/dorvak-page");
    if (!QFileInfo(program).isExecutable())
        return nullptr;
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return nullptr;
    const int ours = ends[0];
    const int hosts = ends[1];

    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments({QString::number(hosts)});
    // The host's screen is off the screen and 1× of its own: the scale factor alone gives it the
    // program's ratio, however the program's screen came by it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(devicePixelRatio));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    // Only the host's end is handed down, and only to the host.
    process->setChildProcessModifier([hosts] { fcntl(hosts, F_SETFD, 0); });
    process->start();
    close(hosts);
    if (!process->waitForStarted()) {
        close(ours);
        return nullptr;
    }
    return std::unique_ptr<PageHostProcess>(new PageHostProcess(std::move(process), ours));
}

PageHostProcess::PageHostProcess(std::unique_ptr<QProcess> process, qintptr socket)
    : process_(std::move(process))
    , channel_(std::make_unique<PageChannel>(socket)) {
    connect(channel_.get(), &PageChannel::received, this, &PageHostProcess::received);
    connect(process_.get(), &QProcess::finished, this, &PageHostProcess::end);
    connect(channel_.get(), &PageChannel::closed, this, &PageHostProcess::end);
}

void PageHostProcess::end() {
    if (std::exchange(ended_, true))
        return;
    emit ended();
}

PageHostProcess::~PageHostProcess() {
    // Closing the channel reports it closed; nobody may hear of an end while the owner is
    // going away.
    process_->disconnect(this);
    channel_->disconnect(this);
    channel_.reset();
    if (process_->state() == QProcess::NotRunning)
        return;
    // The application takes the process over: it goes once it has ended, killed when the bound
    // has passed, or when the application quits first.
    QProcess* ending = process_.release();
    ending->setParent(QCoreApplication::instance());
    connect(ending, &QProcess::finished, ending, &QObject::deleteLater);
    QTimer::singleShot(endingBoundMilliseconds, ending, &QProcess::kill);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, ending, [ending] {
        ending->kill();
        ending->waitForFinished();
    });
}

} // namespace dorvak
