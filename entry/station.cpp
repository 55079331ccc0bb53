#include "station.h"

#include "dialogs.h"
#include "screen.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Station::Station(std::function<void()> validated, QWidget* parent)
    : QWidget(parent, Qt::Window), m_validated(std::move(validated)) {
    setObjectName("Station");
    makeDialogOfMain(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Selection Indicaif");

    auto* frame = new QGroupBox("Indicatif de la Station", this);
    auto* label = new QLabel("Indicatif", frame);
    m_field = new QLineEdit(frame);
    m_field->setObjectName("New_Indicatif");
    label->setBuddy(m_field);
    m_field->setAccessibleName(label->text());
    m_field->installEventFilter(this);
    setBackground(m_field, Colours::kCurrent);
    auto* hint = new QLabel("!!! Pour la saisie la '/' est remplacée par le '_'", frame);
    m_button = new QPushButton("Validez", frame);
    m_button->setObjectName("Validation");
    connect(m_button, &QPushButton::clicked, this, &Station::validate);

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(label);
    inner->addWidget(m_field);
    inner->addWidget(hint);
    inner->addWidget(m_button);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(frame);
    adjustSize();
    centreOnScreen(this);

    StationCallsign() = StationSettings::stationCallsign();
    m_field->clear();
    m_field->setFocus();
}

bool Station::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        setBackground(m_field, Colours::kWhite);
        m_button->setFocus();
        return true;
    }
    const QString text = key->text();
    const bool shortcut =
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut && text.size() == 1 &&
        ((text[0] >= u'a' && text[0] <= u'z') || text[0] == u'/')) {
        m_field->insert(text[0] == u'/' ? QStringLiteral("_") : text.toUpper());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Station::validate() {
    const QString callsign = m_field->text().toUpper();
    const QString refusal = checkStationCallsign(callsign);
    if (!refusal.isEmpty()) {
        // A refused callsign leaves the previous station in force.
        if (refusal.startsWith(QStringLiteral("L'indicatif")))
            m_field->clear();
        showMessage(refusal);
        return;
    }
    const StationLog log(callsign);
    // A log that is there but cannot be read is kept as it is, never replaced by the template.
    if (log.exists() && !log.readable()) {
        showMessage(log.readFailureMessage());
        return;
    }
    if (!log.exists()) {
        if (!log.createStationLog()) {
            showMessage("Impossible de créer le fichier " + log.fileName() +
                        " à partir du modèle FXXXX.txt");
            return;
        }
        StationSettings::setStationCallsign(callsign);
        StationSettings::setBandIndex(callsign, 0);
        StationSettings::setModeIndex(callsign, 0);
    } else {
        StationSettings::setStationCallsign(callsign);
    }
    StationCallsign() = StationSettings::stationCallsign();
    if (m_validated)
        m_validated();
    close();
}
