#pragma once
#include <QWidget>

// Tells that the reference being entered lies in a province never worked, and where it is.
class Mini_Carte : public QWidget {
    Q_OBJECT
public:
    explicit Mini_Carte(const QString& referenceText, QWidget* owner = nullptr);
};
