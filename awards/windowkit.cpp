#include "windowkit.h"

#include "screen.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QVBoxLayout>

namespace awards {

void setUpWindow(QWidget* window, const QString& title) {
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
}

void setUpWindow(QWidget* screen, const QString& className, const QString& caption) {
    screen->setObjectName(className);
    setUpWindow(screen, caption);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

namespace {

QListView* makeList(QWidget* parent, const QString& name, QStringListModel* model) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setFont(fixedFont());
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

} // namespace

QListView* makeTextList(QWidget* parent, const QString& name, QStringListModel* model, int columns,
                        int rows) {
    QListView* list = makeList(parent, name, model);
    const QFontMetrics metrics(list->font());
    const int frame = 2 * list->frameWidth();
    // Within a 1366 x 740 screen whatever the font; the scroll bars show the rest.
    list->setMinimumSize(qMin(metrics.horizontalAdvance(QString(columns, u'M')) + frame +
                                  list->verticalScrollBar()->sizeHint().width(),
                              1200),
                         qMin(metrics.height() * rows + frame, 420));
    return list;
}

QListView* makeLineList(QWidget* parent, const QString& name, QStringListModel* model,
                        int columns) {
    QListView* list = makeList(parent, name, model);
    const QFontMetrics metrics(list->font());
    list->setMinimumSize(metrics.horizontalAdvance(QString(columns + 4, u'M')),
                         metrics.height() * 24);
    return list;
}

QStringList listedLines(const QListView* list) {
    return static_cast<const QStringListModel*>(list->model())->stringList();
}

QVBoxLayout* makeScoreColumns(QWidget* screen, const QString& heading1, const QString& heading2,
                              QListView* list, QListView* under) {
    auto* top = new QVBoxLayout(screen);
    top->addWidget(addLabel(screen, QStringLiteral("Label7"), heading1));
    top->addWidget(addLabel(screen, QStringLiteral("Label8"), heading2));
    auto* columns = new QHBoxLayout;
    auto* lists = new QVBoxLayout;
    lists->addWidget(addLabel(screen, QStringLiteral("Label2")));
    lists->addWidget(list, 1);
    if (under)
        lists->addWidget(under);
    columns->addLayout(lists);
    auto* results = new QVBoxLayout;
    columns->addLayout(results);
    top->addLayout(columns, 1);
    return results;
}

void addCountRows(QWidget* screen, QVBoxLayout* results, std::initializer_list<CountRow> rows) {
    auto* counts = new QGridLayout;
    int row = 0;
    for (const CountRow& r : rows) {
        counts->addWidget(addLabel(screen, QString::fromLatin1(r.count)), row, 0, Qt::AlignRight);
        counts->addWidget(
            addLabel(screen, QString::fromLatin1(r.caption), QString::fromUtf8(r.text)), row, 1);
        ++row;
    }
    results->addLayout(counts);
}

void addVerdictAndRule(QWidget* screen, QVBoxLayout* results, const QList<const char*>& verdict,
                       const QList<const char*>& rule) {
    for (const auto& group : {verdict, rule}) {
        results->addSpacing(12);
        for (const char* name : group)
            results->addWidget(addLabel(screen, QString::fromLatin1(name)));
    }
    results->addStretch();
}

void makeLevelScores(QWidget* window, const QString& heading, const QStringList& captions,
                     const QString& levelsHeading, const QStringList& levelNames,
                     const QStringList& levels) {
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(
        addLabel(window, QStringLiteral("Label7"), QStringLiteral("Scores pour le diplome")), 0,
        Qt::AlignHCenter);
    layout->addWidget(addLabel(window, QStringLiteral("Label8"), heading), 0, Qt::AlignHCenter);
    auto* counts = new QGridLayout;
    counts->addWidget(addLabel(window, QStringLiteral("NB_Contacte")), 0, 0, Qt::AlignRight);
    counts->addWidget(addLabel(window, QStringLiteral("Label5"), captions.value(0)), 0, 1);
    counts->addWidget(addLabel(window, QStringLiteral("NB_Confirme")), 1, 0, Qt::AlignRight);
    counts->addWidget(addLabel(window, QStringLiteral("Label10"), captions.value(1)), 1, 1);
    counts->setColumnStretch(1, 1);
    layout->addLayout(counts);
    layout->addWidget(addLabel(window, QStringLiteral("Label1")));
    layout->addWidget(addLabel(window, QStringLiteral("Label2")));
    layout->addSpacing(12);
    layout->addWidget(addLabel(window, QStringLiteral("Label3"), levelsHeading));
    layout->addWidget(addLabel(window, QStringLiteral("Label4"),
                               QStringLiteral("Italiens il vous faut la confirmation de :")));
    for (qsizetype i = 0; i < levels.size(); ++i)
        layout->addWidget(addLabel(window, levelNames[i], levels[i]));
}

void showLevelScore(QWidget* window, int contacted, int confirmed, const QString& verdict1,
                    const QString& verdict2) {
    setLabel(window, "NB_Contacte", QString::number(contacted));
    setLabel(window, "NB_Confirme", QString::number(confirmed));
    setLabel(window, "Label1", verdict1);
    setLabel(window, "Label2", verdict2);
}

void setLabel(QWidget* screen, const char* name, const QString& text) {
    screen->findChild<QLabel*>(QString::fromLatin1(name))->setText(text);
}

void setLabels(QWidget* screen, const QList<const char*>& names, const QStringList& texts) {
    for (qsizetype i = 0; i < names.size(); ++i)
        setLabel(screen, names[i], texts[i]);
}

} // namespace awards
