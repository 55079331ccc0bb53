// Every operation of the program on generated logs of 1,000, 10,000 and 100,000 QSOs, each
// through the code path the operator's hands take, beside its floors measured in the same run.
#include "adif.h"
#include "aff_contacte.h"
#include "aff_contacte_dclo.h"
#include "benchenv.h"
#include "awardwindows.h"
#include "codepage.h"
#include "document_dci.h"
#include "document_wais.h"
#include "geoscreens.h"
#include "importscreen.h"
#include "main.h"
#include "multi_qsl.h"
#include "programdirectory.h"
#include "qsolistmodel.h"
#include "qsorecord.h"
#include "recherche_indicatif.h"
#include "reportscreens.h"
#include "screenslot.h"
#include "stationlog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <functional>
#include <memory>

using namespace bench;

namespace {

void settle() {
    QCoreApplication::processEvents();
}

template <class T = QWidget> T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// Main as the program starts it, shown on the log of `count` QSOs.
std::unique_ptr<Main> startedMain(int count) {
    // No window of a run on another log stays open to be measured again.
    closeWindowsBut(nullptr);
    LogFiles::use(count);
    auto main = std::make_unique<Main>();
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->show();
    settle();
    return main;
}

// The log as generated again, and Main's list read from it, as before the operation.
void restore(Main& main) {
    closeWindowsBut(&main);
    LogFiles::restore();
    main.reload();
    settle();
}

// A QSO line of the log, as the list of Main shows it, to take fields from.
QsoRecord loggedQso(const Main& main, int row) {
    return RecordFromListLine(main.qsoModel()->listLine(row));
}

void typeQso(Main& main, const QsoRecord& r) {
    child<QLineEdit>(&main, "Ind_A")->setText(r.callsign);
    child<QLineEdit>(&main, "Prenom_A")->setText(r.firstName);
    child<QLineEdit>(&main, "Ref_A")->setText(r.reference);
    child<QLineEdit>(&main, "Distr_A")->setText(r.district);
    child<QLineEdit>(&main, "Loc_A")->setText(r.locator);
    child<QLineEdit>(&main, "Date_A")->setText(r.date);
    child<QLineEdit>(&main, "Heure_A")->setText(r.time);
    child<QComboBox>(&main, "Mode_A")->setEditText(r.mode);
    child<QComboBox>(&main, "Bande_A")->setEditText(r.band);
    child<QLineEdit>(&main, "Rem_A")->setText(r.castleName);
    child<QPushButton>(&main, "Valide_A")->setEnabled(true);
}

void press(QWidget* parent, const char* button) {
    auto* b = child<QPushButton>(parent, button);
    b->setEnabled(true);
    b->click();
}

// ---- Floors ------------------------------------------------------------------------------

// One plain read of the log file into memory: the floor of what only reads.
void BM_FloorRead(benchmark::State& state) {
    LogFiles::use(int(state.range(0)));
    for (auto _ : state) {
        QFile f(LogFiles::path());
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}

// One copy of the log file, flushed to disk: the floor of what rewrites.
void BM_FloorCopyFsync(benchmark::State& state) {
    LogFiles::use(int(state.range(0)));
    const QString copy = ProgramDirectory::filePath("floor_copy.tmp");
    for (auto _ : state) {
        QFile in(LogFiles::path()), out(copy);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(in.readAll());
        out.flush();
        ::fsync(out.handle());
    }
    QFile::remove(copy);
}

// ---- Start-up and the entry modes ----------------------------------------------------------

void BM_StartUp(benchmark::State& state) {
    LogFiles::use(int(state.range(0)));
    for (auto _ : state) {
        auto main = std::make_unique<Main>();
        main->setAttribute(Qt::WA_DeleteOnClose, false);
        main->show();
        settle();
        state.PauseTiming();
        main.reset();
        closeWindowsBut(nullptr);
        state.ResumeTiming();
    }
}

// Saving a new QSO, typed after the last one: appended.
void BM_SaveNew(benchmark::State& state) {
    const int count = int(state.range(0));
    auto main = startedMain(count);
    QsoRecord r = loggedQso(*main, count - 1);
    r.callsign = "IK1NEW";
    for (auto _ : state) {
        state.PauseTiming();
        restore(*main);
        main->Efface();
        typeQso(*main, r);
        state.ResumeTiming();
        press(main.get(), "Valide_A");
    }
}

// Saving a QSO of the middle of the log opened for modification with a double click.
void BM_SaveModification(benchmark::State& state) {
    const int count = int(state.range(0));
    auto main = startedMain(count);
    auto* list = child<QTableView>(main.get(), "Liste_QSO");
    for (auto _ : state) {
        state.PauseTiming();
        restore(*main);
        main->selectRow(count / 2);
        const QPoint at = list->visualRect(main->qsoModel()->index(count / 2)).center();
        QMouseEvent click(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &click);
        settle();
        child<QLineEdit>(main.get(), "Rem_A")->setText("CASTELLO MODIFICATO");
        state.ResumeTiming();
        press(main.get(), "Valide_A");
    }
    if (main->entryMode() != Main::EntryMode::New)
        state.SkipWithError("the QSO was not saved");
}

// Saving a QSO dated in the middle of the log in the insertion mode.
void BM_SaveInsertion(benchmark::State& state) {
    const int count = int(state.range(0));
    auto main = startedMain(count);
    QsoRecord r = loggedQso(*main, count / 2);
    r.callsign = "IK1INS";
    for (auto _ : state) {
        state.PauseTiming();
        restore(*main);
        main->Efface();
        press(main.get(), "Ajout_QSO");
        typeQso(*main, r);
        state.ResumeTiming();
        press(main.get(), "Valide_A");
    }
}

void BM_Delete(benchmark::State& state) {
    const int count = int(state.range(0));
    auto main = startedMain(count);
    for (auto _ : state) {
        state.PauseTiming();
        restore(*main);
        main->selectRow(count / 2);
        state.ResumeTiming();
        press(main.get(), "Annule_Saisie");
    }
    if (main->qsoModel()->rowCount() != count - 1)
        state.SkipWithError("no QSO was deleted");
}

// The QSL marking of 100 QSOs of the station met most often: the window opened, its search,
// 100 ticks and the save, which reloads Main's list.
void BM_MultiQsl100(benchmark::State& state) {
    const int count = int(state.range(0));
    auto main = startedMain(count);
    // The station drawn most often by the generator.
    const QString callsign = "IK1AAA";
    int ticked = 0;
    for (auto _ : state) {
        state.PauseTiming();
        restore(*main);
        state.ResumeTiming();
        Multi_QSL dialog(*main, callsign, main.get());
        dialog.show();
        settle();
        press(&dialog, "Recherche");
        QAbstractItemModel* model = child<QListView>(&dialog, "Liste_QSO")->model();
        ticked = std::min(100, model->rowCount());
        for (int row = 0; row < ticked; ++row)
            model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole);
        press(&dialog, "Enregistre");
    }
    if (ticked < 100)
        state.SkipWithError("fewer than 100 QSOs to confirm");
}

// ---- Windows -------------------------------------------------------------------------------

// Opening a window from its menu entry, with no window of its kind open, until it is shown.
void openWindow(benchmark::State& state, const std::function<void(Main&)>& open) {
    auto main = startedMain(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        closeWindowsBut(main.get());
        settle();
        state.ResumeTiming();
        open(*main);
        settle();
    }
}

#define OPENING(name, call)                                                                        \
    void BM_Open_##name(benchmark::State& state) {                                                 \
        openWindow(state, [](Main& main) {                                                         \
            (void)main;                                                                            \
            call;                                                                                  \
        });                                                                                        \
    }

