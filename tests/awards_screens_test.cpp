#include "aff_contacte.h"
#include "aff_contacte_dclo.h"
#include "castleawards.h"
#include "lineprinter.h"
#include "reglement.h"
#include "reglement_dcpc.h"
#include "scores.h"
#include "scores_dclo.h"
#include "scores_dcpc.h"
#include "screenslot.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

namespace {

const QByteArray kDciFileHeader = "   N\xb0   Ref        Nom du Chateau                            "
                                  "                 Date   Indicatif       Bande  Mode  QSL";
const QByteArray kDcloFileHeader = "   N\xb0   Ref        Nom du Chateau                           "
                                   "                  Date   Indicatif    QSL";

QString qso(const QString& reference, bool qsl = false, const QString& callsign = "I1ABC") {
    return logLine(callsign, reference, "05/12/26", "14:30", "SSB", "14 Mhz", qsl);
}

// The castle name column of a test QSO, as bytes.
QByteArray name60(const char* reference) {
    return "CASTELLO " + QByteArray(reference) + QByteArray(46, ' ');
}

class AwardScreens : public ProgramTest {
protected:
    void TearDown() override {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            windows.append(w);
        for (const QPointer<QWidget>& w : windows)
            delete w.data();
        ProgramTest::TearDown();
    }

    template <class T = QWidget> static T* child(QWidget* screen, const char* name) {
        T* found = screen->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(QWidget* screen, const char* label) {
        return child<QLabel>(screen, label)->text();
    }
    static QStringList lines(QWidget* screen, const char* list) {
        return static_cast<QStringListModel*>(child<QListView>(screen, list)->model())
            ->stringList();
    }
    // Tabs onto a button and presses it with Enter.
    static void press(QWidget* screen, const char* button) {
        Keyboard::clickInto(child<QWidget>(screen, button));
        Keyboard::pressButton();
    }
    // Tabs onto an option button and selects it with the space bar.
    static void choose(QWidget* screen, const char* option) {
        Keyboard::clickInto(child<QRadioButton>(screen, option));
        Keyboard::press(Qt::Key_Space);
    }
};

} // namespace

TEST_F(AwardScreens, DciListShowsSavesAndSwitchesMode) {
    setStation("F1ABC", {qso("CN001", true), qso("AL001"), qso("cn002", true, "IK1ZZZ")});
    Aff_Contacte* screen = openAffContacte();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->windowTitle(), "DCI Contactés");
    EXPECT_TRUE(child<QRadioButton>(screen, "Option1_1")->isChecked());
    EXPECT_EQ(child<QRadioButton>(screen, "Option1_1")->text(), "contactés");
    EXPECT_EQ(child<QRadioButton>(screen, "Option1_2")->text(), "confirmés");
    EXPECT_EQ(text(screen, "Label3"), "Chateaux Italiens");
    EXPECT_EQ(text(screen, "Label2"), "    REF                  nom du chateau                    "
                                      "                                              Date      "
                                      "Indicatif            Bande  Mode QSL");
    EXPECT_EQ(text(screen, "Nb_C"), "3");
    EXPECT_EQ(child<QPushButton>(screen, "Command1")->text(), "Document pour le diplome DCI");
    const QStringList shown = lines(screen, "Liste_QSO_Contacte");
    EXPECT_EQ(screen->listLines(), shown);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1].left(6), " CN001");
    EXPECT_EQ(shown[2].left(6), " cn002");

    press(screen, "Enregistrer");
    const QString contacted = "F1ABC_Chateaux_Italiens_contactes au 05_12_26.txt";
    EXPECT_EQ(dialogs.messages, QStringList{"Le log a été enregistré sous le nom : " + contacted});
    EXPECT_EQ(readBytes(contacted), QByteArray(30, ' ') +
                                        "F1ABC Chateaux Italiens contact\xe9s au 05/12/2026\r\n"
                                        "\r\n" +
                                        kDciFileHeader +
                                        "\r\n"
                                        "\r\n"
                                        "    1  AL001  " +
                                        name60("AL001") +
                                        "  05/12/26  I1ABC         14 Mhz   SSB    \r\n"
                                        "    2  CN001  " +
                                        name60("CN001") +
                                        "  05/12/26  I1ABC         14 Mhz   SSB   *\r\n"
                                        "    3  cn002  " +
                                        name60("cn002") +
                                        "  05/12/26  IK1ZZZ        14 Mhz   SSB   *\r\n"
                                        "\r\n"
                                        "Liste \xe9tablie par ZELK_DCI\r\n");

    choose(screen, "Option1_2");
    EXPECT_EQ(screen->windowTitle(), "DCI Confirmés");
    EXPECT_EQ(text(screen, "Nb_C"), "2");
    press(screen, "Enregistrer");
    const QString confirmed = "F1ABC_Chateaux_Italiens_confirmes au 05_12_26.txt";
    EXPECT_EQ(dialogs.messages.last(), "Le log a été enregistré sous le nom : " + confirmed);
    EXPECT_EQ(readBytes(confirmed), QByteArray(30, ' ') +
                                        "F1ABC Chateaux Italiens confirm\xe9s au 05/12/2026\r\n"
                                        "\r\n" +
                                        kDciFileHeader +
                                        "\r\n"
                                        "\r\n"
                                        "    1  CN001  " +
                                        name60("CN001") +
                                        "  05/12/26  I1ABC         14 Mhz   SSB   *\r\n"
                                        "    2  cn002  " +
                                        name60("cn002") +
                                        "  05/12/26  IK1ZZZ        14 Mhz   SSB   *\r\n"
                                        "\r\n"
                                        "Liste \xe9tablie par ZELK_DCI\r\n");

    // The menu entry again brings the open window forward as it is.
    EXPECT_EQ(openAffContacte(), screen);
    EXPECT_EQ(text(screen, "Nb_C"), "2");
    EXPECT_FALSE(QDir(path("")).exists("Temporaire.txt"));
}

