#include "entry_support.h"
#include "listheading.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QMenu>
#include <QPointer>
#include <QUrl>

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
    // Each heading word of the window's list stands over its column: `under` is, in the list's
    // first line, what each word stands over ("" for the line's start, "+" for after the previous
    // word and a blank).
    static void expectHeadingsOver(QWidget* screen, const QStringList& headings,
                                   const QString& list, const QString& under) {
        QString line;
        for (const QString& shown : lines(screen, list))
            line = line.isEmpty() && !shown.trimmed().isEmpty() ? shown : line;
        QList<ListHeading::Word> words;
        for (const QString& name : headings)
            words += child<ListHeading>(screen, name)->words();
        const QStringList at = under.split(u'|');
        ASSERT_EQ(words.size(), at.size());
        for (qsizetype i = 0; i < words.size(); ++i) {
            const ListHeading::Word* before = i ? &words[i - 1] : nullptr;
            const qsizetype column = at[i] == "+" && before
                                         ? before->column + before->text.size() + 1
                                         : line.indexOf(at[i]);
            EXPECT_EQ(words[i].column, column) << words[i].text.toStdString();
        }
    }
};

TEST_F(DialogsTest, EachEntryOpensItsDialogOfMainAndEscapeClosesThoseThatOnlyShow) {
    start({logLine("I1ABC", "CN001", "05/12/26", "14:30", "SSB", "14 Mhz", true)});
    // Each opener, a menu entry or a button of Main, with the screen it opens; only the
    // Station screen, which asks a question, stays open on Escape. The list windows' headings
    // are checked as they open.
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
        if (name == "Aff_Contacte")
            expectHeadingsOver(screen, {"Label2"}, "Liste_QSO_Contacte",
                               "CN001|CASTELLO|+|+|05/12/26|I1ABC|14 Mhz|SSB|*");
        if (name == "Aff_Contacte_WAIS")
            expectHeadingsOver(screen, {"Label1"}, "Liste_Locators",
                               "|I1ABC|05/12/2026|1430|20m|PHONE|CN |CN001|*");
        if (name == "Recherche_Indicatif") {
            Keyboard::typeEnter("I1ABC");
            expectHeadingsOver(screen, {"Label13", "Label10"}, "QSO_Effectues",
                               "|I1ABC|05/12/26|CN001|+|CASTELLO|+|+|*");
        }
        screen->activateWindow();
        QApplication::setActiveWindow(screen);
        // A window closed by Escape may be deleted at once.
        const QPointer<QWidget> shown = screen;
        Keyboard::press(Qt::Key_Escape);
        EXPECT_EQ(shown && shown->isVisible(), name == "Station");
        closeTopLevels();
    }
    // The guide opens in the web browser.
    Browser browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    trigger("Mnu_Mode_Emploi");
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toLocalFile(), ZELK_SOURCE_DIR "/docs/guide/index.html");
}

TEST_F(DialogsTest, DialogsLeftOpenAfterMainClosesStayAndTheSearchFindsNothing) {
    start({logLine("F5ABC", "RM001")});
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

// Keys go to the open menu, as the window system sends them while a menu has the grab.
static void toMenu(Qt::Key key) {
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, key);
    QApplication::processEvents();
}

TEST_F(DialogsTest, AltLetterOrF10OpensEachMenuFromAnyFieldAndTypesNothing) {
    start({logLine("I1ABC", "CN001")});
    // A QSO being modified: every field of the entry can take the focus.
    doubleClickRow(0);
    const struct {
        Qt::Key key;
        const char* menu;
        const char* field;
    } cases[] = {
        {Qt::Key_F, "Mnu_Fichier", "Ind_A"},     {Qt::Key_S, "Mnu_Station", "Mode_A"},
        {Qt::Key_M, "Mnu_Imprimer", "Bande_A"},  {Qt::Key_E, "Mnu_Enregistre", "Prenom_A"},
        {Qt::Key_H, "Mnu_Affichage", "Rem_A"},   {Qt::Key_L, "Mnu_D_DCLO", "Ref_A"},
        {Qt::Key_I, "Mnu_IDCA", "Loc_A"},        {Qt::Key_A, "Mnu_aide", "Date_A"},
        {Qt::Key_F10, "Mnu_Fichier", "Heure_A"},
    };
    for (const auto& c : cases) {
        focusOn(c.field);
        const QString before = text(c.field);
        Keyboard::press(c.key, c.key == Qt::Key_F10 ? Qt::NoModifier : Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), main->findChild<QMenu*>(c.menu)) << c.menu;
        // Out of the menu, then out of the menu bar: back in the field.
        toMenu(Qt::Key_Escape);
        Keyboard::press(Qt::Key_Escape);
        EXPECT_EQ(focused(), w(c.field)) << c.field;
        EXPECT_EQ(text(c.field), before) << c.field;
    }
    // The menu bar's own entry, after a letter of no menu.
    Keyboard::press(Qt::Key_B, Qt::AltModifier);
    Keyboard::press(Qt::Key_U, Qt::AltModifier);
    EXPECT_NE(topLevel("Situation"), nullptr);
    closeTopLevels();
    focusOn("Rem_A");
    // Arrows and Enter choose an entry: Historique, Mode d'emploi, A propos.
    Keyboard::press(Qt::Key_A, Qt::AltModifier);
    toMenu(Qt::Key_Down);
    toMenu(Qt::Key_Down);
    toMenu(Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("ZELK_DCI Revision  1.2.2\n\n"));
    EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8("GNU GPL version 3 ou ultérieure")));
}

#include "entry_dialogs_test.moc"
