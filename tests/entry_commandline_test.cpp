#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

// The program asked from a terminal with no display: it answers and ends without a window.
TEST(CommandLineTest, AnswersWithoutADisplay) {
    const struct {
        QStringList arguments;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {{"--help"},
         0,
         "Utilisation : zelk_dci [options]\n"
         "Carnet de trafic des ch\xC3\xA2teaux d'Italie pour radioamateurs.\n"
         "\n"
         "Options :\n"
         "  -h, --help     Affiche cette aide et quitte.\n"
         "  -v, --version  Affiche la version du programme et quitte.\n"
         "\n"
         "Sans option, le programme ouvre sa fen\xC3\xAAtre principale. Ses fichiers sont\n"
         "dans le r\xC3\xA9pertoire ZELK_DCI_DIR, sinon dans ~/.local/share/ZELK/DCI.\n",
         ""},
        {{"--bogus"},
         1,
         "",
         "zelk_dci : option inconnue --bogus\nEssayez \xC2\xAB zelk_dci --help \xC2\xBB.\n"},
        {{"journal.log"},
         1,
         "",
         "zelk_dci : argument inattendu journal.log\nEssayez \xC2\xAB zelk_dci --help \xC2\xBB.\n"},
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    for (const auto& c : cases) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(ZELK_APP_BINARY, c.arguments);
        ASSERT_TRUE(program.waitForFinished(20000)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(program.readAllStandardOutput(), QByteArray(c.out));
        EXPECT_EQ(program.readAllStandardError(), QByteArray(c.err));
    }
}
