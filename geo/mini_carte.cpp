#include "mini_carte.h"

#include "geocount.h"
#include "geolayout.h"
#include "mappicture.h"
#include "provincetable.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Mini_Carte::Mini_Carte(const QString& referenceText, QWidget* owner) : QWidget(owner) {
    setUpScreen(this, QStringLiteral("Nouvelle Province"));
    const geo::MiniMapView view = geo::miniMapFor(referenceText);

    QLabel* title = makeLabel(this, QStringLiteral("Titre"), QStringLiteral("Nouvelle Province"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    QLabel* name = makeLabel(this, QStringLiteral("N_Pro"), view.name);

    auto* picture =
        new MapPicture(QStringLiteral("Picture1"), QStringLiteral(":/maps/italie_mini.png"),
                       geo::kMiniMapSize, this);
    picture->setAccessibleName(QStringLiteral("Nouvelle Province : ") + view.name);
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        auto* dot = new MapDot(QStringLiteral("Shape1_%1").arg(n), geo::miniDotRect(n), picture);
        setWorked(dot, n == view.province);
        dot->setVisible(n == view.province);
    }

    auto* suite = new QPushButton(QStringLiteral("Continuer"), this);
    suite->setObjectName(QStringLiteral("Suite"));
    suite->setDefault(true);
    connect(suite, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(suite, 0, Qt::AlignHCenter);
    suite->setFocus();
}
