// The benchmarks, or with --memory=N the resident memory of the program on a generated log of
// N QSOs (0: an empty log), each in a fresh process.
#include "benchenv.h"
#include "awardwindows.h"
#include "geoscreens.h"
#include "main.h"
#include "reportscreens.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

// The offscreen platform's notes (no raise(), no size hints) would drown the figures.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Prints, as one JSON object, the memory of Main started on the log and then with every window
// open. The log is written by a child process, so that generating it leaves nothing here.
int measureMemory(int argc, char** argv, int count) {
    bench::Environment environment;
    if (const pid_t child = fork(); child == 0) {
        bench::LogFiles::use(count);
        _exit(0);
    } else {
        waitpid(child, nullptr, 0);
    }
    QApplication app(argc, argv);
    const qint64 bare = bench::residentBytes();
    auto* main = new Main;
    main->show();
    QCoreApplication::processEvents();
    const qint64 started = bench::residentBytes();
    for (auto open :
         {openProvinceContacte, openRegionsContacte, openCarteItalie, openCarteActiDci,
          openSituation, openScores, openAffContacteDclo, openScoresDclo, openScoresDcpc,
          openReglement, openReglementDcpc, openAffContacteIdca, openScoresIdca,
          openAffContacteWais, openScoresWais, openDocumentWais, openDocumentDci})
        open();
    openAffContacte();
    openMiniCarte("AQ001");
    openRechercheIndicatif(*main);
    QCoreApplication::processEvents();
    const qint64 windows = bench::residentBytes();
    std::printf("{\"qsos\": %d, \"file_bytes\": %lld, \"rss_bare\": %lld, \"rss_main\": %lld, "
                "\"rss_windows\": %lld}\n",
                count, bench::LogFiles::size(), bare, started, windows);
    delete main;
    bench::closeWindowsBut(nullptr);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--memory=", 9) == 0)
            return measureMemory(argc, argv, std::atoi(argv[i] + 9));
    QApplication app(argc, argv);
    bench::Environment environment;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::closeWindowsBut(nullptr);
    return 0;
}
