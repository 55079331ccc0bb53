#pragma once
#include "qsosearch.h"

#include <QPointer>
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
    // The list searched and selected in. A list that is a QObject (Main) is used only while it
    // lives: once it is gone, the results are cleared and their list disabled.
    void setQsoList(QsoListAccess* list);

    void Lance_Recherche();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field(SearchBy by) const;
    SearchBy selectedOption() const;
    void enterPressed(SearchBy field);
    void resultClicked(int row);
    QsoListAccess* qsoList() const;

    QButtonGroup* m_options;
    QLineEdit* m_indica;
    QLineEdit* m_data;
    QLineEdit* m_depa;
    ListHeading* m_heading;
    QListView* m_results;
    QStringListModel* m_resultLines;
    QsoListAccess* m_qsoList = nullptr;
    QPointer<QObject> m_qsoListOwner;
    bool m_guarded = false;
    QMetaObject::Connection m_ownerGone;
    bool m_chosen = false;
};
