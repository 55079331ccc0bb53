#pragma once
#include "qsosearch.h"

#include <QWidget>

class QButtonGroup;
class ListHeading;
class QLineEdit;
class QListView;
class QStringListModel;
class QsoListAccess;

// Finds QSOs of Main's list by callsign, date or reference, and selects the one clicked.
class Recherche_Indicatif : public QWidget {
    Q_OBJECT
public:
    explicit Recherche_Indicatif(QWidget* owner = nullptr);
    void opening();
    void setQsoList(QsoListAccess* list) { m_qsoList = list; }

    void Lance_Recherche();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field(SearchBy by) const;
    SearchBy selectedOption() const;
    void enterPressed(SearchBy field);
    void resultClicked(int row);

    QButtonGroup* m_options;
    QLineEdit* m_indica;
    QLineEdit* m_data;
    QLineEdit* m_depa;
    ListHeading* m_heading;
    QListView* m_results;
    QStringListModel* m_resultLines;
    QsoListAccess* m_qsoList = nullptr;
    bool m_chosen = false;
};
