#include "main.h"

#include "awardwindows.h"
#include "castlelist.h"
#include "clock.h"
#include "dialogs.h"
#include "entryrules.h"
#include "geoscreens.h"
#include "importscreen.h"
#include "programdirectory.h"
#include "provincetable.h"
#include "qsolistmodel.h"
#include "qsorecord.h"
#include "radiolink.h"
#include "radiolinkdialog.h"
#include "radiomapping.h"
#include "radiosettings.h"
#include "reportscreens.h"
#include "screen.h"
#include "station.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "userguide.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kHint = QStringLiteral(
    "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer");
const char* const kHistory[] = {
    "V1.0.0   le 24/07/2006 creation",
    "V1.1.0   le 08/11/2006 Ajouté touche 'Recherche QSO'",
    "V1.1.1   le 06/01/2007 Supprimé menu 'Date'ajouté mini carte",
    "V1.1.2   le 22/05/2007 Supprimé provinces MB et FM",
    "V1.1.3   le 01/06/2007 Ajouté gestion du diplome des Chateaux de Lombardie",
    "V1.1.4   le 06/06/2007 Ajouté gestion du diplome des Districts des Chateaux Italiens",
    "V1.1.5   le 06/07/2007 Ajouté gestion du diplome des Locators des Chateaux Italiens",
    "V1.1.6   le 19/09/2007 Ajouté gestion des QSL multiples",
    "V1.1.7   le 26/09/2007 Corrigé bug sur total score WAIS",
    "V1.1.8   le 19/10/2007 Ajouté 'Toutes' dans QRG des cartes",
    "V1.1.9   le 09/07/2008 Supprimé bouton 'Editer QSO'",
    "V1.2.0   le 13/02/2009 Ajout fichier demande de diplome DCI",
    "V1.2.1   le 03/03/2009 Reference province Medio Campidano passe de MD a VS",
    "V1.2.2   le 29/05/2009 Remis les provinces MB et FM ajouté BT",
};

const QString kAboutFooter = QStringLiteral(
    "Logiciel libre sous licence GNU GPL version 3 ou ultérieure (GPL-3.0-or-later).\n"
    "Cartes : régions d'après @svg-maps/italy (CC BY 4.0), pays voisins © OpenStreetMap (ODbL)");

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Main::Main(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Main");
    installAccessibility();
    setAttribute(Qt::WA_DeleteOnClose);
    buildWidgets();
    buildMenus();
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Main::tick);
    tick();
    m_timer->start();
    startUp();
}

Main::~Main() {
    delete m_radio;
}

