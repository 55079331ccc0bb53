#pragma once
#include "qsolistaccess.h"

#include <QMainWindow>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QPushButton;
class QTimer;
class QsoListModel;
class RadioLink;
class RadioLinkDialog;
struct QsoRecord;
class Station;

// The main window: the QSO entry, the QSO list, the clock and the menus that open every screen.
class Main : public QMainWindow, public QsoListAccess {
    Q_OBJECT
public:
    explicit Main(QWidget* parent = nullptr);
    ~Main() override;

    // Fills the QSO list from the station log and enables the callsign field.
    void LoadQsoList();
    // Selects the last QSO of the list as a click would.
    void selectLastQso();
    // Clears and resets the entry fields: the New mode.
    void Efface();

    // Every list line, in file order.
    QStringList listLines() const;

    // QsoListAccess
    const LineTable& qsoLines() const override;
    void selectRow(int row) override;
    void reload() override;

    // New: saving appends; Display and Modification: saving replaces the selected QSO;
    // Insertion: saving inserts in date order.
    enum class EntryMode { New, Display, Modification, Insertion };
    EntryMode entryMode() const { return m_entryMode; }

    QString selectedListLine() const { return m_selectedListLine; }
    QsoListModel* qsoModel() const { return m_model; }

    // One clock tick: the UTC time, local time and UTC date labels.
    void tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void buildMenus();
    void SetMainCaptions();
    void startUp();
    void openStation();
    void stationValidated();
    void applyStationSelections();

    // The transceiver: its link set up from the settings, its readings into the New QSO.
    void openRadioLink();
    void applyRadioSettings();
    void radioRead(qint64 hz, const QString& hamlibMode);
    void radioLost(const QString& reason);
    // Band and mode from the last reading, in the New mode, where the operator typed nothing.
    void followRadio();

    // Entry chain.
    QList<QWidget*> chain() const;
    void onEnter(QWidget* field);
    void enterCallsign();
    void enterReference();
    void moveTo(QWidget* from, QWidget* next);
    void rememberModeAndBand(QWidget* field);
    void fillFields(const QString& listLine);
    QsoRecord fieldsRecord() const;
    // Empties and disables the chain but the callsign field: the New mode.
    void clearFields(const QString& castleFill);
    void listClicked(int row);
    void listDoubleClicked();
    void save();
    void deleteSelected();
    void startInsertion();
    void resetAfterSave();
    bool applyLogChange(bool ok);
    void setEntryMode(EntryMode mode);
    bool qsoSelected() const;
    // Brings Main forward with its focus field once a window it opened goes.
    void takeKeyboardBack();

    QLineEdit* m_ind = nullptr;
    QLineEdit* m_prenom = nullptr;
    QLineEdit* m_ref = nullptr;
    QLineEdit* m_distr = nullptr;
    QLineEdit* m_loc = nullptr;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_heure = nullptr;
    QComboBox* m_mode = nullptr;
    QComboBox* m_bande = nullptr;
    QLineEdit* m_rst = nullptr;
    QLineEdit* m_rste = nullptr;
    QLineEdit* m_rem = nullptr;
    QCheckBox* m_qsl = nullptr;
    QPushButton* m_valide = nullptr;
    QPushButton* m_efface = nullptr;
    QPushButton* m_annule = nullptr;
    QPushButton* m_ajout = nullptr;
    QPushButton* m_recherche = nullptr;
    QPushButton* m_qslButton = nullptr;
    QLabel* m_station = nullptr;
    QLabel* m_modeAff = nullptr;
    QLabel* m_utc = nullptr;
    QLabel* m_local = nullptr;
    QLabel* m_dateUtc = nullptr;
    QTableView* m_list = nullptr;
    QsoListModel* m_model = nullptr;
    QTimer* m_timer = nullptr;
    QPointer<Station> m_stationScreen;
    QPointer<RadioLinkDialog> m_radioScreen;
    QLabel* m_radioStatus = nullptr;
    RadioLink* m_radio = nullptr;
    qint64 m_radioHz = -1;
    QString m_radioMode;
    bool m_radioLostShown = false;
    // Typed into during the current QSO: the radio leaves them alone.
    bool m_bandTyped = false;
    bool m_modeTyped = false;

    QString m_selectedListLine;
    int m_selectedRow = -1;
    EntryMode m_entryMode = EntryMode::New;
    QString m_history;
};
