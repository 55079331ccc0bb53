#include "situation.h"

#include "dialogs.h"
#include "geocount.h"
#include "geolayout.h"
#include "mappicture.h"
#include "provincetable.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Situation::Situation(QWidget* owner) : QWidget(owner) {
    setUpScreen(this, QStringLiteral("Situation d'une Province"));
    m_prefixe = new QLineEdit(this);
    m_prefixe->setObjectName(QStringLiteral("Prefixe"));
    m_prefixe->installEventFilter(this);
    m_province = makeLabel(this, QStringLiteral("N_Prov"), QString());
    m_region = makeLabel(this, QStringLiteral("N_Region"), QString());
    m_status = makeLabel(this, QStringLiteral("Label2"), QString());

    auto* picture = new MapPicture(QStringLiteral("Picture1"), QStringLiteral(":/maps/italie.png"),
                                   geo::kMapSize, this);
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        QLabel* box = addMapBox(picture, QStringLiteral("Pro_%1").arg(n), ProvinceTable::code(n),
                                geo::locatorBoxRect(n), false);
        box->hide();
        m_boxes.append(box);
    }

    auto* side = new QVBoxLayout;
    QLabel* caption =
        makeLabel(this, QStringLiteral("Label_Prefixe"), QStringLiteral("Prefixe Province"));
    labelField(caption, m_prefixe);
    side->addWidget(caption);
    side->addWidget(m_prefixe);
    side->addSpacing(24);
    for (QLabel* label : {m_province, m_region, m_status}) {
        label->setMinimumWidth(220);
        side->addWidget(label);
    }
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(picture);
    m_prefixe->setFocus();
}

bool Situation::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_prefixe || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        enter();
        return true;
    }
    if (key->text().size() == 1) {
        const QChar typed = key->text().at(0);
        const QChar upper = geo::typedPrefixChar(typed);
        if (upper != typed) {
            m_prefixe->insert(upper);
            return true;
        }
    }
    return false;
}

void Situation::enter() {
    if (const QString refusal = geo::prefixLengthMessage(m_prefixe->text()); !refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    locate(m_prefixe->text());
}

void Situation::locate(const QString& code) {
    for (QLabel* box : m_boxes) {
        box->hide();
        setWorked(box, false);
    }
    const geo::Location where =
        geo::locationOf(code, geo::logHasCode(StationLog(StationCallsign()).path(), code));
    if (where.province) {
        QLabel* box = m_boxes[where.province - 1];
        box->show();
        setWorked(box, true);
    } else {
        showMessage(where.message);
    }
    m_status->setText(where.statusLabel);
    m_province->setText(where.provinceLabel);
    m_region->setText(where.regionLabel);
}
