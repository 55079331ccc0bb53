#pragma once
#include <QWidget>

class QComboBox;
class QStringListModel;

// The regions worked on a band and mode; its list is filled by MarkRegionsContacted.
class Regions_Contacte : public QWidget {
    Q_OBJECT
public:
    explicit Regions_Contacte(QWidget* owner = nullptr);
    void opening() {}
    void afficher();
    void setRegions(const QStringList& lines);

private:
    QComboBox* m_bande;
    QComboBox* m_mode;
    QStringListModel* m_regions;
};
