#pragma once
#include <QWidget>

// The WAIS counts of squares and the level reached.
class Scores_WAIS : public QWidget {
    Q_OBJECT
public:
    explicit Scores_WAIS(QWidget* owner = nullptr);
    void opening();
};
