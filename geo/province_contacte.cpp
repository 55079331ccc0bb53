#include "province_contacte.h"

#include "geocount.h"
#include "mappicture.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QComboBox>
#include <QPushButton>
#include <QStringListModel>

Province_Contacte::Province_Contacte(QWidget* owner)
    : QWidget(owner), m_provinces(new QStringListModel(this)) {
    const ContactedList controls =
        buildContactedList(this, QStringLiteral("Provinces contactées"), geo::provinceBandChoices(),
                           QStringLiteral("Provinces"), m_provinces);
    m_bande = controls.bande;
    m_mode = controls.mode;
    connect(controls.afficher, &QPushButton::clicked, this, &Province_Contacte::afficher);
}

void Province_Contacte::afficher() {
    geo::ProvinceScan scan(geo::ProvinceScan::Rule::List, m_bande->currentText(),
                           m_mode->currentText());
    scan.addFile(StationLog(StationCallsign()).path());
    m_provinces->setStringList(geo::provinceListLines(scan.provinces()));
}
