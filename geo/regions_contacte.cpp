#include "regions_contacte.h"

#include "dialogs.h"
#include "geocount.h"
#include "mappicture.h"
#include "markregions.h"

#include <QComboBox>
#include <QPushButton>
#include <QStringListModel>

Regions_Contacte::Regions_Contacte(QWidget* owner)
    : QWidget(owner), m_regions(new QStringListModel(this)) {
    const ContactedList controls =
        buildContactedList(this, QStringLiteral("Regions contactées"), geo::bandChoices(),
                           QStringLiteral("Regions"), m_regions);
    m_bande = controls.bande;
    m_mode = controls.mode;
    connect(controls.afficher, &QPushButton::clicked, this, &Regions_Contacte::afficher);
}

void Regions_Contacte::afficher() {
    if (const QString refusal = geo::emptyBandMessage(m_bande->currentText()); !refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    m_regions->setStringList({});
    MarkRegionsContacted(m_bande->currentText(), m_mode->currentText());
}

void Regions_Contacte::setRegions(const QStringList& lines) {
    m_regions->setStringList(lines);
}