TEST_F(AwardScreens, ConfirmedModeWithoutConfirmedQsos) {
    setStation("F1ABC", {qso("AL001")});
    Aff_Contacte* screen = openAffContacte();
    choose(screen, "Option1_2");
    EXPECT_EQ(screen->windowTitle(), "DCI Confirmés");
    EXPECT_EQ(text(screen, "Nb_C"), "0");
    EXPECT_TRUE(screen->listLines().isEmpty());
    choose(screen, "Option1_1");
    EXPECT_EQ(text(screen, "Nb_C"), "1");
}

TEST_F(AwardScreens, FailedSaveSaysSoAndLeavesNoFile) {
    setStation("F1ABC", {qso("AL001")});
    const QString name = "F1ABC_Chateaux_Italiens_contactes au 05_12_26.txt";
    // A folder in the way of the file.
    ASSERT_TRUE(QDir(path("")).mkpath(name + "/x"));
    Aff_Contacte* screen = openAffContacte();
    press(screen, "Enregistrer");
    EXPECT_EQ(dialogs.messages, QStringList{"Impossible d'enregistrer le fichier " + name});
    EXPECT_FALSE(QDir(path("")).exists("Temporaire.txt"));
}

TEST_F(AwardScreens, DcloListSkipsOtherCodesAndSaves) {
    setStation("F1ABC", {qso("MI001", true), qso("mi002", true), qso("MB001", true), qso("BG001"),
                         qso("RM001", true)});
    auto* screen = (openAffContacteDclo(), existingScreen<Aff_Contacte_DCLO>());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Chateaux contactés pour le diplome DCLo");
    EXPECT_EQ(child<QRadioButton>(screen, "Option1_2")->text(), "Confirmés");
    EXPECT_EQ(text(screen, "Label3"), "Chateaux de Lombardie");
    EXPECT_EQ(text(screen, "Label2"), "    REF                  nom du chateau                    "
                                      "                                              Date      "
                                      "Indicatif         QSL");
    EXPECT_EQ(screen->findChild<QPushButton*>("Command1"), nullptr);
    EXPECT_EQ(text(screen, "Nb_C"), "2");
    const QStringList shown = lines(screen, "Liste_QSO_Contacte");
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], "");

    press(screen, "Enregistrer");
    const QString contacted = "F1ABC_Chateaux_de _Lombardie_contactes_au 05_12_26.txt";
    EXPECT_EQ(dialogs.messages, QStringList{"Le log a été enregistré sous le nom : " + contacted});
    EXPECT_EQ(readBytes(contacted),
              QByteArray(14, ' ') +
                  "F1ABC Liste Chateaux de Lombardie contact\xe9s au 05/12/2026\r\n"
                  "\r\n" +
                  kDcloFileHeader +
                  "\r\n"
                  "\r\n"
                  "    1  BG001  " +
                  name60("BG001") +
                  "  05/12/26  I1ABC          \r\n"
                  "    2  MI001  " +
                  name60("MI001") +
                  "  05/12/26  I1ABC         *\r\n"
                  "\r\n"
                  "Liste \xe9tablie par ZELK_DCI\r\n");

    choose(screen, "Option1_2");
    EXPECT_EQ(screen->windowTitle(), "Chateaux contactés pour le diplome DCLo");
    EXPECT_EQ(text(screen, "Nb_C"), "1");
    press(screen, "Enregistrer");
    const QString confirmed = "F1ABC_Chateaux_de _Lombardie_confirmes_au 05_12_26.txt";
    EXPECT_EQ(readBytes(confirmed),
              QByteArray(14, ' ') +
                  "F1ABC Liste Chateaux de Lombardie confirm\xe9s au 05/12/2026\r\n"
                  "\r\n" +
                  kDcloFileHeader +
                  "\r\n"
                  "\r\n"
                  "    1  MI001  " +
                  name60("MI001") +
                  "  05/12/26  I1ABC         *\r\n"
                  "\r\n"
                  "Liste \xe9tablie par ZELK_DCI\r\n");
}

