// The entry chain of Main and its modes: new, display, modification, insertion.
#include "main.h"

#include "castlelist.h"
#include "codepage.h"
#include "dialogs.h"
#include "entryrules.h"
#include "firstnamelist.h"
#include "geoscreens.h"
#include "qsolistmodel.h"
#include "qsorecord.h"
#include "radiomapping.h"
#include "screen.h"
#include "stationlog.h"
#include "stationsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// A key that edits a field's text or moves its choice in the list.
bool changesText(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return !isEnter(key) && !key->text().isEmpty() && key->text()[0].isPrint();
    }
}

QString fieldText(QWidget* field) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    return {};
}

} // namespace

QList<QWidget*> Main::chain() const {
    return {m_ind,  m_prenom, m_ref, m_distr, m_loc, m_date, m_heure,
            m_mode, m_bande,  m_rst, m_rste,  m_rem, m_qsl};
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (m_list && watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // After the click that selected the item.
        QTimer::singleShot(0, this, &Main::listDoubleClicked);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // A combo box keeps the focus and hands keys to its line edit itself, so it is the combo
    // that is watched.
    QWidget* field = qobject_cast<QWidget*>(watched);
    if (!chain().contains(field))
        return QMainWindow::eventFilter(watched, event);

    if (field == m_ind && StationCallsign() == StationSettings::kNoStation &&
        (isEnter(key) || !key->text().isEmpty())) {
        showMessage(EntryRules::kFirstInstallation);
        return false;
    }
    if (field == m_mode || field == m_bande) {
        if (changesText(key))
            (field == m_mode ? m_modeTyped : m_bandTyped) = true;
        rememberModeAndBand(field);
    }
    if (isEnter(key)) {
        onEnter(field);
        return true;
    }
    if (field == m_qsl)
        return false;
    const QString text = key->text();
    // Alt+letter is a menu's key: a letter without a menu is not typed either.
    if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier) &&
        !key->text().isEmpty() && key->text()[0].isPrint())
        return true;
    // Shortcuts such as Ctrl+A act on the field; only typed characters follow the rules.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (text.size() != 1 || text[0].isNull() || !text[0].isPrint())
        return false;
    const QChar c = text[0];
    // One byte per column in the log: a character the code page lacks is refused.
    if (!isCp1252Encodable(c))
        return true;
    if (c >= u'a' && c <= u'z') {
        auto* combo = qobject_cast<QComboBox*>(field);
        QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(field);
        edit->insert(QString(c.toUpper()));
        return true;
    }
    return false;
}

void Main::rememberModeAndBand(QWidget* field) {
    if (qsoSelected())
        return;
    auto* combo = static_cast<QComboBox*>(field);
    const int index = combo->findText(combo->currentText(), Qt::MatchExactly);
    if (combo == m_mode)
        StationSettings::setModeIndex(StationCallsign(), index);
    else
        StationSettings::setBandIndex(StationCallsign(), index);
}

void Main::moveTo(QWidget* from, QWidget* next) {
    setBackground(from, Colours::kPassed);
    next->setEnabled(true);
    setBackground(next, Colours::kCurrent);
    next->setFocus();
}

void Main::onEnter(QWidget* field) {
    if (field == m_ind)
        return enterCallsign();
    if (field == m_ref)
        return enterReference();
    if (field == m_qsl)
        return moveTo(m_qsl, m_valide);
    struct Step {
        QWidget* field;
        QString (*check)(const QString&);
        QWidget* next;
    };
    const Step steps[] = {
        {m_prenom, EntryRules::firstName, m_ref}, {m_distr, EntryRules::district, m_loc},
        {m_loc, EntryRules::locator, m_date},     {m_date, EntryRules::date, m_heure},
        {m_heure, EntryRules::time, m_mode},      {m_mode, EntryRules::mode, m_bande},
        {m_bande, EntryRules::band, m_rst},       {m_rst, EntryRules::rst, m_rste},
        {m_rste, EntryRules::rst, m_rem},         {m_rem, EntryRules::castleName, m_qsl},
    };
    for (const Step& s : steps) {
        if (s.field != field)
            continue;
        const QString refusal = s.check(fieldText(field));
        if (!refusal.isEmpty())
            showMessage(refusal);
        else
            moveTo(field, s.next);
        return;
    }
}

