#include "language.h"
#include "testsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

TEST(Language, QtsOwnButtonsSpeakFrench) {
    ASSERT_TRUE(loadQtFrench(*qApp));
    QMessageBox box(QMessageBox::Question, "ZELK_DCI", "Voulez vous enregistrer ces données ?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } cases[] = {
        {QMessageBox::Yes, "Oui"}, {QMessageBox::No, "Non"}, {QMessageBox::Cancel, "Annuler"}};
    for (const auto& c : cases)
        EXPECT_EQ(box.button(c.button)->text().remove(u'&'), c.text);
    for (QTranslator* t : qApp->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(t);
}
