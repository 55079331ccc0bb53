#include "aff_contacte.h"

#include "awardwindows.h"

#include <QLayout>
#include <QPushButton>

Aff_Contacte::Aff_Contacte(QWidget* owner)
    : CastleListScreen(awards::Award::Dci,
                       {QStringLiteral("Aff_Contacte"),
                        QStringLiteral("Chateaux contactés pour le diplome DCI"),
                        QStringLiteral("confirmés"), QStringLiteral("Chateaux Italiens"),
                        awards::kDciHeader, awards::kDciHeaderColumns},
                       owner),
      m_document(new QPushButton(QStringLiteral("Document pour le diplome DCI"), this)) {
    m_document->setObjectName(QStringLiteral("Command1"));
    buttonRow()->addWidget(m_document);
    // The request document reads this list; this window stays open.
    connect(m_document, &QPushButton::clicked, this, &openDocumentDci);
}
