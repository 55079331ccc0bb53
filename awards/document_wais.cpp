#include "document_wais.h"

#include "aff_contacte_wais.h"
#include "clock.h"
#include "screen.h"
#include "screenslot.h"

using namespace awards;

Document_WAIS::Document_WAIS(QWidget* owner)
    : RequestForm(owner, QStringLiteral("Document WAIS"),
                  QStringLiteral("Création d'un fichier pour le diplome WAIS"), waisRequestFields(),
                  Colours::kWorked) {}

void Document_WAIS::createFile() {
    Aff_Contacte_WAIS* list = existingScreen<Aff_Contacte_WAIS>();
    if (!list || !list->isVisible())
        list = showScreen<Aff_Contacte_WAIS>();
    const Applicant a = applicant();
    const QString fileName = waisLetterFileName(a.call);
    writeFile(fileName, waisLetterLines(a, list->shownLines(), Clock::instance().nowLocal().date()),
              savedMessage(fileName, true));
}
