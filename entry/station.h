#pragma once
#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

// The screen on which the operator sets the callsign of his own station.
class Station : public QWidget {
    Q_OBJECT
public:
    // `validated` runs once a callsign is accepted and its log is ready.
    explicit Station(std::function<void()> validated, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void validate();

    QLineEdit* m_field = nullptr;
    QPushButton* m_button = nullptr;
    std::function<void()> m_validated;
};
