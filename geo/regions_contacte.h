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

// Paints the region boxes of Carte_Acti_DCI and fills the list of Regions_Contacte with the
// regions worked on `band` and `mode`, creating either screen hidden when it is not open.
// Returns the number of regions worked.
int MarkRegionsContacted(const QString& band, const QString& mode);