TEST_F(AwardScreens, DcloEmptyLogSavesHeadingsOnly) {
    setStation("F1ABC");
    openAffContacteDclo();
    auto* screen = existingScreen<Aff_Contacte_DCLO>();
    EXPECT_EQ(text(screen, "Nb_C"), "0");
    EXPECT_EQ(lines(screen, "Liste_QSO_Contacte"), QStringList{""});
    press(screen, "Enregistrer");
    EXPECT_EQ(readBytes("F1ABC_Chateaux_de _Lombardie_contactes_au 05_12_26.txt"),
              QByteArray(14, ' ') +
                  "F1ABC Liste Chateaux de Lombardie contact\xe9s au 05/12/2026\r\n"
                  "\r\n" +
                  kDcloFileHeader +
                  "\r\n"
                  "\r\n"
                  "\r\n"
                  "Liste \xe9tablie par ZELK_DCI\r\n");
}

TEST_F(AwardScreens, DciScoreScreen) {
    QStringList log;
    for (const char* p : {"CN", "RM", "NA", "PA", "MI"})
        for (int i = 1; i <= 4; ++i)
            log << qso(QString("%1%2").arg(p).arg(i, 3, 10, QChar('0')), true);
    log << qso("CN001", true) << qso("XX001");
    setStation("F1ABC", log);
    openScores();
    auto* screen = existingScreen<Scores>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Scores DCI");
    EXPECT_EQ(text(screen, "Label7") + text(screen, "Label8"),
              "Scores pour le diplome des Chateaux Italiens (DCI)");
    EXPECT_EQ(text(screen, "Label2"), "Nb Chateaux        Régions               QSL");
    EXPECT_EQ(lines(screen, "Liste_Regions").size(), 21);
    EXPECT_EQ(lines(screen, "Liste_Regions")[13], "  4    PM Piemont                 *");
    EXPECT_EQ(lines(screen, "Region_Coni"), QStringList{"  4    CN Province de Cuneo       *"});
    const QStringList counts{text(screen, "Nb_Chx"), text(screen, "Nb_Conf"),
                             text(screen, "Nb_Reg"), text(screen, "Nb_Cuneo")};
    EXPECT_EQ(counts, (QStringList{"21", "20", "5", "4"}));
    const QStringList captions{text(screen, "Label1"), text(screen, "Label10"),
                               text(screen, "Label11"), text(screen, "Label12")};
    EXPECT_EQ(captions,
              (QStringList{"Chateaux contacté(s)", "Chateaux confirmé(s)", "Régions confirmée(s)",
                           "Chateau(x) de la province de Cunéo"}));
    EXPECT_EQ(text(screen, "Label13"), "Bravo vous pouvez obtenir");
    EXPECT_EQ(text(screen, "Label14"), "le Diplome des Chateaux Italiens");
    const QStringList rule{text(screen, "Label4"), text(screen, "Label3"), text(screen, "Label9"),
                           text(screen, "Label5"), text(screen, "Label6")};
    EXPECT_EQ(
        rule,
        (QStringList{"Pour le diplome DCI HF Francais il faut :",
                     "20 Chateaux contactés et confirmés dans", "5 régions différentes minimum",
                     "et au moins 1 Chateau contacté et confirmé", "dans la Province de Cuneo"}));
}

