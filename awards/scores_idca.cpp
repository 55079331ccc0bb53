#include "scores_idca.h"

#include "districtcount.h"
#include "idcawaiswidgets.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace awards;

Scores_IDCA::Scores_IDCA(QWidget* owner) : QWidget(owner) {
    setUpWindow(this, QStringLiteral("Scores IDCA"));
    m_contacted = makeLabel(this, QStringLiteral("NB_Contacte"), QString());
    m_confirmed = makeLabel(this, QStringLiteral("NB_Confirme"), QString());
    m_verdict1 = makeLabel(this, QStringLiteral("Label1"), QString());
    m_verdict2 = makeLabel(this, QStringLiteral("Label2"), QString());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Scores pour le diplome")), 0,
        Qt::AlignHCenter);
    layout->addWidget(
        makeLabel(this, QStringLiteral("Label8"), QStringLiteral("des districts Italiens")), 0,
        Qt::AlignHCenter);
    auto* counts = new QGridLayout;
    counts->addWidget(m_contacted, 0, 0, Qt::AlignRight);
    counts->addWidget(
        makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Districts contacté(s)")), 0, 1);
    counts->addWidget(m_confirmed, 1, 0, Qt::AlignRight);
    counts->addWidget(
        makeLabel(this, QStringLiteral("Label10"), QStringLiteral("Districts confirmé(s)")), 1, 1);
    counts->setColumnStretch(1, 1);
    layout->addLayout(counts);
    layout->addWidget(m_verdict1);
    layout->addWidget(m_verdict2);
    layout->addSpacing(12);
    layout->addWidget(makeLabel(this, QStringLiteral("Label3"),
                                QStringLiteral("Pour obtenir les diplomes des districts")));
    layout->addWidget(makeLabel(this, QStringLiteral("Label4"),
                                QStringLiteral("Italiens il vous faut la confirmation de :")));
    const QStringList levels = districtLevelLabels();
    for (int i = 0; i < levels.size(); ++i)
        layout->addWidget(makeLabel(this, QStringLiteral("Niveau_%1").arg(i + 1), levels[i]));
}

void Scores_IDCA::opening() {
    QStringList lines;
    StationLog(StationCallsign()).loadQsoList(lines);
    const DistrictMarks marks = markDistricts(lines);
    m_contacted->setText(QString::number(marks.contactedCount()));
    m_confirmed->setText(QString::number(marks.confirmedCount()));
    const Verdict verdict = districtVerdict(marks.confirmedCount());
    m_verdict1->setText(verdict.line1);
    m_verdict2->setText(verdict.line2);
}
