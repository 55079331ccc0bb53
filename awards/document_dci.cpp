#include "document_dci.h"

#include "screen.h"

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

void Document_DCI::createFile() {
    const QStringList lines = listSource() ? listSource()() : QStringList();
    writeFile(kDciFileName, dciFileLines(applicant(), lines), savedMessage(kDciFileName, false));
}
