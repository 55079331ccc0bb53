#pragma once
#include <QWidget>

class QStringListModel;

// The DCLO score: castles by Lombard province and the verdict on the award.
class Scores_DCLO : public QWidget {
    Q_OBJECT
public:
    explicit Scores_DCLO(QWidget* owner = nullptr);
    // Counts the castles of the station log.
    void opening();

private:
    QStringListModel* m_provinces;
};
