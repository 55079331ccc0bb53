#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

// Hamlib's rigctld with its dummy radio on a free port of 127.0.0.1, and Hamlib's rigctl to
// turn its dial.
class Rigctld {
public:
    Rigctld();
    ~Rigctld();
    Rigctld(const Rigctld&) = delete;
    Rigctld& operator=(const Rigctld&) = delete;

    // Starts it on its port and waits (bounded) until it takes connections.
    bool start();
    void stop();
    // rigctl's command on the dummy radio, e.g. {"F", "14200000"}; true when it answered.
    bool set(const QStringList& command) const;
    // host:port for the network model.
    QString address() const;

private:
    int m_port = 0;
    QProcess m_process;
};
