#pragma once
#include <QWidget>

class QComboBox;
class QStringListModel;

// The provinces worked on a band and mode, one line each in table order.
class Province_Contacte : public QWidget {
    Q_OBJECT
public:
    explicit Province_Contacte(QWidget* owner = nullptr);
    void opening() {}
    void afficher();

private:
    QComboBox* m_bande;
    QComboBox* m_mode;
    QStringListModel* m_provinces;
};
