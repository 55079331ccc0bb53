#include "entry_support.h"
#include "geoscreens.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QUrl>
#include <QWindow>

// Stands for the web browser: remembers the addresses it is asked to open.
class Browser : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

class DialogsTest : public MainTest {
protected:
    // The window that an entry or a button of Main opened.
    QWidget* opened(const QList<QWidget*>& before) const {
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->isVisible() && !before.contains(t))
                return t;
        return nullptr;
    }
};

TEST_F(DialogsTest, SecondaryWindowsAreDialogsOfMainAndEscapeClosesThoseThatOnlyShow) {
    setStation("F1ABC", {logLine("I1ABC", "CN001", "05/12/26", "14:30", "SSB", "14 Mhz", true)});
    start();
    const struct {
        const char* opener; // a menu entry, or a button of Main
        bool escapeCloses;
    } cases[] = {
        {"Mnu_C_Contacte", true},     {"Mnu_Scores", true},         {"Mnu_Reglement", true},
        {"Mnu_Districts_IDCA", true}, {"Mnu_Scores_WAIS", true},    {"Mnu_Carte_Pro", true},
        {"Mnu_Carte_HB", true},       {"Mnu_Region_Contact", true}, {"Mnu_Situer_P", true},
        {"Recherche", true},          {"Mnu_New_Indicatif", false},
    };
    for (const auto& c : cases) {
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        if (auto* action = main->findChild<QAction*>(c.opener)) {
            action->trigger();
        } else {
            focusOn(c.opener);
            Keyboard::pressButton();
        }
        QApplication::processEvents();
        QWidget* screen = opened(before);
        ASSERT_NE(screen, nullptr) << c.opener;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(screen)->role(), QAccessible::Dialog)
            << c.opener;
        ASSERT_NE(screen->windowHandle(), nullptr) << c.opener;
        EXPECT_EQ(screen->windowHandle()->transientParent(), main->windowHandle()) << c.opener;

        screen->activateWindow();
        QApplication::setActiveWindow(screen);
        Keyboard::press(Qt::Key_Escape);
        EXPECT_EQ(screen->isVisible(), !c.escapeCloses) << c.opener;
        closeTopLevels();
    }
}

TEST_F(DialogsTest, ADialogStaysOpenWhenMainAloneIsClosed) {
    setStation("F1ABC");
    start();
    w<QAction>("Mnu_Scores")->trigger();
    QWidget* scores = topLevel("Scores");
    ASSERT_NE(scores, nullptr);
    delete main;
    main = nullptr;
    QApplication::processEvents();
    EXPECT_TRUE(scores->isVisible());
    EXPECT_EQ(scores->windowHandle()->transientParent(), nullptr);
}

TEST_F(DialogsTest, TheProgramCombosAndTheMiniMapAreNamedByTheirCaptions) {
    setStation("F1ABC");
    start();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(qApp)->text(QAccessible::Name), "ZELK_DCI");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w("Mode_A"))->text(QAccessible::Name), "Mode");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w("Bande_A"))->text(QAccessible::Name), "QRG");

    QWidget* miniMap = openMiniCarte("CN001");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(miniMap)->role(), QAccessible::Dialog);
    auto* picture = miniMap->findChild<QWidget*>("Picture1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name),
              QString::fromUtf8("Nouvelle Province : Coni"));
}

TEST_F(DialogsTest, ModeDEmploiOpensTheGuideInTheBrowser) {
    setStation("F1ABC");
    start();
    Browser browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    w<QAction>("Mnu_Mode_Emploi")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toLocalFile(), ZELK_SOURCE_DIR "/docs/guide/index.html");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

#include "entry_dialogs_test.moc"
