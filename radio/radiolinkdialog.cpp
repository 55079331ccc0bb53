#include "radiolinkdialog.h"

#include "dialogs.h"
#include "hamlibrig.h"
#include "radiomapping.h"
#include "radiosettings.h"
#include "screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QThread>

namespace {

constexpr int kSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

RadioLinkDialog::RadioLinkDialog(std::function<void()> validated, QWidget* parent)
    : QWidget(parent, Qt::Window), m_validated(std::move(validated)) {
    setObjectName("Liaison_Poste");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Liaison avec le poste");
    const RadioSettings settings = RadioSettings::load();

    m_filter = named(new QLineEdit, "Filtre_Modele");
    m_filter->setPlaceholderText("Chercher par fabricant ou modèle");
    m_filter->installEventFilter(this);
    m_models = new QStandardItemModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_models);
    m_list = named(new QListView, "Modele_Poste");
    m_list->setModel(m_proxy);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fillModels(settings.model);
    connect(m_filter, &QLineEdit::textChanged, this, &RadioLinkDialog::filterModels);

    m_port = named(new QLineEdit(settings.port), "Port_Poste");
    m_port->setPlaceholderText("127.0.0.1:4532 ou /dev/ttyUSB0");
    m_speed = named(new QComboBox, "Vitesse_Poste");
    m_speed->addItem("Celle du poste", 0);
    for (int speed : kSpeeds)
        m_speed->addItem(QString::number(speed), speed);
    m_speed->setCurrentIndex(std::max(0, m_speed->findData(settings.speed)));
    m_on = named(new QCheckBox("Liaison active"), "Liaison_Active");
    m_on->setChecked(settings.on);
    m_test = named(new QPushButton("Tester"), "Tester");
    m_result = named(new QLabel, "Resultat_Test");
    auto* ok = named(new QPushButton("Valider"), "Valider_Liaison");
    auto* cancel = named(new QPushButton("Annuler"), "Annuler_Liaison");
    connect(m_test, &QPushButton::clicked, this, &RadioLinkDialog::test);
    connect(ok, &QPushButton::clicked, this, &RadioLinkDialog::validate);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    const auto row = [grid](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        field->setAccessibleName(caption);
        const int r = grid->rowCount();
        grid->addWidget(label, r, 0);
        grid->addWidget(field, r, 1);
    };
    row("Chercher", m_filter);
    row("Modèle du poste", m_list);
    row("Port", m_port);
    row("Vitesse (bauds)", m_speed);
    grid->addWidget(m_on, grid->rowCount(), 1);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(m_test);
    testRow->addWidget(m_result, 1);
    grid->addLayout(testRow, grid->rowCount(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 2);
    resize(520, 480);
    centreOnScreen(this);
    m_filter->setFocus();
}

RadioLinkDialog::~RadioLinkDialog() {
    // The test's reading is bounded by Hamlib's timeout.
    if (m_testThread) {
        m_testThread->wait();
        delete m_testThread;
    }
}

void RadioLinkDialog::fillModels(int current) {
    auto* network = new QStandardItem(kNetworkCaption);
    network->setData(RadioSettings::kNetworkModel, Qt::UserRole);
    m_models->appendRow(network);
    for (const RadioModel& m : HamlibRig::models()) {
        // The network client is the entry above.
        if (m.model == RadioSettings::kNetworkModel)
            continue;
        auto* item = new QStandardItem(m.maker + ' ' + m.name);
        item->setData(m.model, Qt::UserRole);
        m_models->appendRow(item);
    }
    const QModelIndexList found =
        m_proxy->match(m_proxy->index(0, 0), Qt::UserRole, current, 1, Qt::MatchExactly);
    m_list->setCurrentIndex(found.isEmpty() ? m_proxy->index(0, 0) : found.first());
}

void RadioLinkDialog::filterModels(const QString& text) {
    // Every word typed, in any order: "yaesu 991" finds the Yaesu FT-991.
    QString pattern = QStringLiteral("^");
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        pattern += "(?=.*" + QRegularExpression::escape(word) + ")";
    m_proxy->setFilterRegularExpression(
        QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption));
    if (!m_list->currentIndex().isValid() && m_proxy->rowCount() > 0)
        m_list->setCurrentIndex(m_proxy->index(0, 0));
}

int RadioLinkDialog::chosenModel() const {
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.data(Qt::UserRole).toInt() : 0;
}

RadioSettings RadioLinkDialog::chosenSettings() const {
    RadioSettings s;
    s.on = m_on->isChecked();
    s.model = chosenModel();
    s.port = m_port->text().trimmed();
    s.speed = m_speed->currentData().toInt();
    return s;
}

bool RadioLinkDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // From the search into the list it narrowed.
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_list->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool RadioLinkDialog::testing() const {
    return m_testThread && m_testThread->isRunning();
}

void RadioLinkDialog::test() {
    const RadioSettings settings = chosenSettings();
    if (settings.model == 0) {
        showMessage("Choisissez le modèle du poste");
        return;
    }
    if (testing())
        return;
    delete m_testThread;
    m_result->setText("Lecture du poste…");
    m_testThread = QThread::create([this, settings] {
        HamlibRig rig;
        QString error = rig.open(settings);
        std::optional<RadioReading> reading;
        if (error.isEmpty())
            reading = rig.read(&error);
        const QString text = reading
                                 ? "Fréquence lue : " + radioReadingText(reading->hz, reading->mode)
                                 : "Pas de réponse du poste : " + error;
        QMetaObject::invokeMethod(
            this, [this, text] { m_result->setText(text); }, Qt::QueuedConnection);
    });
    m_testThread->start();
}

void RadioLinkDialog::validate() {
    const RadioSettings settings = chosenSettings();
    if (settings.model == 0) {
        showMessage("Choisissez le modèle du poste");
        return;
    }
    settings.save();
    if (m_validated)
        m_validated();
    close();
}
