#pragma once
#include <QWidget>

class QStringListModel;

// The DCPC score: the QSOs with castles of the province of Cuneo and the verdict on the award.
class Scores_DCPC : public QWidget {
    Q_OBJECT
public:
    explicit Scores_DCPC(QWidget* owner = nullptr);
    // Counts the castles of the station log.
    void opening();

private:
    QStringListModel* m_castles;
};
