#include "contactedcastles.h"
#include "lineprinter.h"
#include "reportscreens.h"
#include "stationsettings.h"
#include "testsupport.h"

namespace {

const QString kFirst = "IK2ABC       12   MARIO           AO012 12/05/07 12:48 SSB 14 Mhz  59  "
                       "57  CASTELLO DI FÉNIS                                            * JN35";
const QString kSecond = "IZ1/F5ABCD/P 3    FRANCESCOMARIA  CN001 01/06/26 08:05 CW  7.0 Mhz 599 "
                        "599 CASTELLO DELLA MANTA, PRESSO SALUZZO, CON AFFRESCHI DEL XV S   JN34";

// The printed report of the two QSOs above, on 5 December 2026.
const QStringList kPrinted{
    "                               F5XYZ  Chateaux contactés au 05/12/2026",
    "",
    "   N° Indicatif  Prenom      Ref    Date         Mom du Chateau                       "
    "               QSL",
    "",
    "    1 IK2ABC     MARIO      AO012 12/05/07 CASTELLO DI FÉNIS                            "
    "              * ",
    "    2 IZ1/F5ABCD FRANCESCOM CN001 01/06/26 CASTELLO DELLA MANTA, PRESSO SALUZZO, CON AFF"
    "RESCHI DEL XV   ",
    "",
    "",
    "Edité par ZELK_DCI"};

class CastlesReport : public ProgramTest {};

} // namespace

TEST_F(CastlesReport, PrintedAndSavedByteForByteAndReplacedTheSameDay) {
    setStation("F5XYZ", {kFirst, kSecond});
    dialogs.printerPdf = dir.filePath("printed.pdf");
    printerFont() = {"Arial", 11, false};
    EXPECT_EQ(printContactedCastles(), QList<QStringList>{kPrinted});
    EXPECT_EQ(printerFont(), (PrinterFont{"Arial", 11, false}));
    saveContactedCastles();
    const QByteArray head =
        "                    F5XYZ Chateaux contact\xe9s au 05/12/2026\r\n"
        "\r\n"
        "   N\xb0 Indicatif            Prenom        Ref    Date    QTR  Mode  QRG  RSTR RSTE"
        "       Mom du Chateau                                       QSL\r\n"
        "\r\n";
    EXPECT_EQ(
        readBytes("Chateaux_Contacte_F5XYZ_05_12_26.txt"),
        head + "    1 IK2ABC       12   MARIO           AO012 12/05/07 12:48 SSB 14 Mhz  59  57  "
               "CASTELLO DI F\xc9NIS                                            * JN35\r\n"
               "    2 IZ1/F5ABCD/P 3    FRANCESCOMARIA  CN001 01/06/26 08:05 CW  7.0 Mhz 599 599 "
               "CASTELLO DELLA MANTA, PRESSO SALUZZO, CON AFFRESCHI DEL XV S   JN34\r\n"
               "\r\n"
               "Edit\xe9 par ZELK_DCI\r\n");
    // The same day's report is replaced; any line end and any byte of the log is kept.
    writeBytes("F5XYZ_DCI.log", "F5AAA\n\rF5BBB        12   J\x81N\x9d\xa0");
    saveContactedCastles();
    EXPECT_EQ(readBytes("Chateaux_Contacte_F5XYZ_05_12_26.txt"),
              head + "    1 F5AAA\r\n    2 \r\n    3 F5BBB        12   J\x81N\x9d\xa0\r\n\r\n"
                     "Edit\xe9 par ZELK_DCI\r\n");
}