TEST_F(AwardScreens, DcloScoreScreen) {
    QStringList log{qso("MB001", true), qso("bs001")};
    for (int i = 1; i <= 12; ++i)
        log << qso(QString("MI%1").arg(i, 3, 10, QChar('0')), true);
    setStation("F1ABC", log);
    openScoresDclo();
    auto* screen = existingScreen<Scores_DCLO>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Scores DCLo");
    EXPECT_EQ(text(screen, "Label7") + " " + text(screen, "Label8"),
              "Scores pour le diplome des Chateaux de Lombardie");
    EXPECT_EQ(text(screen, "Label2"), "Nb Chateaux           Provinces         QSL");
    const QStringList provinces = lines(screen, "Liste_Regions");
    ASSERT_EQ(provinces.size(), 12);
    EXPECT_EQ(provinces[2], "  1    BS Province de Brescia     ");
    EXPECT_EQ(provinces[7], " 12    MI Province de Milan       *");
    EXPECT_EQ((QStringList{text(screen, "NB_Chateaux"), text(screen, "NB_Confirme"),
                           text(screen, "Nb_Provinces")}),
              (QStringList{"13", "12", "1"}));
    EXPECT_EQ((QStringList{text(screen, "Label5"), text(screen, "Label10"), text(screen, "Label11"),
                           text(screen, "Label6")}),
              (QStringList{"Chateaux contacté(s)", "Chateaux confirmé(s)", "Dans",
                           "Province(s) de Lombardie"}));
    EXPECT_EQ(text(screen, "Label12"), "Vous pouvez pas encore obtenir");
    EXPECT_EQ(text(screen, "Label1"), "le Diplome des Chateaux de Lombardie");
    EXPECT_EQ((QStringList{text(screen, "Label4"), text(screen, "Label3"), text(screen, "Label9")}),
              (QStringList{"Pour le diplome DCLo Francais il faut :",
                           "10 Chateaux contactés et confirmés dans",
                           "3 Provinces de Lombardie minimum"}));
}

