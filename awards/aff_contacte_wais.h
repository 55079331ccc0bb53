#pragma once
#include <QStringList>
#include <QWidget>

class QLabel;
class QStringListModel;

// One line per WAIS square contacted, through its confirmed QSO when there is one.
class Aff_Contacte_WAIS : public QWidget {
    Q_OBJECT
public:
    explicit Aff_Contacte_WAIS(QWidget* owner = nullptr);
    void opening();
    // The lines of Liste_Locators as shown.
    QStringList shownLines() const;

private:
    QLabel* m_contacted;
    QLabel* m_confirmed;
    QStringListModel* m_locators;
};
