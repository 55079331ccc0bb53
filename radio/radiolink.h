#pragma once
#include "radiosettings.h"

#include <QObject>
#include <QThread>

class HamlibRig;
class QTimer;
class RadioPoller;

// The transceiver read off the interface thread: a poller in a thread of its own reports what
// changes. The link reconnects on its own after a loss. Creating one is what opens Hamlib.
class RadioLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 250;

    explicit RadioLink(const RadioSettings& settings, QObject* parent = nullptr);
    ~RadioLink() override;

signals:
    // The first reading after (re)connection, then every change.
    void radioRead(qint64 hz, const QString& hamlibMode);
    // Once per loss, until the radio answers again.
    void linkLost(const QString& reason);

private:
    QThread m_thread;
    RadioPoller* m_poller = nullptr;
};

// Lives in the link's thread; owns the Hamlib connection.
class RadioPoller : public QObject {
    Q_OBJECT
public:
    explicit RadioPoller(const RadioSettings& settings);
    ~RadioPoller() override;

    void start();
    void stop();

signals:
    void radioRead(qint64 hz, const QString& hamlibMode);
    void linkLost(const QString& reason);

private:
    void poll();
    void lose(const QString& reason);

    RadioSettings m_settings;
    HamlibRig* m_rig = nullptr;
    QTimer* m_timer = nullptr;
    bool m_lost = false;
    int m_waitTicks = 0;
    qint64 m_lastHz = -1;
    QString m_lastMode;
};
