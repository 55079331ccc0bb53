#pragma once
#include "qsolistaccess.h"
#include "qsorecord.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QPointer>

// Main's QSO list as the search and the QSL marking see it: the list lines of the station log.
class FakeQsoList : public QsoListAccess {
public:
    const LineTable& qsoLines() const override { return lines; }
    void selectRow(int) override {}
    void reload() override {
        ++reloads;
        lines.read(StationLog(StationCallsign()).path());
    }

    LineTable lines;
    int reloads = 0;
};

// Screens are top-level windows; each test ends with none left.
class ReportScreenTest : public ScreenTest {
protected:
    // The station's log, loaded into the list as Main loads it.
    void useLog(const QStringList& lines) {
        setStation("F5XYZ", lines);
        qsoList.reload();
        qsoList.reloads = 0;
    }
    FakeQsoList qsoList;
};