void Main::enterCallsign() {
    const QString callsign = m_ind->text();
    const QString refusal = EntryRules::callsign(callsign);
    if (!refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    const std::optional<QString> firstName = FirstNameList::FindFirstName(callsign);
    if (firstName) {
        m_prenom->setEnabled(true);
        m_prenom->setText(*firstName);
    }
    moveTo(m_ind, m_prenom);
}

void Main::enterReference() {
    const QString reference = m_ref->text();
    QString refusal = EntryRules::referenceLength(reference);
    if (!refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    const StationLog log(StationCallsign());
    if (!qsoSelected()) {
        if (const std::optional<QString> date = log.findReference(reference))
            showMessage(EntryRules::alreadyContacted(reference, *date));
    }
    refusal = EntryRules::referenceProvince(reference);
    if (!refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    QWidget* miniMap = nullptr;
    if (!log.findProvincePrefix(reference.left(2)))
        miniMap = openMiniCarte(reference);

    const CastleList::Castle castle = CastleList::FindCastle(reference);
    if (castle.status == CastleList::Status::Found) {
        m_rem->setText(castle.name);
        m_distr->setText(castle.district);
        m_loc->setText(castle.locator);
    } else if (castle.status == CastleList::Status::NotFound) {
        m_rem->clear();
        m_distr->clear();
        m_loc->clear();
    }
    for (QLineEdit* e : {m_rem, m_distr, m_loc})
        e->setEnabled(true);
    if (castle.status != CastleList::Status::Found)
        showMessage(EntryRules::kCastleNotListed);

    if (m_entryMode != EntryMode::New) {
        moveTo(m_ref, m_distr);
    } else {
        m_date->setText(m_dateUtc->text());
        m_heure->setText(m_utc->text().left(5));
        moveTo(m_ref, m_mode);
    }
    if (miniMap) {
        miniMap->raise();
        miniMap->activateWindow();
        // Once the operator leaves the map, the keys come back to the entry.
        connect(miniMap, &QObject::destroyed, this, &Main::takeKeyboardBack);
    }
}

QsoRecord Main::fieldsRecord() const {
    QsoRecord r;
    r.callsign = m_ind->text();
    r.district = m_distr->text();
    r.firstName = m_prenom->text();
    r.reference = m_ref->text();
    r.date = m_date->text();
    r.time = m_heure->text();
    r.mode = m_mode->currentText();
    r.band = m_bande->currentText();
    r.rstReceived = m_rst->text();
    r.rstSent = m_rste->text();
    r.castleName = m_rem->text();
    r.qslReceived = m_qsl->isChecked();
    r.locator = m_loc->text();
    return r;
}

void Main::fillFields(const QString& listLine) {
    const QsoRecord r = RecordFromListLine(listLine);
    m_ind->setText(r.callsign);
    m_prenom->setText(r.firstName);
    m_ref->setText(r.reference);
    m_distr->setText(r.district);
    m_loc->setText(r.locator);
    m_date->setText(r.date);
    m_heure->setText(r.time);
    m_mode->setEditText(r.mode);
    m_bande->setEditText(r.band);
    m_rst->setText(r.rstReceived);
    m_rste->setText(r.rstSent);
    m_rem->setText(r.castleName);
    m_qsl->setChecked(r.qslReceived);
}

void Main::takeKeyboardBack() {
    raise();
    activateWindow();
}

void Main::setEntryMode(EntryMode mode) {
    m_entryMode = mode;
    static const char* const kCaptions[] = {"Saisie QSO", "Affichage QSO", "Modification QSO",
                                            "Insertion QSO"};
    m_modeAff->setText(QString::fromLatin1(kCaptions[static_cast<int>(mode)]));
    if (mode == EntryMode::Modification)
        m_valide->setEnabled(true);
}

bool Main::qsoSelected() const {
    return m_entryMode == EntryMode::Display || m_entryMode == EntryMode::Modification;
}

void Main::listClicked(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_selectedRow = row;
    m_selectedListLine = m_model->listLine(row);
    // While a QSO is being modified, a click only chooses the QSO that saving replaces.
    if (m_entryMode == EntryMode::Modification)
        return;
    setEntryMode(EntryMode::Display);
    m_ind->setEnabled(false);
    fillFields(m_selectedListLine);
    m_annule->setEnabled(true);
    setBackground(m_ind, Colours::kPassed);
}

void Main::listDoubleClicked() {
    if (m_entryMode == EntryMode::Modification)
        return;
    if (m_selectedListLine.isEmpty()) {
        showMessage("Cliquez sur une ligne pour l'editer");
        return;
    }
    for (QWidget* w : chain())
        w->setEnabled(true);
    setBackground(m_ind, Colours::kCurrent);
    fillFields(m_selectedListLine);
    setEntryMode(EntryMode::Modification);
    m_ind->setFocus();
}

bool Main::applyLogChange(bool ok) {
    if (!ok)
        showMessage(StationLog(StationCallsign()).writeFailureMessage());
    LoadQsoList();
    selectLastQso();
    return ok;
}

void Main::save() {
    const QsoRecord record = fieldsRecord();
    if (m_entryMode == EntryMode::Insertion) {
        // The date order needs a date and time; the typed QSO stays for the operator to mend.
        const QString refusal = EntryRules::insertionDateTime(record.date, record.time);
        if (!refusal.isEmpty()) {
            showMessage(refusal);
            return;
        }
    }
    if (askQuestion("Voulez vous enregistrer ces données ?")) {
        m_prenom->setText(toUpperCp1252(m_prenom->text()));
        const QString line = BuildLogLine(fieldsRecord());
        const StationLog log(StationCallsign());
        bool written = false;
        switch (m_entryMode) {
        case EntryMode::Display:
        case EntryMode::Modification:
            written = log.replaceQso(line, m_model->fileLine(m_selectedRow), m_selectedRow + 1);
            break;
        case EntryMode::Insertion:
            written = log.insertQsoByDateTime(line);
            break;
        case EntryMode::New:
            written = log.appendQso(line);
            break;
        }
        // The first names follow the log: a QSO that was not written teaches no name.
        if (applyLogChange(written) &&
            !FirstNameList::UpdateFirstNameList(m_ind->text(), m_prenom->text()))
            showMessage("Impossible d'enregistrer le fichier Liste_Prenom.txt");
    }
    resetAfterSave();
}

void Main::followRadio() {
    if (m_radioHz < 0 || m_entryMode != EntryMode::New)
        return;
    const auto follow = [this](QComboBox* combo, bool typed, const QString& value) {
        if (typed || value.isEmpty() || combo->currentText() == value)
            return;
        const int index = combo->findText(value, Qt::MatchExactly);
        if (index >= 0)
            combo->setCurrentIndex(index);
        combo->setEditText(value);
        rememberModeAndBand(combo);
    };
    follow(m_bande, m_bandTyped, bandForFrequency(m_radioHz));
    follow(m_mode, m_modeTyped, logModeForHamlib(m_radioMode));
}

void Main::clearFields(const QString& castleFill) {
    m_bandTyped = false;
    m_modeTyped = false;
    for (QLineEdit* e : {m_ind, m_prenom, m_ref, m_date, m_heure, m_rem})
        e->clear();
    m_distr->setText(castleFill);
    m_loc->setText(castleFill);
    m_rst->setText("59");
    m_rste->setText("59");
    for (QWidget* w : chain()) {
        w->setEnabled(false);
        if (w != m_qsl)
            setBackground(w, Colours::kPassed);
    }
    m_qsl->setChecked(false);
    m_ind->setEnabled(true);
    setBackground(m_ind, Colours::kCurrent);
    m_ind->setFocus();
    m_valide->setEnabled(false);
    setEntryMode(EntryMode::New);
}

void Main::resetAfterSave() {
    selectLastQso();
    clearFields(QString());
    applyStationSelections();
    followRadio();
}

void Main::Efface() {
    clearFields(QStringLiteral("  "));
    m_annule->setEnabled(false);
    followRadio();
}

void Main::deleteSelected() {
    if (m_selectedListLine.isEmpty() || m_selectedRow < 0) {
        showMessage("Cliquez sur une ligne pour l'effacerer");
        return;
    }
    const QString line = m_model->fileLine(m_selectedRow);
    if (askQuestion("Voulez vous Supprimer ce QSO ?")) {
        const bool deleted = StationLog(StationCallsign()).deleteQso(line, m_selectedRow + 1);
        // Whatever mode the delete came from, the new last QSO is only shown; with no QSO left
        // the entry starts anew.
        Efface();
        applyLogChange(deleted);
    }
    m_annule->setEnabled(false);
}

void Main::startInsertion() {
    // Leave the display first, so that saving inserts rather than replaces the shown QSO.
    if (qsoSelected())
        Efface();
    setEntryMode(EntryMode::Insertion);
    m_ind->setFocus();
}
