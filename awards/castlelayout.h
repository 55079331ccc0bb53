#pragma once
#include <QString>
#include <QStringList>

class QLabel;
class QListView;
class QStringListModel;
class QWidget;

// The make-up shared by the castle award screens.
namespace awards {

// A top-level window, discarded when closed.
void setUpWindow(QWidget* screen, const QString& className, const QString& caption);
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text = {});
// A read-only list of text lines in the fixed-pitch font, wide and tall enough for `columns`
// characters and `rows` lines.
QListView* makeTextList(QWidget* parent, const QString& name, QStringListModel* model, int columns,
                        int rows);
// The lines a list holds, in list order.
QStringList listedLines(const QListView* list);

} // namespace awards
