#include "recherche_indicatif.h"

#include "linetable.h"
#include "listheading.h"

#include "dialogs.h"
#include "qsolistaccess.h"
#include "screen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

template <class T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Lower-case letters a to z become capitals as they are typed.
void typeInCapitals(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString capitals = capitalsAToZ(text);
        if (capitals == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(capitals);
        edit->setCursorPosition(cursor);
    });
}

} // namespace

Recherche_Indicatif::Recherche_Indicatif(QWidget* owner)
    : QWidget(owner), m_options(new QButtonGroup(this)), m_indica(named(new QLineEdit, "Indica")),
      m_data(named(new QLineEdit, "Data")), m_depa(named(new QLineEdit, "Depa")),
      m_results(named(new QListView, "QSO_Effectues")), m_resultLines(new QStringListModel(this)) {
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Recherche QSO");

    auto* top = new QVBoxLayout(this);
    top->addWidget(named(new QLabel("Rechercher un QSO par ..."), "Label3"));
    auto* grid = new QGridLayout;
    const struct {
        SearchBy by;
        const char* caption;
        QLineEdit* edit;
    } rows[] = {{SearchBy::Callsign, "Indicatif", m_indica},
                {SearchBy::Date, "Date", m_data},
                {SearchBy::Reference, "Reference", m_depa}};
    for (const auto& row : rows) {
        const int index = int(row.by);
        auto* option =
            named(new QRadioButton(row.caption), QStringLiteral("Option1_%1").arg(index));
        m_options->addButton(option, index);
        row.edit->setAccessibleName(row.caption);
        row.edit->installEventFilter(this);
        grid->addWidget(option, index - 1, 0);
        grid->addWidget(row.edit, index - 1, 1);
        QLineEdit* edit = row.edit;
        connect(option, &QRadioButton::toggled, edit, [edit](bool on) {
            if (!on)
                return;
            // An arrow key on the options gives the next button the focus after checking it:
            // the field takes the focus back once that is done.
            if (qobject_cast<QRadioButton*>(QApplication::focusWidget()))
                QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
            edit->setFocus(Qt::OtherFocusReason);
        });
        const SearchBy by = row.by;
        connect(edit, &QLineEdit::returnPressed, this, [this, by] { enterPressed(by); });
    }
    grid->setColumnStretch(2, 1);
    top->addLayout(grid);
    typeInCapitals(m_indica);
    typeInCapitals(m_depa);

    auto* frame = named(new QGroupBox, "Frame1");
    auto* inFrame = new QVBoxLayout(frame);
    m_results->setModel(m_resultLines);
    m_results->setFont(fixedFont());
    // The two headings share the strip over the results, each word over its column.
    m_heading = named(new ListHeading(m_results, kSearchHeadingColumns), "Label13");
    auto* headings = new QGridLayout;
    headings->addWidget(m_heading, 0, 0);
    auto* qsl = named(new ListHeading(m_results, {kSearchQslColumn}), "Label10");
    qsl->setText("QSL");
    headings->addWidget(qsl, 0, 0);
    inFrame->addLayout(headings);
    m_results->setUniformItemSizes(true);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setToolTip("Cliquez sur le QSO pour le selectionner");
    m_results->setAccessibleName("QSO trouvés");
    // A result line and the QSL heading past its marker; the advance may be a fraction of a pixel.
    const int lineWidth =
        QFontMetrics(fixedFont()).horizontalAdvance(QString(kSearchQslColumn + 5, u'M'));
    m_results->setMinimumSize(qMin(lineWidth + 2 * m_results->frameWidth(), 1300), 300);
    inFrame->addWidget(m_results);
    top->addWidget(frame, 1);
    connect(m_results, &QListView::clicked, this,
            [this](const QModelIndex& index) { resultClicked(index.row()); });
    // Enter on a line, and a double-click, choose it as a click does.
    connect(m_results, &QListView::activated, this,
            [this](const QModelIndex& index) { resultClicked(index.row()); });

    auto* quit = named(new QPushButton("Quitter"), "Command1");
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(quit);
    top->addLayout(buttons);
}

void Recherche_Indicatif::setQsoList(QsoListAccess* list) {
    m_qsoList = list;
    m_qsoListOwner = dynamic_cast<QObject*>(list);
    m_guarded = m_qsoListOwner != nullptr;
    disconnect(m_ownerGone);
    if (m_guarded)
        m_ownerGone = connect(m_qsoListOwner, &QObject::destroyed, this, [this] {
            m_resultLines->setStringList({});
            m_results->setEnabled(false);
        });
    m_results->setEnabled(m_qsoList != nullptr);
}

QsoListAccess* Recherche_Indicatif::qsoList() const {
    return m_guarded && !m_qsoListOwner ? nullptr : m_qsoList;
}

void Recherche_Indicatif::opening() {
    m_options->button(int(SearchBy::Callsign))->setChecked(true);
    m_indica->clear();
    m_chosen = false;
    m_heading->setText(searchHeading());
    m_indica->setFocus(Qt::OtherFocusReason);
}

bool Recherche_Indicatif::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (const SearchBy by : {SearchBy::Callsign, SearchBy::Date, SearchBy::Reference})
            if (watched == field(by))
                m_options->button(int(by))->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

QLineEdit* Recherche_Indicatif::field(SearchBy by) const {
    switch (by) {
    case SearchBy::Callsign:
        return m_indica;
    case SearchBy::Date:
        return m_data;
    case SearchBy::Reference:
        return m_depa;
    }
    return m_indica;
}

SearchBy Recherche_Indicatif::selectedOption() const {
    return SearchBy(m_options->checkedId());
}

void Recherche_Indicatif::enterPressed(SearchBy by) {
    QLineEdit* edit = field(by);
    const QString refusal = checkSearchField(by, edit->text());
    if (!refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    Lance_Recherche();
}

void Recherche_Indicatif::Lance_Recherche() {
    m_resultLines->setStringList({});
    const SearchBy by = selectedOption();
    QLineEdit* edit = field(by);
    edit->setText(withoutLeadingLineBreak(edit->text()));
    const SearchOutcome outcome =
        searchQsos(qsoList() ? qsoList()->qsoLines() : LineTable(), by, edit->text());
    if (outcome.stopped) {
        showMessage(outcome.message);
        if (by == SearchBy::Callsign)
            m_indica->clear();
        return;
    }
    m_resultLines->setStringList(outcome.results);
    if (!outcome.message.isEmpty())
        showMessage(outcome.message);
    m_indica->clear();
    m_data->clear();
    m_depa->clear();
}

void Recherche_Indicatif::resultClicked(int row) {
    // A double-click is a click first: the QSO is chosen once.
    if (m_chosen)
        return;
    m_chosen = true;
    const QString chosen = m_resultLines->index(row).data().toString();
    if (QsoListAccess* list = qsoList()) {
        const int found = resultRow(list->qsoLines(), chosen);
        if (found >= 0)
            list->selectRow(found);
    }
    close();
}
