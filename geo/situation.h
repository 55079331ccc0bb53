#pragma once
#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;

// Where a province lies, its region, and whether the station has worked it.
class Situation : public QWidget {
    Q_OBJECT
public:
    explicit Situation(QWidget* owner = nullptr);
    void opening() {}
    void locate(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter();

    QLineEdit* m_prefixe;
    QLabel* m_province;
    QLabel* m_region;
    QLabel* m_status;
    QList<QLabel*> m_boxes;
};