OPENING(Province_Contacte, openProvinceContacte())
OPENING(Regions_Contacte, openRegionsContacte())
OPENING(Carte_Italie, openCarteItalie())
OPENING(Carte_Acti_DCI, openCarteActiDci())
OPENING(Situation, openSituation())
OPENING(Mini_Carte, openMiniCarte("AQ001"))
OPENING(Aff_Contacte, openAffContacte())
OPENING(Scores, openScores())
OPENING(Aff_Contacte_DCLO, openAffContacteDclo())
OPENING(Scores_DCLO, openScoresDclo())
OPENING(Scores_DCPC, openScoresDcpc())
OPENING(Reglement, openReglement())
OPENING(Reglement_DCPC, openReglementDcpc())
OPENING(Aff_Contacte_IDCA, openAffContacteIdca())
OPENING(Scores_IDCA, openScoresIdca())
OPENING(Aff_Contacte_WAIS, openAffContacteWais())
OPENING(Scores_WAIS, openScoresWais())
OPENING(Document_DCI, openDocumentDci())
OPENING(Document_WAIS, openDocumentWais())
OPENING(Recherche_Indicatif, openRechercheIndicatif(main))

// ---- Export, search, saved reports ---------------------------------------------------------

void BM_ExportAdif(benchmark::State& state) {
    auto main = startedMain(int(state.range(0)));
    for (auto _ : state)
        exportAdif();
}

