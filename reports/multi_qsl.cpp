#include "multi_qsl.h"

#include "dialogs.h"
#include "linetable.h"
#include "programdirectory.h"
#include "qsolistaccess.h"
#include "qsorecord.h"
#include "qsosearch.h"
#include "screen.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QAbstractListModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

template <class T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QPushButton* button(const QString& name, const QString& caption) {
    auto* b = named(new QPushButton(caption), name);
    // Enter in the callsign field must not press a button of its own accord.
    b->setAutoDefault(false);
    return b;
}

} // namespace

// The QSOs found, with their ticks. A row keeps only its line's place in the log; its list line
// is built when shown, so that a station met thousands of times is listed at once.
class FoundQsos : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void show(const LineTable& log, QList<int> rows) {
        beginResetModel();
        m_log = log;
        m_rows = std::move(rows);
        m_ticked.assign(size_t(m_rows.size()), false);
        m_numberWidth = listNumberWidth(log.size());
        endResetModel();
    }
    // The numbers (from 1) of the QSOs ticked.
    QList<int> tickedNumbers() const {
        QList<int> numbers;
        for (qsizetype i = 0; i < m_rows.size(); ++i)
            if (m_ticked[size_t(i)])
                numbers.append(m_rows[i] + 1);
        return numbers;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        const int row = m_rows[index.row()];
        if (role == Qt::DisplayRole)
            return ListLine(row + 1, m_log.shownLine(row), m_numberWidth);
        if (role == Qt::CheckStateRole)
            return int(m_ticked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked);
        return {};
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::CheckStateRole)
            return false;
        m_ticked[size_t(index.row())] = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid())
            return Qt::NoItemFlags;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    }

private:
    LineTable m_log;
    QList<int> m_rows;
    std::vector<bool> m_ticked;
    int m_numberWidth = 5;
};

bool Modif_Fichier_Log(const QList<int>& numbers, const QString& Ind) {
    const StationLog log(Ind);
    QList<int> marked = numbers;
    std::sort(marked.begin(), marked.end());
    auto next = marked.cbegin();
    int number = 0;
    FileRewrite out(log.path(), ProgramDirectory::filePath("Temporaire4.txt"));
    if (!scanLines(log.path(), [&](QByteArrayView line) {
            ++number;
            while (next != marked.cend() && *next < number)
                ++next;
            if (next != marked.cend() && *next == number)
                out.add(qslMarked(line));
            else
                out.add(line);
            return false;
        }))
        return false;
    return out.commit();
}

Multi_QSL::Multi_QSL(QsoListAccess& qsoList, const QString& callsign, QWidget* parent)
    : QDialog(parent), m_qsoList(qsoList), m_qsoListOwner(dynamic_cast<QObject*>(&qsoList)),
      m_guarded(m_qsoListOwner), m_indicatif(named(new QLineEdit, "Indicatif")),
      m_list(named(new QListView, "Liste_QSO")), m_lines(new FoundQsos(this)),
      m_enregistre(button("Enregistre", "Enregistrer")) {
    setWindowTitle("Enregistrement des QSL multiples");
    setModal(true);

    auto* top = new QVBoxLayout(this);
    auto* title = named(new QLabel("Enregistrement des QSL multiples"), "Label2");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    top->addWidget(title);
    auto* search = new QHBoxLayout;
    auto* caption = named(new QLabel("Pour rechercher les QSO avec la station"), "Label3");
    caption->setBuddy(m_indicatif);
    search->addWidget(caption);
    search->addWidget(m_indicatif);
    auto* recherche = button("Recherche", "Rechercher");
    search->addWidget(recherche);
    search->addStretch();
    top->addLayout(search);

    m_list->setModel(m_lines);
    m_list->setFont(fixedFont());
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAccessibleName("QSO non confirmés");
    const int charWidth = QFontMetrics(fixedFont()).horizontalAdvance(u'M');
    m_list->setMinimumSize(qMin(162 * charWidth, 1300), 300);
    top->addWidget(m_list, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(named(new QLabel(QString::fromUtf8(
                                "Cochez dans la liste ci-dessus les QSL reçues puis cliquez sur")),
                            "Label1"));
    bottom->addWidget(named(new QLabel("cliquez sur"), "Label4"));
    bottom->addWidget(m_enregistre);
    bottom->addStretch();
    auto* quitter = button("Quitter", "Quitter");
    bottom->addWidget(quitter);
    top->addLayout(bottom);

    m_enregistre->setEnabled(false);
    m_indicatif->setText(callsign);
    connect(recherche, &QPushButton::clicked, this, &Multi_QSL::rechercher);
    connect(m_enregistre, &QPushButton::clicked, this, &Multi_QSL::enregistrer);
    connect(quitter, &QPushButton::clicked, this, &QDialog::reject);
    if (m_qsoListOwner)
        connect(m_qsoListOwner, &QObject::destroyed, this, &QDialog::reject);
}

QsoListAccess* Multi_QSL::qsoList() const {
    return m_guarded && !m_qsoListOwner ? nullptr : &m_qsoList;
}

void Multi_QSL::rechercher() {
    QsoListAccess* list = qsoList();
    if (!list)
        return;
    m_enregistre->setEnabled(true);
    const LineTable& log = list->qsoLines();
    m_lines->show(log, unconfirmedRows(log, m_indicatif->text()));
}

void Multi_QSL::enregistrer() {
    const QList<int> numbers = m_lines->tickedNumbers();
    if (numbers.isEmpty()) {
        showMessage("Selectionnez un ou plusieurs QSO");
        return;
    }
    const StationLog log(StationCallsign());
    if (!Modif_Fichier_Log(numbers, StationCallsign())) {
        showMessage(log.writeFailureMessage());
        return;
    }
    if (QsoListAccess* list = qsoList())
        list->reload();
    m_lines->show({}, {});
}
