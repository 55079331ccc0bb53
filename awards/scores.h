#pragma once
#include <QWidget>

class QStringListModel;

// The DCI score: castles by region, the province of Cuneo, and the verdict on the award.
class Scores : public QWidget {
    Q_OBJECT
public:
    explicit Scores(QWidget* owner = nullptr);
    // Counts the castles of the station log.
    void opening();

private:
    QStringListModel* m_regions;
    QStringListModel* m_cuneo;
};
