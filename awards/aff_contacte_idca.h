#pragma once
#include <QWidget>

class QLabel;
class QStringListModel;

// The 230 IDCA districts, each marked contacted and confirmed, with the two counts.
class Aff_Contacte_IDCA : public QWidget {
    Q_OBJECT
public:
    explicit Aff_Contacte_IDCA(QWidget* owner = nullptr);
    void opening();

private:
    QLabel* m_contacted;
    QLabel* m_confirmed;
    QStringListModel* m_districts;
};
