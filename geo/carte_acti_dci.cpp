#include "carte_acti_dci.h"

#include "dialogs.h"
#include "geolayout.h"
#include "mappicture.h"
#include "provincetable.h"
#include "regions_contacte.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Carte_Acti_DCI::Carte_Acti_DCI(QWidget* owner) : QWidget(owner) {
    setUpScreen(this, QStringLiteral("Carte des régions contactées"));
    m_bande = makeChoiceBox(this, QStringLiteral("Bande_A"), geo::bandChoices());
    m_mode = makeChoiceBox(this, QStringLiteral("Mode_AX"), geo::modeChoices());
    auto* button = new QPushButton(QStringLiteral("Afficher"), this);
    button->setObjectName(QStringLiteral("Afficher"));
    m_count = makeLabel(this, QStringLiteral("NbReg"), QString());
    m_count->setMinimumWidth(24);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* picture = new MapPicture(QStringLiteral("Picture1"), QStringLiteral(":/maps/italie.png"),
                                   geo::kMapSize, this);
    for (int r = 1; r <= RegionTable::kCount; ++r)
        m_regions.append(addMapBox(picture, QStringLiteral("Dep_%1").arg(r), geo::regionBoxText(r),
                                   geo::regionBoxRect(r), true));

    auto* choices = new QHBoxLayout;
    choices->addWidget(makeLabel(this, QStringLiteral("Label_Bande"), QStringLiteral("Bande : ")));
    choices->addWidget(m_bande);
    choices->addWidget(makeLabel(this, QStringLiteral("Label_Mode"), QStringLiteral("Mode : ")));
    choices->addWidget(m_mode);
    choices->addWidget(button);
    choices->addStretch();
    auto* count = new QGridLayout;
    count->addWidget(m_count, 0, 0);
    count->addWidget(
        makeLabel(this, QStringLiteral("Label_Contactees"), QStringLiteral("  Régions contactées")),
        0, 1);
    count->addWidget(makeLabel(this, QStringLiteral("Label_Sur"), QStringLiteral("sur 20 Régions")),
                     1, 1);
    choices->addLayout(count);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(picture);

    connect(button, &QPushButton::clicked, this, &Carte_Acti_DCI::afficher);
}

void Carte_Acti_DCI::opening() {
    selectSavedChoices(m_bande, m_mode);
    showRegions({});
    afficher();
}

void Carte_Acti_DCI::afficher() {
    if (const QString refusal = geo::emptyBandMessage(m_bande->currentText()); !refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    m_count->setNum(MarkRegionsContacted(m_bande->currentText(), m_mode->currentText()));
}

void Carte_Acti_DCI::showRegions(const geo::RegionFlags& worked) {
    for (int r = 0; r < RegionTable::kCount; ++r)
        setWorked(m_regions[r], worked[r]);
}