void Main::buildWidgets() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* top = new QVBoxLayout(central);

    auto* stationRow = new QHBoxLayout;
    stationRow->addWidget(named(new QLabel, "Label_Station"));
    m_station = named(new QLabel, "I_Station");
    QFont bold = m_station->font();
    bold.setBold(true);
    m_station->setFont(bold);
    stationRow->addWidget(m_station);
    stationRow->addStretch();
    m_radioStatus = named(new QLabel, "Etat_Poste");
    m_radioStatus->hide();
    stationRow->addWidget(m_radioStatus);
    stationRow->addSpacing(24);
    m_utc = named(new QLabel, "Heure_Utc");
    m_local = named(new QLabel, "Heure_Loc");
    m_dateUtc = named(new QLabel, "Date_Utc");
    for (QLabel* l : {m_dateUtc, m_utc, m_local})
        stationRow->addWidget(l);
    top->addLayout(stationRow);

    auto* frame = named(new QGroupBox, "Frame_Saisie");
    auto* grid = new QGridLayout(frame);
    const auto lineEdit = [this](const char* name) {
        auto* e = named(new QLineEdit, name);
        e->installEventFilter(this);
        return e;
    };
    const auto combo = [this](const char* name, const QStringList& items) {
        auto* c = named(new QComboBox, name);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(items);
        // What is typed stays as typed: no completion from the list.
        c->setCompleter(nullptr);
        c->installEventFilter(this);
        return c;
    };
    m_ind = lineEdit("Ind_A");
    m_prenom = lineEdit("Prenom_A");
    m_ref = lineEdit("Ref_A");
    m_distr = lineEdit("Distr_A");
    m_loc = lineEdit("Loc_A");
    m_date = lineEdit("Date_A");
    m_heure = lineEdit("Heure_A");
    m_mode = combo("Mode_A", ModeList());
    m_bande = combo("Bande_A", BandList());
    m_rst = lineEdit("RST_A");
    m_rste = lineEdit("RSTE_A");
    m_rem = lineEdit("Rem_A");
    m_qsl = named(new QCheckBox, "QSL_A");
    m_qsl->installEventFilter(this);

    const struct {
        const char* label;
        QWidget* field;
        int stretch;
    } columns[] = {
        {"Label_Ind", m_ind, 3},     {"Label_Prenom", m_prenom, 4}, {"Label_Ref", m_ref, 2},
        {"Label_Distr", m_distr, 1}, {"Label_Loc", m_loc, 1},       {"Label_Date", m_date, 2},
        {"Label_Heure", m_heure, 2}, {"Label_Mode", m_mode, 2},     {"Label_QRG", m_bande, 3},
        {"Label_RST", m_rst, 1},     {"Label_RSTE", m_rste, 1},     {"Label_QSL", m_qsl, 1}};
    int col = 0;
    for (const auto& c : columns) {
        auto* label = named(new QLabel, c.label);
        label->setBuddy(c.field);
        grid->addWidget(label, 0, col);
        grid->addWidget(c.field, 1, col);
        grid->setColumnStretch(col, c.stretch);
        ++col;
    }
    auto* remLabel = named(new QLabel, "Label_Rem");
    remLabel->setBuddy(m_rem);
    grid->addWidget(remLabel, 2, 0);
    grid->addWidget(m_rem, 2, 1, 1, 6);
    top->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](const char* name) {
        auto* b = named(new QPushButton, name);
        buttons->addWidget(b);
        return b;
    };
    m_valide = button("Valide_A");
    m_efface = button("Efface_A");
    m_annule = button("Annule_Saisie");
    m_ajout = button("Ajout_QSO");
    m_recherche = button("Recherche");
    m_qslButton = button("QSL");
    buttons->addStretch();
    buttons->addWidget(named(new QLabel("Mode de saisie"), "Label_Mode_Aff"));
    m_modeAff = named(new QLabel, "Mode_Aff");
    m_modeAff->setFont(bold);
    buttons->addWidget(m_modeAff);
    top->addLayout(buttons);

    auto* hint = named(new QLabel, "Label_Hint");
    hint->setWordWrap(true);
    top->addWidget(hint);
    m_model = new QsoListModel(this);
    m_list = named(new QTableView, "Liste_QSO");
    m_list->setModel(m_model);
    m_list->setFont(fixedFont());
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the list, as it leaves any field.
    m_list->setTabKeyNavigation(false);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setCornerButtonEnabled(false);
    m_list->verticalHeader()->hide();
    // Rows of one height and columns sized from the font, never from the rows: a large log
    // loads at once.
    const QFontMetrics metrics(m_list->font());
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    QHeaderView* header = m_list->horizontalHeader();
    header->setFont(fixedFont());
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setHighlightSections(false);
    // Each title starts where its column's text starts.
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    const int padding = 2 * metrics.horizontalAdvance(u'M');
    const QList<QsoListModel::Column>& fields = QsoListModel::columns();
    for (int c = 0; c < fields.size(); ++c) {
        const int chars = qMax(fields[c].width, int(qstrlen(fields[c].title)));
        header->resizeSection(c, metrics.horizontalAdvance(QString(chars, u'M')) + padding);
    }
    m_list->viewport()->installEventFilter(this);
    top->addWidget(m_list, 1);

    connect(m_list, &QTableView::clicked, this,
            [this](const QModelIndex& i) { listClicked(i.row()); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != m_selectedRow)
                    listClicked(current.row());
            });
    connect(m_valide, &QPushButton::clicked, this, &Main::save);
    connect(m_efface, &QPushButton::clicked, this, &Main::Efface);
    connect(m_annule, &QPushButton::clicked, this, &Main::deleteSelected);
    connect(m_ajout, &QPushButton::clicked, this, &Main::startInsertion);
    connect(m_recherche, &QPushButton::clicked, this, [this] { openRechercheIndicatif(*this); });
    connect(m_qslButton, &QPushButton::clicked, this, [this] {
        const QString callsign = m_selectedListLine.isEmpty()
                                     ? QString()
                                     : RecordFromListLine(m_selectedListLine).callsign;
        openMultiQsl(*this, callsign, this);
    });

    // As wide as the list's columns where the screen allows; never wider than the screen.
    QSize wanted(header->length() + 40, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(16, 40));
    resize(wanted);
}

