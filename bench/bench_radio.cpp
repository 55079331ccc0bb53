// The link to the transceiver: how soon a turn of the dial shows in the band field, and what
// polling the radio costs a key press in the callsign field.
#include "benchenv.h"
#include "main.h"
#include "radiosettings.h"
#include "rigctld.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

using namespace bench;

namespace {

std::unique_ptr<Main> mainWithLink(bool on, const Rigctld& radio) {
    closeWindowsBut(nullptr);
    LogFiles::use(1000);
    RadioSettings{on, RadioSettings::kNetworkModel, radio.address(), 0}.save();
    auto main = std::make_unique<Main>();
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->show();
    QCoreApplication::processEvents();
    return main;
}

// Waits, at most 3 s, until the band field shows `band`; false when it never did.
bool waitForBand(QComboBox* band, const QString& label) {
    QElapsedTimer waited;
    waited.start();
    while (band->currentText() != label) {
        if (waited.elapsed() > 3000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// From the moment rigctl has set the dummy radio's frequency to Bande_A showing its band.
void BM_RadioToBandField(benchmark::State& state) {
    Rigctld radio;
    if (!radio.start() || !radio.set({"F", "14200000"})) {
        state.SkipWithError("rigctld did not start");
        return;
    }
    const auto main = mainWithLink(true, radio);
    auto* band = main->findChild<QComboBox*>("Bande_A");
    if (!waitForBand(band, "14 Mhz")) {
        state.SkipWithError("the radio was never read");
        return;
    }
    bool high = false;
    for (auto _ : state) {
        high = !high;
        radio.set({"F", high ? "21200000" : "14200000"});
        QElapsedTimer shown;
        shown.start();
        if (!waitForBand(band, high ? "21 Mhz" : "14 Mhz")) {
            state.SkipWithError("the band field did not follow");
            return;
        }
        state.SetIterationTime(shown.nsecsElapsed() / 1e9);
    }
}

// One key typed into Ind_A and erased again, as the window system delivers them.
void BM_KeyPressInInd_A(benchmark::State& state) {
    Rigctld radio;
    if (!radio.start()) {
        state.SkipWithError("rigctld did not start");
        return;
    }
    const auto main = mainWithLink(state.range(0) != 0, radio);
    auto* field = main->findChild<QLineEdit*>("Ind_A");
    field->setFocus();
    const auto key = [field](Qt::Key k, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
        QApplication::sendEvent(field, &release);
        QCoreApplication::processEvents();
    };
    for (auto _ : state) {
        key(Qt::Key_A, "a");
        key(Qt::Key_Backspace, QString());
    }
    state.SetLabel(state.range(0) != 0 ? "radio polled" : "link off");
}

} // namespace

BENCHMARK(BM_RadioToBandField)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_KeyPressInInd_A)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
