#include "multi_qsl.h"

#include "dialogs.h"
#include "linetable.h"
#include "programdirectory.h"
#include "qsolistaccess.h"
#include "qsosearch.h"
#include "screen.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

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

bool Modif_Fichier_Log(const QList<int>& numbers, const QString& Ind) {
    const StationLog log(Ind);
    LineTable lines;
    if (!lines.read(log.path()))
        return false;
    return rewriteFile(log.path(), ProgramDirectory::filePath("Temporaire4.txt"),
                       markQslReceived(lines, numbers));
}

Multi_QSL::Multi_QSL(QsoListAccess& qsoList, const QString& callsign, QWidget* parent)
    : QDialog(parent), m_qsoList(qsoList), m_indicatif(named(new QLineEdit, "Indicatif")),
      m_list(named(new QListView, "Liste_QSO")), m_lines(new QStandardItemModel(this)),
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
}

void Multi_QSL::rechercher() {
    m_enregistre->setEnabled(true);
    m_lines->clear();
    const LineTable& log = m_qsoList.qsoLines();
    m_searchedCount = log.size();
    for (const QString& line : unconfirmedQsos(log, m_indicatif->text())) {
        auto* item = new QStandardItem(line);
        item->setCheckable(true);
        item->setEditable(false);
        m_lines->appendRow(item);
    }
}

void Multi_QSL::enregistrer() {
    QList<int> numbers;
    for (int row = 0; row < m_lines->rowCount(); ++row) {
        const QStandardItem* item = m_lines->item(row);
        if (item->checkState() == Qt::Checked)
            numbers.append(qsoNumber(item->text(), m_searchedCount));
    }
    if (numbers.isEmpty()) {
        showMessage("Selectionnez un ou plusieurs QSO");
        return;
    }
    const StationLog log(StationCallsign());
    if (!Modif_Fichier_Log(numbers, StationCallsign())) {
        showMessage(log.writeFailureMessage());
        return;
    }
    m_qsoList.reload();
    m_lines->clear();
}