void Main::buildMenus() {
    QMenuBar* bar = menuBar();
    const auto menu = [bar](const char* name, const char* caption) {
        return named(bar->addMenu(QString::fromUtf8(caption)), name);
    };
    const auto entry = [](QMenu* m, const char* name, const QString& caption) {
        return named(m->addAction(caption), name);
    };
    const auto inert = [&entry](QMenu* m, const char* name, const char* caption) {
        entry(m, name, QString::fromUtf8(caption));
    };

    // Each top menu has its own letter (Alt+letter), and F10 opens the first: the whole program
    // is reachable without a mouse.
    QMenu* file = menu("Mnu_Fichier", "&Fichier");
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar,
            [bar, file] { bar->setActiveAction(file->menuAction()); });
    connect(entry(file, "Mnu_Quitter", "Quitter ZELK_DCI"), &QAction::triggered, this, [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    connect(entry(file, "Mnu_Rev_Liste_Chateau", "Revision du fichier\" Liste_Chateau.txt\""),
            &QAction::triggered, this, [] { showMessage(CastleList::ShowCastleListRevision()); });
    connect(entry(file, "Mnu_ADIF", "Exporter le log au format ADIF"), &QAction::triggered, this,
            &exportAdif);
    connect(entry(file, "Mnu_Import_ADIF", "Importer un fichier ADIF"), &QAction::triggered, this,
            [this] { importAdif(this, *this); });

    QMenu* station = menu("Mnu_Station", "&Station");
    connect(entry(station, "Mnu_New_Indicatif", "Nouvel Indicatif"), &QAction::triggered, this,
            &Main::openStation);
    connect(entry(station, "Mnu_Liaison_Poste", "Liaison avec le poste"), &QAction::triggered, this,
            &Main::openRadioLink);

    connect(entry(menu("Mnu_Imprimer", "I&mprimer"), "Mnu_Imp_Contacte",
                  QString::fromUtf8("les Chateaux contactés")),
            &QAction::triggered, this, &printContactedCastles);
    connect(
        entry(menu("Mnu_Enregistre", "&Enregistrer"), "Mnu_Enr_Contacte", "les Chateaux contactes"),
        &QAction::triggered, this, &saveContactedCastles);
    connect(entry(menu("Mnu_Affichage", "Affic&her"), "Mnu_C_Contacte", "les Chateaux contactes"),
            &QAction::triggered, this, &openAffContacte);
    connect(named(bar->addAction("Sit&uer"), "Mnu_Situer_P"), &QAction::triggered, this,
            &openSituation);

    QMenu* map = menu("Mnu_Carte", "&Carte");
    connect(entry(map, "Mnu_Carte_HB", "des regions contactées"), &QAction::triggered, this,
            &openCarteActiDci);
    connect(entry(map, "Mnu_Carte_Pro", "des provinces contactées"), &QAction::triggered, this,
            &openCarteItalie);

    QMenu* stats = menu("Mnu_Provinces", "S&tatistiques");
    connect(entry(stats, "Mnu_Region_Contact", "des Régions contactées"), &QAction::triggered, this,
            &openRegionsContacte);
    connect(entry(stats, "Mnu_Provinces_Contactes", "des Provinces contactées"),
            &QAction::triggered, this, &openProvinceContacte);

    QMenu* dci = menu("Mnu_D_DCI", "Diplome &DCI");
    inert(dci, "Mnu_Titre_DCI", "Diplome des Chateaux Italiens");
    connect(entry(dci, "Mnu_Reglement", "Règlement DCI"), &QAction::triggered, this,
            &openReglement);
    connect(entry(dci, "Mnu_Liste_DCI", "Liste des Chateaux contactés"), &QAction::triggered, this,
            &openAffContacte);
    connect(entry(dci, "Mnu_Scores", "Scores DCI"), &QAction::triggered, this, &openScores);

    QMenu* dclo = menu("Mnu_D_DCLO", "Diplome DC&Lo");
    inert(dclo, "Mnu_Titre_DCLO", "Diplome des Chateaux de LOmbardie");
    inert(dclo, "Mnu_Reglement_DCLO", "Règlement DCLo");
    connect(entry(dclo, "Mnu_Provinces_DCLO", "Listes des Chateaux contactés"), &QAction::triggered,
            this, &openAffContacteDclo);
    connect(entry(dclo, "Mnu_Scores_DCLO", "Scores DCLo"), &QAction::triggered, this,
            &openScoresDclo);

    QMenu* dcpc = menu("Mnu_DCPC", "Diplome DC&PC");
    inert(dcpc, "Mnu_Titre_DCPC", "Diplome des Chateaux de la Province de Cueno");
    connect(entry(dcpc, "Mnu_Reglement_DCPC", "Règlement DCPC"), &QAction::triggered, this,
            &openReglementDcpc);
    connect(entry(dcpc, "Mnu_Scores_DCPC", "Scores DCPC"), &QAction::triggered, this,
            &openScoresDcpc);

    QMenu* idca = menu("Mnu_IDCA", "Diplome &IDCA");
    inert(idca, "Mnu_Titre_IDCA", "Diplome des Districts des Chateau Italiens");
    inert(idca, "Mnu_Reglement_IDCA", "Règlement IDCA");
    connect(entry(idca, "Mnu_Districts_IDCA", "Liste des Districts contactés"), &QAction::triggered,
            this, &openAffContacteIdca);
    connect(entry(idca, "Mnu_Scores_IDCA", "Scores IDCA"), &QAction::triggered, this,
            &openScoresIdca);

    QMenu* wais = menu("Mnu_WAIS", "Diplome &WAIS");
    inert(wais, "Mnu_Titre_WAIS", "Diplome des Locators des Chateaux Italiens");
    connect(entry(wais, "Mnu_Locators_WAIS", "Liste des Locators contactés"), &QAction::triggered,
            this, &openAffContacteWais);
    connect(entry(wais, "Mnu_Scores_WAIS", "Scores WAIS"), &QAction::triggered, this,
            &openScoresWais);

    QMenu* help = menu("Mnu_aide", "&Aide");
    connect(entry(help, "Mnu_Historique", "Historique"), &QAction::triggered, this,
            [this] { showMessage(m_history); });
    connect(entry(help, "Mnu_Mode_Emploi", "Mode d'emploi"), &QAction::triggered, this,
            &openUserGuide);
    connect(entry(help, "Mnu_Apropos", "A propos"), &QAction::triggered, this, [] {
        showMessage("ZELK_DCI Revision " + StationSettings::kVersion + "\n\n" + kAboutFooter);
    });
}

void Main::SetMainCaptions() {
    const auto text = [this](const char* name, const QString& caption) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(name)))
            label->setText(caption);
    };
    text("Label_Hint", kHint);
    m_list->setToolTip(kHint);
    findChild<QGroupBox*>("Frame_Saisie")->setTitle("Saisie ou modification d'un QSO");
    text("Label_Station", "INDICATIF DE LA STATION  : ");
    text("Label_Ind", "Indicatif");
    text("Label_Prenom", "Prenom (optionel)");
    text("Label_Ref", "Ref Chateau");
    text("Label_Distr", "District");
    text("Label_Loc", "Locator");
    text("Label_Date", "Date");
    text("Label_Heure", "Heure UTC");
    text("Label_Mode", "Mode");
    text("Label_Rem", "Nom du Chateau");
    text("Label_QRG", "QRG");
    text("Label_RST", "RST R");
    text("Label_RSTE", "RST E");
    text("Label_QSL", "QSL");
    // Screen readers would otherwise call the combos by their value ("SSB").
    nameByCaption(m_mode, findChild<QLabel*>("Label_Mode")->text());
    nameByCaption(m_bande, findChild<QLabel*>("Label_QRG")->text());
    // A screen reader announces each field by its caption.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->buddy())
            label->buddy()->setAccessibleName(label->text());
    }
    m_rst->setText("59");
    m_rste->setText("59");
    m_annule->setText("Supprimer un QSO");
    m_valide->setText("Valider le QSO");
    m_efface->setText("Effacer saisie en cours");
    m_ajout->setText("Inserer un QSO");
    m_recherche->setText("Rechercher un QSO");
    m_qslButton->setText("Gestion des QSL");
}

