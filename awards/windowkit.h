#pragma once
#include <QString>
#include <QStringList>

#include <initializer_list>

class QLabel;
class QListView;
class QStringListModel;
class QVBoxLayout;
class QWidget;

// The make-up shared by the award windows.
namespace awards {

// A top-level window, discarded when closed.
void setUpWindow(QWidget* window, const QString& title);
// The same, named as its class.
void setUpWindow(QWidget* screen, const QString& className, const QString& caption);
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text = {});
// A read-only list of text lines in the fixed-pitch font, wide and tall enough for `columns`
// characters and `rows` lines.
QListView* makeTextList(QWidget* parent, const QString& name, QStringListModel* model, int columns,
                        int rows);
// A read-only list of text lines in the fixed-pitch font, `columns` characters wide.
QListView* makeLineList(QWidget* parent, const QString& name, QStringListModel* model, int columns);
// The lines a list holds, in list order.
QStringList listedLines(const QListView* list);

// The castle score windows: two heading lines, then the list under its header (Label2) beside
// the results column, which is returned.
QVBoxLayout* makeScoreColumns(QWidget* screen, const QString& heading1, const QString& heading2,
                              QListView* list, QListView* under = nullptr);
struct CountRow {
    const char* count;
    const char* caption;
    const char* text;
};
// Counts right-aligned before their captions.
void addCountRows(QWidget* screen, QVBoxLayout* results, std::initializer_list<CountRow> rows);
// The verdict and the rule of the award, each a group of empty labels, then the stretch.
void addVerdictAndRule(QWidget* screen, QVBoxLayout* results, const QList<const char*>& verdict,
                       const QList<const char*>& rule);
// The IDCA and WAIS score windows: two heading lines, the counts NB_Contacte and NB_Confirme
// before their captions (Label5, Label10), the verdict (Label1, Label2), then the levels to reach
// under Label3 and Label4.
void makeLevelScores(QWidget* window, const QString& heading, const QStringList& captions,
                     const QString& levelsHeading, const QStringList& levelNames,
                     const QStringList& levels);
void showLevelScore(QWidget* window, int contacted, int confirmed, const QString& verdict1,
                    const QString& verdict2);
void setLabel(QWidget* screen, const char* name, const QString& text);
void setLabels(QWidget* screen, const QList<const char*>& names, const QStringList& texts);

} // namespace awards
