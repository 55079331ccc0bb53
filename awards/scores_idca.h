#pragma once
#include <QWidget>

class QLabel;

// The IDCA counts and the level reached.
class Scores_IDCA : public QWidget {
    Q_OBJECT
public:
    explicit Scores_IDCA(QWidget* owner = nullptr);
    void opening();

private:
    QLabel* m_contacted;
    QLabel* m_confirmed;
    QLabel* m_verdict1;
    QLabel* m_verdict2;
};
