#include "rigctld.h"

#include <QElapsedTimer>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// A port the system has just handed out and taken back.
int freePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(0);
    socklen_t size = sizeof a;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}

bool accepts(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = loopback(port);
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

} // namespace

Rigctld::Rigctld() : m_port(freePort()) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    // A test that dies takes its radio along: a rigctld left behind would hold the test
    // runner's output open and keep it waiting.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

Rigctld::~Rigctld() {
    stop();
}

bool Rigctld::start() {
    m_process.start("rigctld", {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(m_port)});
    if (!m_process.waitForStarted(5000))
        return false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        if (accepts(m_port))
            return true;
        QThread::msleep(10);
    }
    return false;
}

void Rigctld::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool Rigctld::set(const QStringList& command) const {
    QProcess rigctl;
    rigctl.setStandardOutputFile(QProcess::nullDevice());
    rigctl.setStandardErrorFile(QProcess::nullDevice());
    rigctl.start("rigctl", QStringList{"-m", "2", "-r", address()} + command);
    return rigctl.waitForFinished(5000) && rigctl.exitStatus() == QProcess::NormalExit &&
           rigctl.exitCode() == 0;
}

QString Rigctld::address() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}
