#pragma once
#include "geocount.h"

#include <QWidget>

class QComboBox;
class QLabel;

// The map of the regions worked on a band and mode, painted by MarkRegionsContacted.
class Carte_Acti_DCI : public QWidget {
    Q_OBJECT
public:
    explicit Carte_Acti_DCI(QWidget* owner = nullptr);
    // The station's last band and mode, then a first display.
    void opening();
    void afficher();
    void showRegions(const geo::RegionFlags& worked);

private:
    QComboBox* m_bande;
    QComboBox* m_mode;
    QLabel* m_count;
    QList<QLabel*> m_regions;
};
