#include "app/Menu.h"
#include "support/FakeGameInput.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QUrl>

namespace {

// Each item of a menu as "name|text|shortcut|role", separators as "name|-".
QStringList describeItems(const QMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator()) {
            items.append(action->objectName() + "|-");
            continue;
        }
        items.append(QStringList{action->objectName(), action->text(),
                                 action->shortcut().toString(),
                                 QString::number(int(action->menuRole()))}
                         .join('|'));
    }
    return items;
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void init() { useNoDevices(); }

    void cleanup() { MainWindow::release(); }

    void theMenuBarHoldsEditThenHelp()
    {
        QStringList titles;
        for (const QAction *action : Menu::instance()->actions())
            titles.append(action->objectName() + "|" + action->text());
        QCOMPARE(titles, (QStringList{"Edit|Edit", "Help|Help"}));
    }

    void editAndHelpListTheirItemsInOrder()
    {
        const Menu *menu = Menu::instance();
        const QString none = QString::number(int(QAction::NoRole));
        QCOMPARE(describeItems(menu->findChild<QMenu *>("Edit")),
                 (QStringList{"EditCut|Cut|Ctrl+X|" + none, "EditCopy|Copy|Ctrl+C|" + none,
                              "EditPaste|Paste|Ctrl+V|" + none, "EditClear|Clear||" + none}));
        QCOMPARE(describeItems(menu->findChild<QMenu *>("Help")),
                 (QStringList{
                     "HelpWebsite|Go to the website...||" + none,
                     "HelpContact|Contact us...||" + none,
                     "HelpDocumentation|Read the documentation...||" + none,
                     "HelpTranslate|Translate into another language...||" + none,
                     "HelpSeparator|-",
                     "ApplePreferences|Preferences...||" +
                         QString::number(int(QAction::PreferencesRole)),
                     "AppleQuit|Quit||" + QString::number(int(QAction::QuitRole)),
                     "AppleAbout|About...||" + QString::number(int(QAction::AboutRole)),
                 }));
    }

    void choosingAnItemRunsTheActionOfItsName()
    {
        QList<QUrl> opened;
        App::instance()->seams().openUrl = [&opened](const QUrl &url) {
            opened.append(url);
        };
        Menu::instance()->item("HelpContact")->trigger();
        Menu::instance()->item("HelpTranslate")->trigger();
        App::instance()->seams().openUrl = Seams::defaults().openUrl;
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened.at(0).toString().endsWith("/contacts.php"));
        QVERIFY(opened.at(1).toString().endsWith("/translate.php"));
    }

    void editCommandsActOnTheFocusedTextAndOtherwiseDoNothing()
    {
        QWidget window;
        auto *field = new QLineEdit("game pad", &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());

        field->setSelection(0, 5);
        Menu::instance()->item("EditCut")->trigger();
        QCOMPARE(field->text(), QStringLiteral("pad"));
        field->setCursorPosition(0);
        Menu::instance()->item("EditPaste")->trigger();
        QCOMPARE(field->text(), QStringLiteral("game pad"));
        field->setSelection(4, 4);
        Menu::instance()->item("EditClear")->trigger();
        QCOMPARE(field->text(), QStringLiteral("game"));

        // Without an editable control in focus nothing happens.
        field->clearFocus();
        Menu::instance()->item("EditClear")->trigger();
        QCOMPARE(field->text(), QStringLiteral("game"));
    }

    void theMenuBarOutlivesEachTesterWindow()
    {
        MainWindow *first = MainWindow::instance();
        QCOMPARE(first->menuWidget(), Menu::instance());
        MainWindow::release();
        QPointer<Menu> menu = Menu::instance();
        QVERIFY(!menu.isNull());
        MainWindow *second = MainWindow::instance();
        QCOMPARE(second->menuWidget(), menu.data());
        QCOMPARE(Menu::instance()->item("AppleQuit")->text(), QStringLiteral("Quit"));
    }
};

QUILLOMAT_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
