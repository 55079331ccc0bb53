#include "entry_support.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QPointer>
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

using DialogsTest = MainTest;

TEST_F(DialogsTest, EachEntryOpensItsDialogOfMainAndEscapeClosesThoseThatOnlyShow) {
    setStation("F1ABC", {logLine("I1ABC", "CN001", "05/12/26", "14:30", "SSB", "14 Mhz", true)});
    start();
    dialogs.messages.clear();
    // Each opener, a menu entry or a button of Main, with the screen it opens; only the
    // Station screen, which asks a question, stays open on Escape.
    const QStringList cases =
        QString("Mnu_C_Contacte>Aff_Contacte Mnu_Liste_DCI>Aff_Contacte Mnu_Scores>Scores "
                "Mnu_Reglement>Reglement Mnu_Provinces_DCLO>Aff_Contacte_DCLO "
                "Mnu_Scores_DCLO>Scores_DCLO Mnu_Scores_DCPC>Scores_DCPC "
                "Mnu_Reglement_DCPC>Reglement_DCPC Mnu_Districts_IDCA>Aff_Contacte_IDCA "
                "Mnu_Scores_IDCA>Scores_IDCA Mnu_Locators_WAIS>Aff_Contacte_WAIS "
                "Mnu_Scores_WAIS>Scores_WAIS Mnu_Situer_P>Situation Mnu_Carte_HB>Carte_Acti_DCI "
                "Mnu_Carte_Pro>Carte_Italie Mnu_Region_Contact>Regions_Contacte "
                "Mnu_Provinces_Contactes>Province_Contacte Recherche>Recherche_Indicatif "
                "Mnu_New_Indicatif>Station")
            .split(u' ');
    for (const QString& pair : cases) {
        SCOPED_TRACE(pair.toStdString());
        const QString name = pair.section(u'>', 1);
        if (auto* action = main->findChild<QAction*>(pair.section(u'>', 0, 0))) {
            action->trigger();
        } else {
            Keyboard::clickInto(w(pair.section(u'>', 0, 0).toLatin1()));
            Keyboard::pressButton();
        }
        QApplication::processEvents();
        QWidget* screen = topLevel(name.toLatin1());
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(screen)->role(), QAccessible::Dialog);
        ASSERT_NE(screen->windowHandle(), nullptr);
        EXPECT_EQ(screen->windowHandle()->transientParent(), main->windowHandle());
        screen->activateWindow();
        QApplication::setActiveWindow(screen);
        // A window closed by Escape may be deleted at once.
        const QPointer<QWidget> shown = screen;
        Keyboard::press(Qt::Key_Escape);
        EXPECT_EQ(shown && shown->isVisible(), name == "Station");
        closeTopLevels();
    }
    // The entries not built open nothing and say nothing.
    const qsizetype windows = QApplication::topLevelWidgets().size();
    for (const char* entry : {"Mnu_Reglement_DCLO", "Mnu_Reglement_IDCA", "Mnu_Titre_DCI",
                              "Mnu_Titre_DCLO", "Mnu_Titre_DCPC"})
        trigger(entry);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DialogsTest, DialogsLeftOpenAfterMainClosesStayAndTheSearchFindsNothing) {
    setStation("F1ABC", {logLine("F5ABC", "RM001")});
    start();
    trigger("Mnu_Scores");
    QWidget* scores = topLevel("Scores");
    ASSERT_NE(scores, nullptr);
    click("Recherche");
    QWidget* search = topLevel("Recherche_Indicatif");
    ASSERT_NE(search, nullptr);
    Keyboard::typeEnter("F5");
    auto* results = search->findChild<QListView*>("QSO_Effectues");
    ASSERT_EQ(results->model()->rowCount(), 1);
    const QPoint firstLine = results->visualRect(results->model()->index(0, 0)).center();
    // Main closed by its close box, as a person leaves it, and gone.
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main = nullptr;
    ASSERT_EQ(topLevel("Main"), nullptr);
    EXPECT_TRUE(scores->isVisible());
    EXPECT_EQ(scores->windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(results->model()->rowCount(), 0);
    EXPECT_FALSE(results->isEnabled());
    Keyboard::clickInto(search->findChild<QLineEdit*>("Indica"));
    Keyboard::typeEnter("F5");
    EXPECT_EQ(results->model()->rowCount(), 0);
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, firstLine);
    EXPECT_EQ(topLevel("Recherche_Indicatif"), search);
}

TEST_F(DialogsTest, ModeDEmploiOpensTheGuideInTheBrowser) {
    setStation("F1ABC");
    start();
    Browser browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    trigger("Mnu_Mode_Emploi");
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toLocalFile(), ZELK_SOURCE_DIR "/docs/guide/index.html");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

#include "entry_dialogs_test.moc"
