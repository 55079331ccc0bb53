#pragma once
#include <QStringList>

// What a screen that acts back on the QSO list of Main may do with it.
class QsoListAccess {
public:
    virtual ~QsoListAccess() = default;
    // The list lines, in file order.
    virtual QStringList listLines() const = 0;
    // The file line each row came from.
    virtual QString fileLine(int row) const = 0;
    // Selects a row as a click would.
    virtual void selectRow(int row) = 0;
    // Reloads the list from the log and selects its last row.
    virtual void reload() = 0;
};
