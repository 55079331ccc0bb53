#include "reglement.h"

#include "reglementtext.h"
#include "windowkit.h"

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

RulesScreen::RulesScreen(const QString& className, const QString& caption, const QString& heading,
                         const QStringList& lines, QWidget* owner)
    : QWidget(owner) {
    awards::setUpWindow(this, className, caption);
    auto* top = new QVBoxLayout(this);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* inFrame = new QVBoxLayout(frame);
    QLabel* title = awards::addLabel(frame, QStringLiteral("Label2"), heading);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    inFrame->addWidget(title, 0, Qt::AlignHCenter);
    top->addWidget(frame);
    auto* model = new QStringListModel(lines, this);
    top->addWidget(awards::makeTextList(this, QStringLiteral("Reglement_DCI"), model, 90, 30), 1);
}

Reglement::Reglement(QWidget* owner)
    : RulesScreen(QStringLiteral("Reglement"),
                  QStringLiteral("Règlement du Diplome des Chateaux Italiens"),
                  QStringLiteral("Règlement du diplome DCI"), awards::dciRules(), owner) {}
