#include "castlelist.h"
#include "firstnamelist.h"
#include "provincetable.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QFile>
#include <QSet>
#include <QSettings>

TEST(ProvinceTable, ProvincesInRegionOrderFoundByExactCode) {
    QSet<QString> codes;
    int previousRegion = 1;
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        codes.insert(ProvinceTable::code(n));
        EXPECT_TRUE(ProvinceTable::region(n) == previousRegion ||
                    ProvinceTable::region(n) == previousRegion + 1)
            << n;
        previousRegion = ProvinceTable::region(n);
        EXPECT_EQ(ProvinceTable::find(ProvinceTable::code(n)), n);
    }
    EXPECT_EQ(codes.size(), 110);
    EXPECT_EQ(previousRegion, 20);
    EXPECT_EQ(ProvinceTable::find(QByteArrayView("AO")), 110);
    // Monza and Fermo have no line in the list of provinces.
    EXPECT_EQ(ProvinceTable::listLine(ProvinceTable::find(u"MB")), "");
    EXPECT_EQ(ProvinceTable::listLine(ProvinceTable::find(u"FM")), "");
    for (const char* missing : {"aq", "MD", "A", "AQ0", "", "A\xc9"}) {
        EXPECT_EQ(ProvinceTable::find(QString::fromLatin1(missing)), 0) << missing;
        EXPECT_EQ(ProvinceTable::find(QByteArrayView(missing)), 0) << missing;
    }
}

class SideFilesTest : public ProgramTest {};

TEST_F(SideFilesTest, CastlesOfTheListAndOfTheSeededFile) {
    // The seeded list: every line in its columns, every region present.
    const QList<QByteArray> seeded = readBytes("Liste_Chateau.txt").split('\n');
    ASSERT_GE(seeded.size(), 150);
    QSet<int> regions;
    for (const QByteArray& l : seeded.first(seeded.size() - 2)) {
        ASSERT_EQ(l.size(), 76) << l.constData(); // 75 columns and CR
        regions.insert(ProvinceTable::region(ProvinceTable::find(QByteArrayView(l).first(2))));
        EXPECT_TRUE(l.mid(67, 3).trimmed().toInt() >= 1 && l.mid(67, 3).trimmed().toInt() <= 230);
    }
    EXPECT_EQ(regions.size(), 20);
    EXPECT_FALSE(regions.contains(0));

    writeBytes("Liste_Chateau.txt", castleLine(" AQ1 ", "Castello di Celano", "12", "JN62") +
                                        castleLine("AQ002", " CASTELLO PICCOLOMINI", " 7", "JN63") +
                                        castleLine("AQ002", "SECOND", "8", "JN64") +
                                        "***** EX-001 06/12/2026\r\n");
    const std::tuple<const char*, CastleList::Status, const char*, const char*, const char*>
        cases[] = {{"AQ1", CastleList::Status::Found, "CASTELLO DI CELANO", "12", "JN62"},
                   {"AQ002", CastleList::Status::Found, "CASTELLO PICCOLOMINI", "7", "JN63"},
                   {"RM001", CastleList::Status::NotFound, "", "", ""}};
    for (const auto& [reference, status, name, district, locator] : cases) {
        const CastleList::Castle c = CastleList::FindCastle(reference);
        EXPECT_EQ(c.status, status) << reference;
        EXPECT_EQ(QStringList({c.name, c.district, c.locator}),
                  QStringList({name, district, locator}));
    }
    writeBytes("Liste_Chateau.txt", "");
    EXPECT_EQ(CastleList::FindCastle("AQ001").status, CastleList::Status::Empty);
}

TEST_F(SideFilesTest, FirstNamesFoundAndReplacedOrAppended) {
    writeBytes("Liste_Prenom.txt", "IK1ABC          mario\r\nIK1ABCD         X\r\n"
                                   "IK1ABC          Luigi\r\nI2ZZ\r\n");
    EXPECT_EQ(FirstNameList::FindFirstName("IK1ABC"), QString("LUIGI"));
    EXPECT_EQ(FirstNameList::FindFirstName("I2ZZ"), QString(""));
    EXPECT_EQ(FirstNameList::FindFirstName("I3AA"), std::nullopt);
    const struct {
        QByteArray before;
        const char* callsign;
        const char* firstName;
        QByteArray after;
    } cases[] = {
        {"", "IK1ABC", "MARIO", "IK1ABC          MARIO\r\n"},
        {"F1AA            JO\r\nIK1ABC          MARIO\r\nIK1ABC          X\r\n", "IK1ABC", "",
         "F1AA            JO\r\nIK1ABC          \r\nIK1ABC          \r\n"},
        {"F1AA            JO\r\n", "IK1ABCDEFGHI", "ANNA",
         "F1AA            JO\r\nIK1ABCDEFGHI    ANNA\r\n"},
    };
    for (const auto& c : cases) {
        writeBytes("Liste_Prenom.txt", c.before);
        ASSERT_TRUE(FirstNameList::UpdateFirstNameList(c.callsign, c.firstName));
        EXPECT_EQ(readBytes("Liste_Prenom.txt"), c.after);
    }
    EXPECT_FALSE(QFile::exists(path("Temporaire.txt")));
}

class SettingsTest : public ProgramTest {};

TEST_F(SettingsTest, SectionsKeysAndDefaults) {
    EXPECT_EQ(StationSettings::stationCallsign(), "FXXXX");
    EXPECT_EQ(StationSettings::bandIndex("F_AB123"), 0);
    StationSettings::setStationCallsign("F_AB123");
    StationSettings::setProgramDirectory("/tmp/x");
    StationSettings::setBandIndex("F_AB123", -1);
    StationSettings::setModeIndex("F_AB123", 2);
    StationSettings::setRevision("F_AB123");
    EXPECT_EQ(StationSettings::bandIndex("F_AB123"), -1);
    EXPECT_EQ(StationSettings::modeIndex("F_AB123"), 2);
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, "ZELK", "DCI");
    const std::pair<const char*, const char*> keys[] = {{"Setup /Indicatif Station", "F_AB123"},
                                                        {"Setup /Chemin Repertoire", "/tmp/x"},
                                                        {"Setup F_AB123/bande Utilisee", "-1"},
                                                        {"Setup F_AB123/Mode Utilise", "2"},
                                                        {"Setup F_AB123/Revision", " 1.2.2"}};
    for (const auto& [key, value] : keys)
        EXPECT_EQ(raw.value(key).toString(), value) << key;
    EXPECT_TRUE(raw.fileName().startsWith(dir.path()));
}

TEST(StationCallsignRule, TwelveCapitalsDigitsOrUnderscores) {
    const std::pair<const char*, const char*> cases[] = {
        {"IZ1_F5ABC_P2", ""},
        {"IZ1_F5ABC_P23", "12 caracteres maximum pour l'indicatif"},
        {"F5ab", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"FXXXX", "Vous devez entrer un indicatif"}};
    for (const auto& [callsign, refusal] : cases)
        EXPECT_EQ(checkStationCallsign(callsign), refusal) << callsign;
}