// An ADIF file of `count` castle QSOs of other stations, over the same years as the log, so
// that every one is placed among the log's QSOs.
QString importFile(int count) {
    const QString path = ProgramDirectory::filePath(QString("import_%1.adi").arg(count));
    if (QFile::exists(path))
        return path;
    QByteArray adif = adifHeader("F5OTHER");
    int n = 0;
    for (QString line : generatedLog(count)) {
        line.replace(0, 12, QString("I%1").arg(++n, 6, 10, QChar('0')).leftJustified(12));
        appendAdifRecord(adif, encodeCp1252(line));
        adif.append("\r\n");
    }
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(adif);
    return path;
}

// The peak of resident memory since the last reset, in bytes.
qint64 peakResidentBytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}
void resetPeakResidentBytes() {
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// The file chosen in the import's file chooser.
class ChoosingDialogs : public YesDialogs {
public:
    QString chooseFile(const QString&, const QString&) override { return file; }
    QString file;
};

// Fichier › "Importer un fichier ADIF": as many castle QSOs as the log holds, into the log, then
// Main's list reloaded. Memory: the peak above the memory before, against the two files' size.
void BM_ImportAdif(benchmark::State& state) {
    const int count = int(state.range(0));
    auto main = startedMain(count);
    Dialogs& before = Dialogs::instance();
    ChoosingDialogs dialogs;
    dialogs.file = importFile(count);
    Dialogs::setInstance(&dialogs);
    const double files = double(QFile(dialogs.file).size() + LogFiles::size());
    double extra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        restore(*main);
        resetPeakResidentBytes();
        const qint64 base = residentBytes();
        state.ResumeTiming();
        importAdif(main.get(), *main);
        settle();
        state.PauseTiming();
        extra = qMax(extra, double(peakResidentBytes() - base));
        if (main->qsoModel()->rowCount() != 2 * count)
            state.SkipWithError("not every QSO was imported");
        state.ResumeTiming();
    }
    Dialogs::setInstance(&before);
    restore(*main);
    state.counters["memory_x_files"] = extra / files;
    state.counters["files_MiB"] = files / 1048576;
}

// A search from the open search window, by the option given, with the text of a QSO of the
// middle of the log.
void search(benchmark::State& state, SearchBy by) {
    const int count = int(state.range(0));
    auto main = startedMain(count);
    openRechercheIndicatif(*main);
    auto* window = existingScreen<Recherche_Indicatif>();
    const QsoRecord r = loggedQso(*main, count / 2);
    const char* field = by == SearchBy::Callsign ? "Indica"
                        : by == SearchBy::Date   ? "Data"
                                                 : "Depa";
    const QString text = by == SearchBy::Callsign ? r.callsign
                         : by == SearchBy::Date   ? r.date
                                                  : r.reference;
    child<QRadioButton>(window, QString("Option1_%1").arg(int(by)).toLatin1())->setChecked(true);
    for (auto _ : state) {
        // A search empties the fields: the text is typed again before each one.
        state.PauseTiming();
        child<QLineEdit>(window, field)->setText(text);
        state.ResumeTiming();
        window->Lance_Recherche();
        settle();
    }
    state.counters["found"] =
        double(child<QListView>(window, "QSO_Effectues")->model()->rowCount());
}

void BM_Search_Callsign(benchmark::State& state) {
    search(state, SearchBy::Callsign);
}
void BM_Search_Date(benchmark::State& state) {
    search(state, SearchBy::Date);
}
void BM_Search_Reference(benchmark::State& state) {
    search(state, SearchBy::Reference);
}

void BM_Save_ContactedCastles(benchmark::State& state) {
    auto main = startedMain(int(state.range(0)));
    for (auto _ : state)
        saveContactedCastles();
}

