#include "document_dci.h"

#include "aff_contacte.h"
#include "castleawards.h"
#include "screen.h"
#include "screenslot.h"

using namespace awards;

namespace {

std::function<QStringList()>& listSource() {
    static std::function<QStringList()> source;
    return source;
}

} // namespace

Document_DCI::Document_DCI(QWidget* owner)
    : RequestForm(owner, QStringLiteral("Document DCI"),
                  QStringLiteral("Création d'un fichier pour le diplome DCI"), dciRequestFields(),
                  Colours::kCurrent) {}

void Document_DCI::setListSource(std::function<QStringList()> source) {
    listSource() = std::move(source);
}

// The list as Aff_Contacte holds it now, in whichever mode it shows; reopened, and so filled
// again, when it was closed.
QStringList shownDciList() {
    Aff_Contacte* list = existingScreen<Aff_Contacte>();
    if (!list || !list->isVisible())
        list = openAffContacte();
    return list->listLines();
}

void Document_DCI::createFile() {
    const QStringList lines = listSource() ? listSource()() : shownDciList();
    writeFile(kDciFileName, dciFileLines(applicant(), lines), savedMessage(kDciFileName, false));
}
