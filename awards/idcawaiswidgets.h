#pragma once
#include <QString>

class QLabel;
class QListView;
class QStringListModel;
class QWidget;

// The make-up shared by the IDCA, WAIS and request windows.
namespace awards {

// A top-level window, discarded when closed.
void setUpWindow(QWidget* window, const QString& title);
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text);
// A read-only list of text lines in the fixed-pitch font, `columns` characters wide.
QListView* makeLineList(QWidget* parent, const QString& name, QStringListModel* model, int columns);

} // namespace awards
