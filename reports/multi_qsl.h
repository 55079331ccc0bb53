#pragma once
#include <QDialog>
#include <QList>
#include <QPointer>

class QLineEdit;
class QListView;
class QPushButton;
class QsoListAccess;
class FoundQsos;

// Rewrites the log of station `Ind` once, with the QSL marker set on every line numbered (from
// 1) in `numbers`. False, with the log unchanged, when it cannot be read or written.
bool Modif_Fichier_Log(const QList<int>& numbers, const QString& Ind);

// Marks several QSOs of Main's list as confirmed at once.
class Multi_QSL : public QDialog {
    Q_OBJECT
public:
    Multi_QSL(QsoListAccess& qsoList, const QString& callsign, QWidget* parent = nullptr);

    void rechercher();
    void enregistrer();

private:
    // Main's list while it lives; closing Main closes this window.
    QsoListAccess* qsoList() const;

    QsoListAccess& m_qsoList;
    QPointer<QObject> m_qsoListOwner;
    bool m_guarded;
    QLineEdit* m_indicatif;
    QListView* m_list;
    FoundQsos* m_lines;
    QPushButton* m_enregistre;
};