void Main::applyStationSelections() {
    m_bande->setCurrentIndex(StationSettings::bandIndex(StationCallsign()));
    m_mode->setCurrentIndex(StationSettings::modeIndex(StationCallsign()));
}

void Main::startUp() {
    centreOnScreen(this);
    StationCallsign() = StationSettings::stationCallsign();
    m_station->setText(StationCallsign());
    applyStationSelections();
    SetMainCaptions();
    StationSettings::setProgramDirectory(ProgramDirectory::path());
    if (StationCallsign() == StationSettings::kNoStation)
        showMessage(EntryRules::kFirstInstallation);
    m_ind->setEnabled(true);
    m_ind->setFocus();
    setEntryMode(EntryMode::New);
    for (const char* line : kHistory)
        m_history += QString::fromUtf8(line) + "\n";
    setWindowTitle("  ZELK_DCI    Revision " + StationSettings::kVersion);
    if (StationCallsign() != StationSettings::kNoStation)
        LoadQsoList();
    StationSettings::setRevision(StationCallsign());
    selectLastQso();
    Efface();
    m_annule->setEnabled(false);
    applyRadioSettings();
}

void Main::tick() {
    const Clock& clock = Clock::instance();
    const QDateTime utc = clock.nowUtc();
    m_utc->setText(clockTime(utc).left(5) + " Utc");
    m_local->setText(clockTime(clock.nowLocal()).left(5) + " Loc");
    m_dateUtc->setText(clockDate(utc));
    m_utc->setEnabled(true);
    m_local->setEnabled(true);
}

