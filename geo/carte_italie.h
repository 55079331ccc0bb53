#pragma once
#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;

// The map of the provinces worked on a band and mode, with their count.
class Carte_Italie : public QWidget {
    Q_OBJECT
public:
    explicit Carte_Italie(QWidget* owner = nullptr);
    // The station's last band and mode, then a first display.
    void opening();
    void afficher();
    void Afficher_Carte(const QString& Bande_Q, const QString& Mode_Q);

private:
    QComboBox* m_bande;
    QComboBox* m_mode;
    QLabel* m_count;
    QList<QLabel*> m_provinces;
};
