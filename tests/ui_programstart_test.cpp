#include "programdirectory.h"
#include "programstart.h"
#include "testsupport.h"

#include <QLockFile>

#include <sys/wait.h>
#include <unistd.h>

using ProgramStartTest = ProgramTest;

TEST_F(ProgramStartTest, ASecondCopyOnTheSameDirectoryIsRefusedAndWritesNothing) {
    ASSERT_TRUE(openProgramDirectory());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    const QMap<QString, QByteArray> before = files();
    EXPECT_TRUE(before.contains("ZELK_DCI.lock"));
    EXPECT_FALSE(openProgramDirectory());
    EXPECT_EQ(dialogs.messages,
              QStringList{QString::fromUtf8("ZELK_DCI est déjà ouvert pour ce répertoire : ") +
                          ProgramDirectory::path()});
    EXPECT_EQ(files(), before);
}

TEST_F(ProgramStartTest, ALockLeftByAProcessThatIsGoneIsTakenOver) {
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    // A lock as this program leaves it, but of the process that is gone.
    QLockFile probe(path("ZELK_DCI.lock"));
    ASSERT_TRUE(probe.tryLock(0));
    QByteArray content = readBytes("ZELK_DCI.lock");
    probe.unlock();
    content = QByteArray::number(gone) + content.mid(content.indexOf('\n'));
    writeBytes("ZELK_DCI.lock", content);
    EXPECT_TRUE(openProgramDirectory());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(readBytes("ZELK_DCI.lock").startsWith(QByteArray::number(::getpid()) + "\n"));
}