void Main::openStation() {
    if (!m_stationScreen)
        m_stationScreen = new Station([this] { stationValidated(); }, this);
    m_stationScreen->show();
    m_stationScreen->raise();
    m_stationScreen->activateWindow();
}

void Main::openRadioLink() {
    if (!m_radioScreen)
        m_radioScreen = new RadioLinkDialog([this] { applyRadioSettings(); }, this);
    m_radioScreen->show();
    m_radioScreen->raise();
    m_radioScreen->activateWindow();
}

void Main::applyRadioSettings() {
    delete m_radio;
    m_radio = nullptr;
    m_radioHz = -1;
    m_radioMode.clear();
    m_radioLostShown = false;
    const RadioSettings settings = RadioSettings::load();
    m_radioStatus->setVisible(settings.on);
    m_radioStatus->setToolTip(QString());
    // With the link off, nothing of Hamlib is opened.
    if (!settings.on) {
        m_radioStatus->clear();
        return;
    }
    m_radioStatus->setText(QString::fromUtf8("Poste : connexion…"));
    m_radio = new RadioLink(settings, this);
    connect(m_radio, &RadioLink::radioRead, this, &Main::radioRead);
    connect(m_radio, &RadioLink::linkLost, this, &Main::radioLost);
}

void Main::radioRead(qint64 hz, const QString& hamlibMode) {
    m_radioHz = hz;
    m_radioMode = hamlibMode;
    m_radioStatus->setText("Poste : " + radioReadingText(hz, hamlibMode));
    m_radioStatus->setToolTip(QString());
    followRadio();
}

void Main::radioLost(const QString& reason) {
    m_radioHz = -1;
    m_radioMode.clear();
    m_radioStatus->setText("Poste : liaison perdue");
    m_radioStatus->setToolTip(reason);
    // The link is retried on its own; one box is enough.
    if (m_radioLostShown)
        return;
    m_radioLostShown = true;
    showMessage(QString::fromUtf8("La liaison avec le poste est perdue (%1).\n"
                                  "Le programme la rétablit dès que le poste répond.")
                    .arg(reason));
}

void Main::stationValidated() {
    m_station->setText(QString(StationCallsign()).replace(u'_', u'/'));
    applyStationSelections();
    LoadQsoList();
    // The selection of the previous station's log means nothing in this one.
    m_selectedListLine.clear();
    m_selectedRow = -1;
    Efface();
    takeKeyboardBack();
}

void Main::LoadQsoList() {
    const StationLog log(StationCallsign());
    if (!m_model->read(log.path()))
        showMessage(log.readFailureMessage());
    m_selectedRow = -1;
    if (m_model->rowCount() == 0)
        m_selectedListLine.clear();
    m_ind->setEnabled(true);
}

void Main::selectLastQso() {
    selectRow(m_model->rowCount() - 1);
}

QStringList Main::listLines() const {
    QStringList out;
    out.reserve(m_model->rowCount());
    for (int row = 0; row < m_model->rowCount(); ++row)
        out.append(m_model->listLine(row));
    return out;
}

const LineTable& Main::qsoLines() const {
    return m_model->fileLines();
}

void Main::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row);
    m_selectedRow = row;
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
    listClicked(row);
}

void Main::reload() {
    LoadQsoList();
    selectLastQso();
}
