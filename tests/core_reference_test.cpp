#include "castlelist.h"
#include "firstnamelist.h"
#include "provincetable.h"
#include "stationsettings.h"
#include "testsupport.h"

TEST(ProvinceTable, ProvincesInRegionOrderFoundByExactCode) {
    int region = 1;
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        EXPECT_TRUE(ProvinceTable::region(n) == region || ProvinceTable::region(n) == ++region)
            << n;
        EXPECT_EQ(ProvinceTable::find(ProvinceTable::code(n)), n);
    }
    EXPECT_EQ(region, 20);
    EXPECT_EQ(ProvinceTable::find(QByteArrayView("AO")), 110);
    // Monza and Fermo have no line in the list of provinces.
    EXPECT_EQ(ProvinceTable::listLine(ProvinceTable::find(u"MB")) +
                  ProvinceTable::listLine(ProvinceTable::find(u"FM")),
              "");
    for (const char* missing : {"aq", "MD", "A", "AQ0", "", "A\xc9"})
        EXPECT_EQ(ProvinceTable::find(QString::fromLatin1(missing)) +
                      ProvinceTable::find(QByteArrayView(missing)),
                  0)
            << missing;
}

class SideFilesTest : public ProgramTest {};

TEST_F(SideFilesTest, CastlesAndFirstNamesFoundAndReplaced) {
    writeBytes("Liste_Chateau.txt", castleLine(" AQ1 ", "Castello di Celano", "12", "JN62") +
                                        castleLine("AQ002", " CASTELLO PICCOLOMINI", " 7", "JN63") +
                                        castleLine("AQ002", "SECOND", "8", "JN64"));
    const std::pair<const char*, QStringList> castles[] = {
        {"AQ1", {"CASTELLO DI CELANO", "12", "JN62"}},
        {"AQ002", {"CASTELLO PICCOLOMINI", "7", "JN63"}},
        {"RM001", {"", "", ""}}};
    for (const auto& [reference, found] : castles) {
        const CastleList::Castle c = CastleList::FindCastle(reference);
        EXPECT_EQ(c.status == CastleList::Status::Found, !found[0].isEmpty()) << reference;
        EXPECT_EQ(QStringList({c.name, c.district, c.locator}), found);
    }
    writeBytes("Liste_Prenom.txt", "IK1ABC          mario\r\nIK1ABCD         X\r\n"
                                   "IK1ABC          Luigi\r\nI2ZZ\r\n");
    EXPECT_EQ(FirstNameList::FindFirstName("IK1ABC"), QString("LUIGI"));
    EXPECT_EQ(FirstNameList::FindFirstName("I2ZZ"), QString(""));
    EXPECT_EQ(FirstNameList::FindFirstName("I3AA"), std::nullopt);
    // Every entry of a known callsign takes the new first name.
    writeBytes("Liste_Prenom.txt",
               "F1AA            JO\r\nIK1ABC          MARIO\r\nIK1ABC          X\r\n");
    ASSERT_TRUE(FirstNameList::UpdateFirstNameList("IK1ABC", ""));
    EXPECT_EQ(readBytes("Liste_Prenom.txt"),
              "F1AA            JO\r\nIK1ABC          \r\nIK1ABC          \r\n");
}

TEST(StationSettings, CallsignRule) {
    const std::pair<const char*, const char*> callsigns[] = {
        {"IZ1_F5ABC_P2", ""},
        {"IZ1_F5ABC_P23", "12 caracteres maximum pour l'indicatif"},
        {"F5ab", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"FXXXX", "Vous devez entrer un indicatif"}};
    for (const auto& [callsign, refusal] : callsigns)
        EXPECT_EQ(checkStationCallsign(callsign), refusal) << callsign;
}
