#include "regions_contacte.h"

#include "carte_acti_dci.h"
#include "dialogs.h"
#include "geocount.h"
#include "mappicture.h"
#include "screen.h"
#include "screenslot.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

Regions_Contacte::Regions_Contacte(QWidget* owner)
    : QWidget(owner), m_regions(new QStringListModel(this)) {
    setUpScreen(this, QStringLiteral("Regions contactées"));
    m_bande = makeChoiceBox(this, QStringLiteral("Bande_A"), geo::bandChoices());
    m_mode = makeChoiceBox(this, QStringLiteral("Mode_AX"), geo::modeChoices());
    auto* button = new QPushButton(QStringLiteral("Afficher"), this);
    button->setObjectName(QStringLiteral("Afficher"));
    QListView* list = makeResultList(this, QStringLiteral("Regions"), m_regions);
    for (QWidget* w : {static_cast<QWidget*>(m_bande), static_cast<QWidget*>(m_mode),
                       static_cast<QWidget*>(list)})
        setBackground(w, Colours::kPassed);

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(this, QStringLiteral("Titre"), QStringLiteral("Regions contactées")),
                    0, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(makeLabel(this, QStringLiteral("Label_Bande"), QStringLiteral("Bande")), 1, 0);
    grid->addWidget(makeLabel(this, QStringLiteral("Label_Mode"), QStringLiteral("Mode")), 1, 1);
    grid->addWidget(m_bande, 2, 0);
    grid->addWidget(m_mode, 2, 1);
    grid->addWidget(button, 2, 2);
    grid->addWidget(list, 3, 0, 1, 3);
    list->setMinimumSize(320, 360);

    connect(button, &QPushButton::clicked, this, &Regions_Contacte::afficher);
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

int MarkRegionsContacted(const QString& band, const QString& mode) {
    // The map first: when it is created here, its own opening display runs before ours.
    Carte_Acti_DCI* map = ensureScreen<Carte_Acti_DCI>(existingScreen<Regions_Contacte>());
    map->showRegions({});
    Regions_Contacte* regions = ensureScreen<Regions_Contacte>(map);
    regions->setRegions({});

    QStringList lines;
    StationLog(StationCallsign()).loadQsoList(lines);
    const geo::RegionFlags worked = geo::regionsWorked(lines, band, mode);
    map->showRegions(worked);
    regions->setRegions(geo::regionListLines(worked));
    return geo::countSet(worked);
}
