#include "radiolink.h"

#include "hamlibrig.h"

#include <QTimer>

namespace {
// A radio that does not answer is tried again after this many polls.
constexpr int kRetryTicks = 4;
} // namespace

RadioLink::RadioLink(const RadioSettings& settings, QObject* parent) : QObject(parent) {
    // Hamlib's one-time set-up changes the C locale: done here, before any other thread runs.
    HamlibRig::prepare();
    m_poller = new RadioPoller(settings);
    m_poller->moveToThread(&m_thread);
    connect(m_poller, &RadioPoller::radioRead, this, &RadioLink::radioRead);
    connect(m_poller, &RadioPoller::linkLost, this, &RadioLink::linkLost);
    connect(&m_thread, &QThread::started, m_poller, &RadioPoller::start);
    m_thread.setObjectName(QStringLiteral("RadioLink"));
    m_thread.start();
}

RadioLink::~RadioLink() {
    // The connection is closed in the thread that opened it.
    QMetaObject::invokeMethod(m_poller, &RadioPoller::stop, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_poller;
}

RadioPoller::RadioPoller(const RadioSettings& settings) : m_settings(settings) {}

RadioPoller::~RadioPoller() {
    delete m_rig;
}

void RadioPoller::start() {
    m_rig = new HamlibRig;
    m_timer = new QTimer(this);
    m_timer->setInterval(RadioLink::kPollMs);
    connect(m_timer, &QTimer::timeout, this, &RadioPoller::poll);
    m_timer->start();
    poll();
}

void RadioPoller::stop() {
    if (m_timer)
        m_timer->stop();
    delete m_timer;
    m_timer = nullptr;
    delete m_rig;
    m_rig = nullptr;
}

void RadioPoller::lose(const QString& reason) {
    m_rig->close();
    m_waitTicks = kRetryTicks;
    m_lastHz = -1;
    if (!m_lost)
        emit linkLost(reason);
    m_lost = true;
}

void RadioPoller::poll() {
    if (!m_rig->isOpen()) {
        if (m_waitTicks > 0) {
            --m_waitTicks;
            return;
        }
        const QString failure = m_rig->open(m_settings);
        if (!failure.isEmpty())
            return lose(failure);
    }
    QString error;
    const std::optional<RadioReading> reading = m_rig->read(&error);
    if (!reading)
        return lose(error);
    m_lost = false;
    if (reading->hz == m_lastHz && reading->mode == m_lastMode)
        return;
    m_lastHz = reading->hz;
    m_lastMode = reading->mode;
    emit radioRead(reading->hz, reading->mode);
}
