#include "entry_support.h"

#include "radiosettings.h"
#include "rigctld.h"
#include "stationsettings.h"

// Main linked to Hamlib's dummy radio through a real rigctld and the network model.
class RadioEntryTest : public MainTest {
protected:
    void SetUp() override {
        MainTest::SetUp();
        writeBytes("Liste_Chateau.txt", castleLine("RM001", "Castello Odescalchi", "80", "JN61"));
        setStation("IK1ABC", {logLine("I0AAA", "RM002")});
        RadioSettings{true, RadioSettings::kNetworkModel, rigctld.address(), 0}.save();
        ASSERT_TRUE(rigctld.start());
        tune("14200000", "USB");
    }
    void tune(const char* hz, const char* mode) {
        ASSERT_TRUE(rigctld.set({"F", hz}));
        ASSERT_TRUE(rigctld.set({"M", mode, "0"}));
    }
    // Within the time the operator is promised.
    bool shows(const char* name, const QString& value, int ms = 1000) {
        return QTest::qWaitFor([&] { return text(name) == value; }, ms);
    }

    Rigctld rigctld;
};

TEST_F(RadioEntryTest, FieldsFollowTheRadioButATypedBandIsKeptUntilSaved) {
    start();
    EXPECT_TRUE(shows("Etat_Poste", "Poste : 14,200000 MHz  USB"));
    EXPECT_EQ(text("Bande_A") + text("Mode_A"), "14 MhzSSB");
    // The radio's frequency and mode, then the band and mode shown and their list indexes as
    // remembered for the station (-1: not in the list).
    const struct {
        const char *hz, *mode, *shown;
        int bandIndex, modeIndex;
    } steps[] = {
        {"7100000", "CW", "7.0 Mhz CW", 2, 1},
        {"145500000", "FM", "144 Mhz FM", 10, 2},
        {"5000000", "AM", "144 Mhz AM", 10, -1},
        {"3700000", "PKTUSB", "3.5 Mhz AM", 1, -1},
    };
    for (const auto& s : steps) {
        tune(s.hz, s.mode);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return text("Bande_A") + " " + text("Mode_A") == s.shown; }, 1000))
            << s.hz << " " << s.mode;
        EXPECT_EQ(StationSettings::bandIndex("IK1ABC"), s.bandIndex) << s.hz;
        EXPECT_EQ(StationSettings::modeIndex("IK1ABC"), s.modeIndex) << s.mode;
    }

    typeNewQso("ik1xyz", "", "rm001");
    focusOn("Bande_A");
    retype("18 mhz");
    tune("21200000", "RTTY");
    EXPECT_TRUE(shows("Mode_A", "RTT"));
    focusOn("Valide_A");
    Keyboard::pressButton();
    EXPECT_EQ(log().mid(log().indexOf("\r\n") + 2),
              "IK1XYZ       80                   RM001 05/12/26 14:30 RTT 18 MHZ  59  59  "
              "CASTELLO ODESCALCHI                                            JN61\r\n");
    // The next QSO starts from the radio again.
    EXPECT_TRUE(shows("Bande_A", "21 Mhz"));
}

TEST_F(RadioEntryTest, LostLinkIsShownOnceAndComesBackOnItsOwn) {
    start();
    ASSERT_TRUE(shows("Bande_A", "14 Mhz"));
    const struct {
        const char* hz;
        const char* band;
    } returns[] = {{"28500000", "28 Mhz"}, {"50100000", "50 Mhz"}};
    for (const auto& r : returns) {
        rigctld.stop();
        EXPECT_TRUE(shows("Etat_Poste", "Poste : liaison perdue", 2000));
        // Typing goes on while the radio is away.
        typeEnter("ik1xyz");
        EXPECT_EQ(focused(), w("Prenom_A"));
        click("Efface_A");
        ASSERT_TRUE(rigctld.start());
        tune(r.hz, "USB");
        EXPECT_TRUE(shows("Bande_A", r.band, 3000)) << r.hz;
    }
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("La liaison avec le poste est perdue"));
}
