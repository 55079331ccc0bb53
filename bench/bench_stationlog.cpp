// Log operations and the QSO list on a generated 100,000-line log.
#include "programdirectory.h"
#include "qsolistmodel.h"
#include "qsorecord.h"
#include "screen.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 100000;
const QString kCallsign = QStringLiteral("F_BENCH");

QString record(int i) {
    QsoRecord r;
    r.callsign = QStringLiteral("IK%1ABC").arg(i % 10);
    r.district = QString::number(1 + i % 230);
    r.firstName = QStringLiteral("MARIO");
    r.reference = QStringLiteral("AQ%1").arg(i % 1000, 3, 10, QChar(u'0'));
    // One QSO a minute from 01/01/2000: the log is in date order.
    const QDateTime t = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(60LL * i);
    r.date = t.toString(QStringLiteral("dd/MM/yy"));
    r.time = t.toString(QStringLiteral("hh:mm"));
    r.mode = QStringLiteral("SSB");
    r.band = QStringLiteral("14 Mhz");
    r.rstReceived = QStringLiteral("59");
    r.rstSent = QStringLiteral("59");
    r.castleName = QStringLiteral("CASTELLO DI PROVA NUMERO %1").arg(i);
    r.qslReceived = i % 3 == 0;
    r.locator = QStringLiteral("JN62");
    return BuildLogLine(r);
}

// A program directory holding the generated log, and a pristine copy to restore it from.
struct Fixture {
    Fixture() {
        ProgramDirectory::setPath(dir.path());
        QStringList lines;
        lines.reserve(kLines);
        for (int i = 0; i < kLines; ++i)
            lines.append(record(i));
        pristine = encodeLines(lines);
        restore();
    }
    void restore() const {
        QFile f(StationLog(kCallsign).path());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(pristine);
    }
    QTemporaryDir dir;
    QByteArray pristine;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

const StationLog& stationLog() {
    static const StationLog log(kCallsign);
    return log;
}

void BM_LoadQsoList(benchmark::State& state) {
    fixture();
    QsoListModel model;
    for (auto _ : state) {
        QStringList lines;
        stationLog().loadQsoList(lines);
        model.setFileLines(std::move(lines));
        benchmark::DoNotOptimize(model.rowCount());
    }
}

// Loading, then showing the end of the list, as Main does after every change.
void BM_ListShowsLastRow(benchmark::State& state) {
    fixture();
    QsoListModel model;
    QListView view;
    view.setModel(&model);
    view.setUniformItemSizes(true);
    view.setFont(fixedFont());
    view.resize(1200, 400);
    view.show();
    for (auto _ : state) {
        QStringList lines;
        stationLog().loadQsoList(lines);
        model.setFileLines(std::move(lines));
        view.setCurrentIndex(model.index(model.rowCount() - 1));
        view.scrollToBottom();
        benchmark::DoNotOptimize(view.viewport()->grab());
    }
}

void BM_AppendQso(benchmark::State& state) {
    fixture();
    const QString line = record(kLines);
    for (auto _ : state) {
        stationLog().appendQso(line);
        state.PauseTiming();
        fixture().restore();
        state.ResumeTiming();
    }
}

void BM_ReplaceQso(benchmark::State& state) {
    fixture();
    const int number = kLines / 2;
    const QString oldLine = record(number - 1), newLine = record(kLines + 1);
    for (auto _ : state) {
        stationLog().replaceQso(newLine, oldLine, number);
        state.PauseTiming();
        fixture().restore();
        state.ResumeTiming();
    }
}

void BM_DeleteQso(benchmark::State& state) {
    fixture();
    const int number = kLines / 2;
    const QString line = record(number - 1);
    for (auto _ : state) {
        stationLog().deleteQso(line, number);
        state.PauseTiming();
        fixture().restore();
        state.ResumeTiming();
    }
}

void BM_InsertQsoByDateTime(benchmark::State& state) {
    fixture();
    // Dated in the middle of the log.
    QString line = record(kLines / 2);
    line.replace(0, 12, QStringLiteral("I1INSERT    "));
    for (auto _ : state) {
        stationLog().insertQsoByDateTime(line);
        state.PauseTiming();
        fixture().restore();
        state.ResumeTiming();
    }
}

void BM_FindReferenceMissing(benchmark::State& state) {
    fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(stationLog().findReference(QStringLiteral("ZZ999")));
}

void BM_FindProvincePrefixMissing(benchmark::State& state) {
    fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(stationLog().findProvincePrefix(QStringLiteral("ZZ")));
}

} // namespace

BENCHMARK(BM_LoadQsoList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListShowsLastRow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendQso)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceQso)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteQso)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertQsoByDateTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindReferenceMissing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindProvincePrefixMissing)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
