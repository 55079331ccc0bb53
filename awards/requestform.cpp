#include "requestform.h"

#include "dialogs.h"
#include "programdirectory.h"
#include "screen.h"
#include "stationsettings.h"
#include "textfile.h"
#include "windowkit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace awards;

RequestForm::RequestForm(QWidget* owner, const QString& title, const QString& heading,
                         const QList<RequestField>& fields, const QColor& firstColour)
    : QWidget(owner), m_fields(fields), m_firstColour(firstColour) {
    setUpWindow(this, title);
    auto* grid = new QGridLayout;
    const auto addRow = [this, grid](const QString& caption, QLineEdit* edit) {
        const int row = grid->rowCount();
        QLabel* label = addLabel(this, "Label_" + edit->objectName(), caption);
        label->setBuddy(edit);
        edit->setAccessibleName(caption);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return row;
    };
    m_call = new QLineEdit(this);
    m_call->setObjectName(QStringLiteral("L_Call"));
    m_call->setReadOnly(true);
    m_call->setFocusPolicy(Qt::NoFocus);
    addRow(QStringLiteral("INDICATIF"), m_call);
    for (const RequestField& field : m_fields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(field.name);
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(QString(32, u'M')));
        if (field.digitsOnly) {
            edit->setMaxLength(kCreditDigits);
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kCreditDigits)), edit));
            const int row = addRow(field.caption, edit);
            grid->addWidget(
                addLabel(this, QStringLiteral("Label_Locators"), QStringLiteral("locators")), row,
                2);
        } else {
            addRow(field.caption, edit);
        }
        edit->installEventFilter(this);
        m_edits.append(edit);
    }
    m_create = new QPushButton(QStringLiteral("Créer le fichier"), this);
    m_create->setObjectName(QStringLiteral("L_Fichier"));
    connect(m_create, &QPushButton::clicked, this, [this] { createFile(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addLabel(this, QStringLiteral("Label8"), heading), 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addWidget(m_create, 0, Qt::AlignHCenter);
}

void RequestForm::opening() {
    const QString section = StationSettings::stationSection(StationCallsign());
    m_call->setText(StationCallsign());
    for (int i = 0; i < m_fields.size(); ++i) {
        const QString saved = StationSettings::value(section, m_fields[i].key, QString());
        m_edits[i]->setText(m_fields[i].digitsOnly ? creditDigits(saved) : saved);
        m_edits[i]->setEnabled(i == 0);
        setBackground(m_edits[i], i == 0 ? m_firstColour : Colours::kPassed);
    }
    m_create->setEnabled(false);
    m_edits.first()->setFocus();
}

bool RequestForm::eventFilter(QObject* watched, QEvent* event) {
    const int index = m_edits.indexOf(qobject_cast<QLineEdit*>(watched));
    if (index < 0 || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        enter(index);
        return true;
    }
    const bool shortcut =
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut && key->text().size() == 1) {
        const QChar typed = key->text().at(0);
        const QChar replaced = typedRequestChar(m_fields[index], typed);
        if (replaced != typed) {
            m_edits[index]->insert(replaced);
            return true;
        }
    }
    return false;
}

void RequestForm::enter(int index) {
    if (const QString refusal = requestFieldRefusal(m_fields[index], m_edits[index]->text());
        !refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    setBackground(m_edits[index], Colours::kPassed);
    if (index + 1 < m_edits.size()) {
        QLineEdit* next = m_edits[index + 1];
        next->setEnabled(true);
        setBackground(next, Colours::kCurrent);
        next->setFocus();
    } else {
        m_create->setEnabled(true);
        m_create->setFocus();
    }
}

QString RequestForm::text(const QString& key) const {
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].key == key)
            return m_edits[i]->text();
    return {};
}

Applicant RequestForm::applicant() const {
    Applicant a;
    a.call = m_call->text();
    a.nom = text(QStringLiteral("Nom"));
    a.prenom = text(QStringLiteral("Prenom"));
    a.adresse1 = text(QStringLiteral("Adresse 1"));
    a.adresse2 = text(QStringLiteral("Adresse 2"));
    a.codePostal = text(QStringLiteral("Code Postal"));
    a.ville = text(QStringLiteral("Ville"));
    a.pays = text(QStringLiteral("Pays"));
    a.credit = text(QStringLiteral("Credit"));
    a.email = text(QStringLiteral("e-mail"));
    return a;
}

void RequestForm::writeFile(const QString& fileName, const QStringList& lines,
                            const QString& savedMessage) {
    const QString section = StationSettings::stationSection(StationCallsign());
    for (int i = 0; i < m_fields.size(); ++i)
        StationSettings::setValue(section, m_fields[i].key, m_edits[i]->text());
    if (!writeProgramFile(fileName, lines)) {
        showMessage(saveFailureMessage(fileName));
        return;
    }
    showMessage(savedMessage);
    close();
}
