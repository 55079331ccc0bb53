#include "aff_contacte_idca.h"

#include "bytekeys.h"
#include "districtcount.h"
#include "windowkit.h"

#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QStringListModel>

using namespace awards;

Aff_Contacte_IDCA::Aff_Contacte_IDCA(QWidget* owner)
    : QWidget(owner), m_districts(new QStringListModel(this)) {
    setUpWindow(this, QStringLiteral("Districts contactés"));
    m_contacted = addLabel(this, QStringLiteral("D_Cont"));
    m_confirmed = addLabel(this, QStringLiteral("D_Conf"));
    QListView* list = makeLineList(this, QStringLiteral("List1"), m_districts, 40);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_contacted, 0, 0, Qt::AlignRight);
    grid->addWidget(
        addLabel(this, QStringLiteral("Label2"), QStringLiteral("district(s) contacté(s)")), 0, 1);
    grid->addWidget(m_confirmed, 1, 0, Qt::AlignRight);
    grid->addWidget(
        addLabel(this, QStringLiteral("Label1"), QStringLiteral("district(s) confirmé(s)")), 1, 1);
    grid->addWidget(list, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void Aff_Contacte_IDCA::opening() {
    DistrictMarks marks;
    bytekeys::scanStationLog([&marks](QByteArrayView line) { marks.add(line); });
    m_districts->setStringList(districtListLines(marks));
    m_contacted->setText(QString::number(marks.contactedCount()));
    m_confirmed->setText(QString::number(marks.confirmedCount()));
}
