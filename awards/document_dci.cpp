#include "document_dci.h"

#include "aff_contacte.h"
#include "awardwindows.h"
#include "screen.h"
#include "screenslot.h"

using namespace awards;

Document_DCI::Document_DCI(QWidget* owner)
    : RequestForm(owner, QStringLiteral("Document DCI"),
                  QStringLiteral("Création d'un fichier pour le diplome DCI"), dciRequestFields(),
                  Colours::kCurrent) {}

namespace {

// The list as Aff_Contacte holds it now, in whichever mode it shows; reopened, and so filled
// again, when it was closed.
QStringList shownDciList() {
    Aff_Contacte* list = existingScreen<Aff_Contacte>();
    if (!list || !list->isVisible())
        list = openAffContacte();
    return list->listLines();
}

} // namespace

void Document_DCI::createFile() {
    writeFile(kDciFileName, dciFileLines(applicant(), shownDciList()),
              savedMessage(kDciFileName, false));
}
