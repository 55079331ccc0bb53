#pragma once
#include <QWidget>

// A read-only window showing the rules of an award, one list item per line.
class RulesScreen : public QWidget {
    Q_OBJECT
public:
    void opening() {}

protected:
    RulesScreen(const QString& className, const QString& caption, const QString& heading,
                const QStringList& lines, QWidget* owner);
};

// The rules of the DCI award.
class Reglement : public RulesScreen {
    Q_OBJECT
public:
    explicit Reglement(QWidget* owner = nullptr);
};