TEST_F(AwardScreens, PrintingGoesToTheChosenPrinterAndGivesItsFontBack) {
    setStation("F1ABC", {qso("CN001", true), qso("MI001")});
    printerFont() = {"Arial", 12, false};
    openAffContacte();
    openAffContacteDclo();
    const QString pdf = dir.filePath("printed.pdf");
    for (QWidget* screen : {static_cast<QWidget*>(existingScreen<Aff_Contacte>()),
                            static_cast<QWidget*>(existingScreen<Aff_Contacte_DCLO>())}) {
        QFile::remove(pdf);
        dialogs.printerAnswer = false;
        dialogs.printerPdf = pdf;
        press(screen, "Imprimer");
        EXPECT_FALSE(QFile::exists(pdf));
        dialogs.printerAnswer = true;
        press(screen, "Imprimer");
        QFile printed(pdf);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly)) << screen->objectName().toStdString();
        EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
        EXPECT_EQ(printerFont(), (PrinterFont{"Arial", 12, false}));
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(AwardScreens, DcpcScoreScreen) {
    setStation("F1ABC", {qso("cn001", true, "ik1abc"), qso("RM001", true), qso("CN002")});
    openScoresDcpc();
    auto* screen = existingScreen<Scores_DCPC>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Scores DCPC");
    EXPECT_EQ(text(screen, "Label7") + " " + text(screen, "Label8"),
              "Scores pour le diplome de la province de Cunéo");
    EXPECT_EQ(text(screen, "Label2"), "      Ref     Indicatif             Date       QSL");
    EXPECT_EQ(lines(screen, "Liste_Chateaux"),
              (QStringList{"  CN001  IK1ABC        05/12/26    *",
                           "  CN002  I1ABC         05/12/26     ", ""}));
    EXPECT_EQ(text(screen, "NB_Chateaux"), "2");
    EXPECT_EQ(text(screen, "NB_Confirme"), "1");
    EXPECT_EQ(
        (QStringList{text(screen, "Label1"), text(screen, "Label6"), text(screen, "Label11")}),
        (QStringList{"Vous ne pouvez pas encore obtenir", "le diplome des Chateaux",
                     "de la province de Cunéo"}));
    EXPECT_EQ((QStringList{text(screen, "Label4"), text(screen, "Label3"), text(screen, "Label9")}),
              (QStringList{"Pour le diplome DCPC il faut :", "10 Chateaux contactés et confirmés",
                           "dans la Province de Cunéo (CN)"}));
}

TEST_F(AwardScreens, RulesScreens) {
    openReglement();
    auto* dci = existingScreen<Reglement>();
    ASSERT_NE(dci, nullptr);
    EXPECT_EQ(dci->windowTitle(), "Règlement du Diplome des Chateaux Italiens");
    EXPECT_EQ(child<QLabel>(child<QWidget>(dci, "Frame1"), "Label2")->text(),
              "Règlement du diplome DCI");
    EXPECT_EQ(lines(dci, "Reglement_DCI").size(), 111);
    EXPECT_EQ(lines(dci, "Reglement_DCI").first(), "");

    openReglementDcpc();
    auto* dcpc = existingScreen<Reglement_DCPC>();
    ASSERT_NE(dcpc, nullptr);
    EXPECT_EQ(dcpc->windowTitle(), "Règlement du Diplome des Chateaux de la Province de Cueno");
    EXPECT_EQ(child<QLabel>(child<QWidget>(dcpc, "Frame1"), "Label2")->text(),
              "Règlement du diplome  DCPC");
    EXPECT_EQ(lines(dcpc, "Reglement_DCI").size(), 80);
}

TEST_F(AwardScreens, EveryWindowFitsTheSmallScreen) {
    setStation("F1ABC", {qso("CN001", true)});
    openAffContacte();
    openAffContacteDclo();
    openScores();
    openScoresDclo();
    openScoresDcpc();
    openReglement();
    openReglementDcpc();
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        ++windows;
        EXPECT_LE(w->frameGeometry().width(), 1366) << w->objectName().toStdString();
        EXPECT_LE(w->frameGeometry().height(), 740) << w->objectName().toStdString();
        EXPECT_LE(w->minimumSizeHint().width(), 1366) << w->objectName().toStdString();
        EXPECT_LE(w->minimumSizeHint().height(), 740) << w->objectName().toStdString();
    }
    EXPECT_EQ(windows, 7);
}
