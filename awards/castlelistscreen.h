#pragma once
#include "dcilist.h"

#include <QWidget>

class ListHeading;
class QLabel;
class QListView;
class QRadioButton;
class QStringListModel;

// The list of castle QSOs of an award, contacted or confirmed, with save and print.
class CastleListScreen : public QWidget {
    Q_OBJECT
public:
    void opening();
    // Rebuilds the list from the station log in the mode selected.
    void Affiche();
    // The lines of Liste_QSO_Contacte, in list order.
    QStringList listLines() const;

protected:
    struct Texts {
        QString className, caption, confirmedOption, countLabel, header;
        QList<int> headerColumns;
    };
    CastleListScreen(awards::Award award, const Texts& texts, QWidget* owner);
    awards::Shown shown() const;
    QLayout* buttonRow() const { return m_buttons; }

private:
    void save();
    void print();

    awards::Award m_award;
    QRadioButton* m_contacted;
    QRadioButton* m_confirmed;
    QLabel* m_count;
    ListHeading* m_header;
    QString m_headerText;
    QStringListModel* m_model;
    QListView* m_list;
    QLayout* m_buttons;
};
