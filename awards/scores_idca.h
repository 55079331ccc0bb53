#pragma once
#include <QWidget>

// The IDCA counts and the level reached.
class Scores_IDCA : public QWidget {
    Q_OBJECT
public:
    explicit Scores_IDCA(QWidget* owner = nullptr);
    void opening();
};
