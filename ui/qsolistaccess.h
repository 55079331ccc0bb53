#pragma once
#include "linetable.h"

// What a screen that acts back on the QSO list of Main may do with it.
class QsoListAccess {
public:
    virtual ~QsoListAccess() = default;
    // The log lines the list shows, a row each, in file order.
    virtual const LineTable& qsoLines() const = 0;
    // Selects a row as a click would.
    virtual void selectRow(int row) = 0;
    // Reloads the list from the log and selects its last row.
    virtual void reload() = 0;
};
