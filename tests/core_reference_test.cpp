#include "castlelist.h"
#include "firstnamelist.h"
#include "provincetable.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>

TEST(ProvinceTable, HoldsTheProvincesInRegionOrder) {
    QSet<QString> codes;
    int previousRegion = 1;
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        codes.insert(ProvinceTable::code(n));
        EXPECT_GE(ProvinceTable::region(n), previousRegion);
        EXPECT_LE(ProvinceTable::region(n), previousRegion + 1);
        previousRegion = ProvinceTable::region(n);
        EXPECT_EQ(ProvinceTable::find(ProvinceTable::code(n)), n);
    }
    EXPECT_EQ(codes.size(), 110);
    EXPECT_EQ(previousRegion, 20);
    for (int r = 1; r <= RegionTable::kCount; ++r)
        EXPECT_EQ(QString::fromUtf16(RegionTable::at(r).scoreLine).size(), 31);
}

TEST(ProvinceTable, LooksUpExactCodesOnly) {
    EXPECT_EQ(ProvinceTable::find(u"AO"), 110);
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

TEST_F(SideFilesTest, FindCastle) {
    writeBytes("Liste_Chateau.txt", castleLine(" AQ1 ", "Castello di Celano", "12", "JN62") +
                                        castleLine("AQ002", " CASTELLO PICCOLOMINI", " 7", "JN62") +
                                        castleLine("AQ002", "SECOND", "8", "JN63") +
                                        "***** EX-001 06/12/2026\r\n");
    const CastleList::Castle a = CastleList::FindCastle("AQ1");
    EXPECT_EQ(a.status, CastleList::Status::Found);
    EXPECT_EQ(a.name, "CASTELLO DI CELANO");
    EXPECT_EQ(a.district, "12");
    EXPECT_EQ(a.locator, "JN62");
    const CastleList::Castle b = CastleList::FindCastle("AQ002");
    EXPECT_EQ(b.name, "CASTELLO PICCOLOMINI");
    EXPECT_EQ(b.district, "7");
    EXPECT_EQ(CastleList::FindCastle("RM001").status, CastleList::Status::NotFound);
    EXPECT_EQ(CastleList::ShowCastleListRevision(),
              QString::fromUtf8("Nom du Fichier       : Liste_Chateau.txt\n"
                                "Revision du fichier : EX-001\n"
                                "Date de révision    : 06/12/2026"));

    writeBytes("Liste_Chateau.txt", "");
    EXPECT_EQ(CastleList::FindCastle("AQ001").status, CastleList::Status::Empty);
    QFile::remove(path("Liste_Chateau.txt"));
    EXPECT_EQ(CastleList::FindCastle("AQ001").status, CastleList::Status::NotFound);
}

TEST_F(SideFilesTest, TheSeededCastleListIsUsable) {
    QStringList lines;
    QFile f(path("Liste_Chateau.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> raw = f.readAll().split('\n');
    ASSERT_GE(raw.size(), 150);
    QSet<int> regions;
    for (int i = 0; i + 2 < raw.size(); ++i) {
        const QByteArray& l = raw[i];
        ASSERT_EQ(l.size(), 76) << l.constData(); // 75 columns and CR
        const int province = ProvinceTable::find(QString::fromLatin1(l.left(2)));
        ASSERT_NE(province, 0) << l.constData();
        regions.insert(ProvinceTable::region(province));
        const int district = l.mid(67, 3).trimmed().toInt();
        EXPECT_TRUE(district >= 1 && district <= 230);
    }
    EXPECT_EQ(regions.size(), 20);
    EXPECT_EQ(CastleList::FindCastle(QString::fromLatin1(raw[0].left(5))).status,
              CastleList::Status::Found);
}

TEST_F(SideFilesTest, FirstNames) {
    EXPECT_EQ(FirstNameList::FindFirstName("IK1ABC"), std::nullopt);
    writeBytes("Liste_Prenom.txt", "IK1ABC          mario\r\n"
                                   "IK1ABCD         X\r\n"
                                   "IK1ABC          Luigi\r\n"
                                   "I2ZZ\r\n");
    EXPECT_EQ(FirstNameList::FindFirstName("IK1ABC"), QString("LUIGI"));
    EXPECT_EQ(FirstNameList::FindFirstName("I2ZZ"), QString(""));
    QFile::remove(path("Liste_Prenom.txt"));
    EXPECT_EQ(FirstNameList::FindFirstName("IK1ABC"), std::nullopt);
}

TEST_F(SideFilesTest, UpdateReplacesOrAppendsOneLine) {
    const struct {
        QByteArray before;
        const char* callsign;
        const char* firstName;
        QByteArray after;
    } cases[] = {
        {"", "IK1ABC", "MARIO", "IK1ABC          MARIO\r\n"},
        {"IK1ABC          MARIO\r\n", "IK1ABC", "", "IK1ABC          \r\n"},
        {"F1AA            JO\r\nIK1ABC          MARIO\r\nIK1ABC          X\r\n", "IK1ABC", "LUIGI",
         "F1AA            JO\r\nIK1ABC          LUIGI\r\nIK1ABC          LUIGI\r\n"},
        {"F1AA            JO\r\n", "IK1ABCDEFGHI", "ANNA",
         "F1AA            JO\r\nIK1ABCDEFGHI    ANNA\r\n"},
    };
    for (const auto& c : cases) {
        writeBytes("Liste_Prenom.txt", c.before);
        ASSERT_TRUE(FirstNameList::UpdateFirstNameList(c.callsign, c.firstName));
        EXPECT_EQ(readBytes("Liste_Prenom.txt"), c.after);
    }
    QFile::remove(path("Liste_Prenom.txt"));
    ASSERT_TRUE(FirstNameList::UpdateFirstNameList("F1AA", "JO"));
    EXPECT_EQ(readBytes("Liste_Prenom.txt"), "F1AA            JO\r\n");
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
    EXPECT_EQ(raw.value("Setup /Indicatif Station").toString(), "F_AB123");
    EXPECT_EQ(raw.value("Setup /Chemin Repertoire").toString(), "/tmp/x");
    EXPECT_EQ(raw.value("Setup F_AB123/bande Utilisee").toString(), "-1");
    EXPECT_EQ(raw.value("Setup F_AB123/Mode Utilise").toString(), "2");
    EXPECT_EQ(raw.value("Setup F_AB123/Revision").toString(), " 1.2.2");
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
