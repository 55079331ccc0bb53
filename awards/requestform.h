#pragma once
#include "requestletters.h"

#include <QColor>
#include <QList>
#include <QWidget>

class QLineEdit;
class QPushButton;

// The make-up and entry sequence shared by the two award request windows: the fields are
// filled one after the other with Enter, each checked, then the button writes the file.
class RequestForm : public QWidget {
    Q_OBJECT
public:
    // What the operator typed is not thrown away by Escape.
    static constexpr bool kKeepsOnEscape = true;
    void opening();

protected:
    RequestForm(QWidget* owner, const QString& title, const QString& heading,
                const QList<awards::RequestField>& fields, const QColor& firstColour);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The details typed, with the station callsign.
    awards::Applicant applicant() const;
    // Remembers the details for the station, writes the file, and closes the window once done.
    void writeFile(const QString& fileName, const QStringList& lines, const QString& savedMessage);

private:
    virtual void createFile() = 0;
    void enter(int index);
    QString text(const QString& key) const;

    QList<awards::RequestField> m_fields;
    QList<QLineEdit*> m_edits;
    QLineEdit* m_call;
    QPushButton* m_create;
    QColor m_firstColour;
};
