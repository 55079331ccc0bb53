#include "rigctld.h"

#include <QDeadlineTimer>
#include <QThread>

#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

Rigctld::Rigctld() {
    // A port the system has just handed out and taken back.
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        m_port = ntohs(a.sin_port);
    close(s);
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
    // Up once it answers a question.
    for (QDeadlineTimer deadline(5000); !deadline.hasExpired(); QThread::msleep(10)) {
        if (set({"f"}))
            return true;
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