// The Enregistrer button of an award list opened on the log.
template <class T> void saveList(benchmark::State& state, void (*open)()) {
    auto main = startedMain(int(state.range(0)));
    open();
    settle();
    for (auto _ : state)
        press(existingScreen<T>(), "Enregistrer");
}

void BM_Save_Aff_Contacte(benchmark::State& state) {
    saveList<Aff_Contacte>(state, [] { openAffContacte(); });
}
void BM_Save_Aff_Contacte_DCLO(benchmark::State& state) {
    saveList<Aff_Contacte_DCLO>(state, openAffContacteDclo);
}

// The file of a request document, its form filled in the past: created from the list shown.
template <class T> void saveDocument(benchmark::State& state, void (*open)()) {
    auto main = startedMain(int(state.range(0)));
    openAffContacte();
    openAffContacteWais();
    for (auto _ : state) {
        state.PauseTiming();
        // The form closed by the last file is gone before it is opened again.
        settle();
        open();
        settle();
        state.ResumeTiming();
        press(existingScreen<T>(), "L_Fichier");
    }
}

void BM_Save_Document_DCI(benchmark::State& state) {
    saveDocument<Document_DCI>(state, openDocumentDci);
}
void BM_Save_Document_WAIS(benchmark::State& state) {
    saveDocument<Document_WAIS>(state, openDocumentWais);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_FloorRead)->Apply(sizes);
BENCHMARK(BM_FloorCopyFsync)->Apply(sizes);
BENCHMARK(BM_StartUp)->Apply(sizes);
BENCHMARK(BM_SaveNew)->Apply(sizes);
BENCHMARK(BM_SaveModification)->Apply(sizes);
BENCHMARK(BM_SaveInsertion)->Apply(sizes);
BENCHMARK(BM_Delete)->Apply(sizes);
BENCHMARK(BM_MultiQsl100)->Apply(sizes);
BENCHMARK(BM_Open_Province_Contacte)->Apply(sizes);
BENCHMARK(BM_Open_Regions_Contacte)->Apply(sizes);
BENCHMARK(BM_Open_Carte_Italie)->Apply(sizes);
BENCHMARK(BM_Open_Carte_Acti_DCI)->Apply(sizes);
BENCHMARK(BM_Open_Situation)->Apply(sizes);
BENCHMARK(BM_Open_Mini_Carte)->Apply(sizes);
BENCHMARK(BM_Open_Aff_Contacte)->Apply(sizes);
BENCHMARK(BM_Open_Scores)->Apply(sizes);
BENCHMARK(BM_Open_Aff_Contacte_DCLO)->Apply(sizes);
BENCHMARK(BM_Open_Scores_DCLO)->Apply(sizes);
BENCHMARK(BM_Open_Scores_DCPC)->Apply(sizes);
BENCHMARK(BM_Open_Reglement)->Apply(sizes);
BENCHMARK(BM_Open_Reglement_DCPC)->Apply(sizes);
BENCHMARK(BM_Open_Aff_Contacte_IDCA)->Apply(sizes);
BENCHMARK(BM_Open_Scores_IDCA)->Apply(sizes);
BENCHMARK(BM_Open_Aff_Contacte_WAIS)->Apply(sizes);
BENCHMARK(BM_Open_Scores_WAIS)->Apply(sizes);
BENCHMARK(BM_Open_Document_DCI)->Apply(sizes);
BENCHMARK(BM_Open_Document_WAIS)->Apply(sizes);
BENCHMARK(BM_Open_Recherche_Indicatif)->Apply(sizes);
BENCHMARK(BM_ExportAdif)->Apply(sizes);
BENCHMARK(BM_ImportAdif)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Search_Callsign)->Apply(sizes);
BENCHMARK(BM_Search_Date)->Apply(sizes);
BENCHMARK(BM_Search_Reference)->Apply(sizes);
BENCHMARK(BM_Save_ContactedCastles)->Apply(sizes);
BENCHMARK(BM_Save_Aff_Contacte)->Apply(sizes);
BENCHMARK(BM_Save_Aff_Contacte_DCLO)->Apply(sizes);
BENCHMARK(BM_Save_Document_DCI)->Apply(sizes);
BENCHMARK(BM_Save_Document_WAIS)->Apply(sizes);
