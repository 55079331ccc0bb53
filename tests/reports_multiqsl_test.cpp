#include "multi_qsl.h"
#include "programdirectory.h"
#include "reports_support.h"

#include <QDir>
#include <QListView>

namespace {

const QStringList kLog{logLine("F5ABC", "RM001", "05/12/26"),
                       logLine("IK2F5X", "MI012", "12/05/07"),
                       logLine("F5ABC", "MI012", "12/05/07", "15:00", "CW", "7.0 Mhz", true),
                       logLine("I1XYZ", "TO001", "12/05/07"),
                       logLine("F5ABC", "RM002", "06/12/26"),
                       logLine("F5ABC", "RM003", "07/12/26")};

class MultiQsl : public ReportScreenTest {
protected:
    void search(Multi_QSL* screen, const QString& text) {
        Keyboard::clickInto(child(screen, "Indicatif"));
        Keyboard::press(Qt::Key_A, Qt::ControlModifier);
        Keyboard::press(Qt::Key_Delete);
        Keyboard::type(text);
        press(screen, "Recherche");
    }
    // Ticks the rows, moving down the list with the arrow keys and ticking with Space, and saves.
    void tickAndSave(Multi_QSL* screen, const QList<int>& rows) {
        auto* list = child<QListView>(screen, "Liste_QSO");
        Keyboard::clickInto(list);
        list->setCurrentIndex(list->model()->index(0, 0));
        int at = 0;
        for (const int row : rows) {
            for (; at < row; ++at)
                Keyboard::press(Qt::Key_Down);
            Keyboard::press(Qt::Key_Space);
        }
        press(screen, "Enregistre");
    }
    QStringList listed(const QList<int>& logRows) const {
        QStringList out;
        for (const int row : logRows)
            out.append(ListLine(row + 1, kLog[row]));
        return out;
    }
};

} // namespace

TEST_F(MultiQsl, MarkingChangesOnlyColumn137AndEndsEveryLineInCrLf) {
    const QByteArray before(136, 'x');
    const QByteArray full = before + "  AB12";
    writeBytes("F5XYZ_DCI.log", full + "\n" + full + "\r" + full + "XYZ\r\n" + "F5ABC\r\n" +
                                    "\xe9t\x80" + "\n" + before + " ");
    ASSERT_TRUE(Modif_Fichier_Log({6, 1, 3, 4, 0, 7, -1, 1}, "F5XYZ"));
    EXPECT_EQ(readBytes("F5XYZ_DCI.log"), before + "* AB12\r\n" + full + "\r\n" + before +
                                              "* AB12\r\n" + "F5ABC*\r\n" + "\xe9t\x80\r\n" +
                                              before + "*\r\n");
}

TEST_F(MultiQsl, ListsUnconfirmedQsosAndMarksTheTickedOnesOrNothing) {
    useLog(kLog);
    auto* screen = new Multi_QSL(qsoList, "f5");
    screen->show();
    EXPECT_EQ(screen->windowTitle(), "Enregistrement des QSL multiples");
    EXPECT_TRUE(lines(screen, "Liste_QSO").isEmpty());
    EXPECT_FALSE(child(screen, "Enregistre")->isEnabled());
    search(screen, "ZZ");
    press(screen, "Enregistre");
    search(screen, "f5");
    EXPECT_EQ(lines(screen, "Liste_QSO"), listed({0, 1, 4, 5}));
    tickAndSave(screen, {0, 2, 3});
    const auto marked = [](int row) { return kLog[row].left(136) + "*" + kLog[row].mid(137); };
    const QByteArray after = crlf({marked(0), kLog[1], kLog[2], kLog[3], marked(4), marked(5)});
    EXPECT_EQ(readBytes("F5XYZ_DCI.log"), after);
    EXPECT_TRUE(lines(screen, "Liste_QSO").isEmpty());
    EXPECT_EQ(text(screen, "Indicatif"), "f5");

    // A directory in the way of the scratch file: the rewrite cannot be made.
    ASSERT_TRUE(QDir(ProgramDirectory::path()).mkdir("Temporaire4.txt"));
    search(screen, "");
    EXPECT_EQ(lines(screen, "Liste_QSO"), listed({1, 3}));
    tickAndSave(screen, {0});
    EXPECT_EQ(dialogs.messages,
              (QStringList{"Selectionnez un ou plusieurs QSO",
                           "Impossible d'enregistrer le fichier F5XYZ_DCI.log, il n'a pas été "
                           "modifié."}));
    EXPECT_EQ(readBytes("F5XYZ_DCI.log"), after);
    EXPECT_EQ(qsoList.reloads, 1);
}
