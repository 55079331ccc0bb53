#include "importscreen.h"

#include "adifimport.h"
#include "dialogs.h"
#include "qsolistaccess.h"
#include "stationsettings.h"

#include <QProgressDialog>

void importAdif(QWidget* parent, QsoListAccess& qsoList) {
    const QString path = Dialogs::instance().chooseFile(
        QStringLiteral("Importer un fichier ADIF"),
        QStringLiteral(
            "Fichiers ADIF (*.adi *.adif);;Fichiers ADX (*.adx);;Tous les fichiers (*)"));
    if (path.isEmpty())
        return;
    // A step a percent: each step repaints the dialog.
    constexpr int kSteps = 100;
    QProgressDialog progress(QString::fromUtf8("Importation du fichier ADIF…"),
                             QStringLiteral("Annuler"), 0, kSteps, parent);
    progress.setWindowTitle(Dialogs::kTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    // A modal progress dialog lets the window system run at each step.
    const ImportReport report =
        importAdifFile(path, StationCallsign(), [&progress](qsizetype done, qsizetype total) {
            progress.setValue(total > 0 ? int(done * kSteps / total) : kSteps);
            return !progress.wasCanceled();
        });
    progress.reset();
    // The list behind the report already shows what came in.
    if (report.firstImportedRow >= 0) {
        qsoList.reload();
        qsoList.selectRow(report.firstImportedRow);
    }
    showMessage(importReportText(report));
}
