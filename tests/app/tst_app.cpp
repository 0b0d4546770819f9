#include "about/AboutWindow.h"
#include "app/InstructionsWindow.h"
#include "app/LayoutText.h"
#include "app/Menu.h"
#include "app/WebsiteUrl.h"
#include "support/FakeGameInput.h"
#include "support/TestApp.h"
#include "tester/MainWindow.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <stdexcept>

namespace {

// Each item of a menu as "name|text|shortcut", separators as "-".
QStringList describeItems(const QMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions())
        items.append(action->isSeparator() ? QStringLiteral("-")
                                           : QStringList{action->objectName(), action->text(),
                                                         action->shortcut().toString()}
                                                 .join('|'));
    return items;
}

} // namespace

// The application shell: menu bar and commands, messages, the instructions
// shown at launch, and the road to the end.
class TestApp : public QObject {
    Q_OBJECT

private slots:
    void init() { useNoDevices(); }
    void cleanup() { MainWindow::release(); }

    void theMenuBarCarriesEveryCommandInOrder()
    {
        const Menu *menu = Menu::instance();
        QCOMPARE(describeItems(menu->findChild<QMenu *>("Edit")),
                 (QStringList{"EditCut|Cut|Ctrl+X", "EditCopy|Copy|Ctrl+C",
                              "EditPaste|Paste|Ctrl+V", "EditClear|Clear|"}));
        QCOMPARE(describeItems(menu->findChild<QMenu *>("Help")),
                 (QStringList{"HelpWebsite|Go to the website...|", "HelpContact|Contact us...|",
                              "HelpDocumentation|Read the documentation...|",
                              "HelpTranslate|Translate into another language...|", "-",
                              "ApplePreferences|Preferences...|", "AppleQuit|Quit|",
                              "AppleAbout|About...|"}));
        QCOMPARE(menu->item("AppleAbout")->menuRole(), QAction::AboutRole);
        QCOMPARE(menu->item("ApplePreferences")->menuRole(), QAction::PreferencesRole);
        QCOMPARE(menu->item("AppleQuit")->menuRole(), QAction::QuitRole);
        QStringList names;
        for (const auto &entry : App::instance()->menuHandlers())
            names.append(entry.first);
        QCOMPARE(names, (QStringList{"HelpDocumentation", "AppleQuit", "AppleAbout", "HelpContact",
                                     "HelpTranslate", "HelpWebsite", "ApplePreferences"}));
    }

    void helpItemsOpenTheWebsitePages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("path");
        QTest::newRow("website, no trailing slash") << "HelpWebsite"
                                                    << "";
        QTest::newRow("contact") << "HelpContact"
                                 << "/contacts.php";
        QTest::newRow("documentation") << "HelpDocumentation"
                                       << "/contents.php";
        QTest::newRow("translate") << "HelpTranslate"
                                   << "/translate.php";
    }
    void helpItemsOpenTheWebsitePages()
    {
        QFETCH(QString, item);
        QFETCH(QString, path);
        QList<QUrl> opened;
        App::instance()->seams().openUrl = [&opened](const QUrl &url) {
            opened.append(url);
        };
        Menu::instance()->item(item)->trigger();
        App::instance()->seams().openUrl = Seams::defaults().openUrl;
        QCOMPARE(opened, QList<QUrl>{QUrl(websiteBaseUrl() + path)});
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
        field->setCursorPosition(3);
        Menu::instance()->item("EditPaste")->trigger();
        QCOMPARE(field->text(), QStringLiteral("padgame "));
        field->clearFocus();
        Menu::instance()->item("EditClear")->trigger();
        QCOMPARE(field->text(), QStringLiteral("padgame "));
    }

    void theMenuBarOutlivesEachTesterWindow()
    {
        QCOMPARE(MainWindow::instance()->menuWidget(), Menu::instance());
        MainWindow::release();
        QPointer<Menu> menu = Menu::instance();
        QCOMPARE(MainWindow::instance()->menuWidget(), menu.data());
    }

    void messagesShowOnTheUiThreadWithLineBreaksAndTheCallerWaits()
    {
        QThread *shownOn = nullptr;
        QString shownText;
        bool dismissed = false;
        bool callerSawDismissal = false;
        App::instance()->seams().showMessageBox = [&](const QString &text) {
            shownOn = QThread::currentThread();
            shownText = text;
            QTest::qWait(50);
            dismissed = true;
        };
        QThread *worker = QThread::create([&] {
            App::instance()->displayMessage("first\rsecond");
            callerSawDismissal = dismissed;
        });
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        delete worker;
        App::instance()->seams().showMessageBox = Seams::defaults().showMessageBox;
        QCOMPARE(shownOn, QThread::currentThread());
        QCOMPARE(shownText, QStringLiteral("first\nsecond"));
        QVERIFY(callerSawDismissal);
    }

    // The box the program really shows: a device name (from the device's
    // own descriptor) or a translation is text, never markup; and a key held
    // down since before the box appeared does not dismiss it unread.
    void theMessageBoxShowsTextAsGivenAndWaitsForAFreshKey()
    {
        const QString text = "<b>Pad</b> <img src=\"x.png\"> & co";
        QString shownText;
        Qt::TextFormat format = Qt::RichText;
        bool visibleAfterRepeat = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            const auto *label = box->findChild<QLabel *>("qt_msgbox_label");
            shownText = label->text();
            format = label->textFormat();
            const auto send = [box](QEvent::Type type, bool autoRepeat, quint64 moment) {
                QKeyEvent event(type, Qt::Key_Return, {}, "\r", autoRepeat);
                event.setTimestamp(moment);
                QCoreApplication::sendEvent(box->windowHandle(), &event);
            };
            // A held key repeats as a release and a press at one moment,
            // flagged as a repeat or, now and then, not.
            for (bool flagged : {true, false}) {
                send(QEvent::KeyRelease, flagged, 1000 + flagged);
                send(QEvent::KeyPress, flagged, 1000 + flagged);
            }
            visibleAfterRepeat = box->isVisible();
            send(QEvent::KeyRelease, false, 2000);
            send(QEvent::KeyPress, false, 2100);
        });
        // Should a step fail, the box still goes and the test ends.
        QTimer::singleShot(5000, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->reject();
        });
        Seams::defaults().showMessageBox(text);
        QCOMPARE(shownText, text);
        QCOMPARE(format, Qt::PlainText);
        QVERIFY(visibleAfterRepeat);
    }

    void eachLaunchShowsTheInstructionsOverTheTesterWindow()
    {
        QTemporaryDir preferences;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(preferences.path()));
        App::instance()->Event_Open();
        QPointer<InstructionsWindow> window = InstructionsWindow::existing();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QCOMPARE(window->parentWidget(), MainWindow::existing());
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QCOMPARE(window->minimumSize(), QSize(320, 330));
        QCOMPARE(window->maximumSize(), QSize(320, 330));
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        const QStringList paragraphs = window->instructionsStaticText()->text().split("\n\n");
        QCOMPARE(paragraphs.size(), 6);
        QVERIFY(paragraphs.at(5).startsWith("6) Then click on the \"Save\" button."));

        // Escape and close requests leave it open; Return dismisses it.
        QTest::keyClick(window.data(), Qt::Key_Escape);
        QVERIFY(!window->close());
        QCoreApplication::processEvents();
        QVERIFY(window && window->isVisible());
        QTest::keyClick(window.data(), Qt::Key_Return);
        QTRY_VERIFY(window.isNull());
    }

    void contrastRatioFollowsTheWcag_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("lightest grey readable on white")
            << QColor(0x767676) << QColor(Qt::white) << 4.542;
    }
    void contrastRatioFollowsTheWcag()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(contrastRatio(text, background) - ratio) < 0.001,
                 qPrintable(QString::number(contrastRatio(text, background))));
    }

    // The layouts' black texts stay black on a light desktop and take the
    // theme's text colour on a dark one, also when the theme changes while the
    // windows are open. The About box paints its own backdrop: it keeps its
    // colours.
    void layoutTextsAreReadableOnLightAndDarkDesktops()
    {
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(0x353535));
        dark.setColor(QPalette::WindowText, QColor(0xeeeeee));
        const auto restore = qScopeGuard([light] { QApplication::setPalette(light); });
        QVERIFY(contrastRatio(Qt::black, light.color(QPalette::Window)) >= 4.5);

        MainWindow *tester = MainWindow::instance();
        QPointer<InstructionsWindow> instructions = InstructionsWindow::instance();
        QPointer<AboutWindow> about = AboutWindow::instance();
        const auto discard = qScopeGuard([&] {
            delete instructions;
            delete about;
        });
        const QList<QPointer<QWidget>> windows{tester, instructions.data(), about.data()};
        const auto colours = [&windows] {
            QStringList found;
            for (const QWidget *window : windows)
                for (const QLabel *label :
                     window ? window->findChildren<QLabel *>() : QList<QLabel *>())
                    found.append(label->objectName() + ' ' +
                                 label->palette().color(QPalette::WindowText).name());
            return found;
        };
        const QStringList inLight{
            "SelectStaticText #000000",       "InstructionsStaticText #000000",
            "InstructionsStaticText #000000", "NameStaticText #000000",
            "DevelopedStaticText #000000",    "URLStaticText #0000ff"};
        QCOMPARE(colours(), inLight);
        QApplication::setPalette(dark);
        QTRY_COMPARE(colours(),
                     (QStringList{"SelectStaticText #eeeeee", "InstructionsStaticText #eeeeee",
                                  "InstructionsStaticText #eeeeee", "NameStaticText #000000",
                                  "DevelopedStaticText #000000", "URLStaticText #0000ff"}));
        QApplication::setPalette(light);
        QTRY_COMPARE(colours(), inLight);
        // Translators write these texts: they are shown as written, never as markup.
        for (const QWidget *window : windows.first(2))
            for (const QLabel *label : window->findChildren<QLabel *>())
                QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void otherHighLevelEventsAreLeftAlone_data()
    {
        QTest::addColumn<QString>("eventClass");
        QTest::addColumn<QString>("eventId");
        QTest::newRow("open documents") << "aevt"
                                        << "odoc";
        QTest::newRow("quit of another class") << "misc"
                                               << "quit";
    }
    void otherHighLevelEventsAreLeftAlone()
    {
        QFETCH(QString, eventClass);
        QFETCH(QString, eventId);
        QPointer<MainWindow> window = MainWindow::instance();
        QVERIFY(!App::instance()->Event_HandleAppleEvent(nullptr, eventClass, eventId));
        QCoreApplication::processEvents();
        QVERIFY(!window.isNull());
        QVERIFY(!App::instance()->isQuitting());
    }

    // Last: the program is quitting afterwards. The desktop asks it to quit
    // while the save dialog waits. The preferences are saved while the event
    // loop still runs, so even an exception there is reported; the dialog
    // goes; the tester window outlives the handler that opened the dialog.
    void aQuitWhileTheSaveDialogWaits()
    {
        QTemporaryDir home;
        QFile notAFolder(home.filePath("config"));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(notAFolder.fileName()));
        QStringList shown;
        App::instance()->seams().showMessageBox = [&shown](const QString &text) {
            shown.append(text);
            if (shown.size() == 1)
                throw std::runtime_error("no box today");
        };
        bool dialogWentAway = false;
        App::instance()->seams().saveFileName = [&dialogWentAway](QWidget *parent,
                                                                  const QString &) {
            // As the desktop's own file dialog runs: a loop of its own, not
            // Qt's, until the dialog is gone.
            QDialog dialog(parent);
            dialog.setModal(true);
            dialog.show();
            QCoreApplication::postEvent(App::instance(), new QEvent(QEvent::Quit));
            QDeadlineTimer deadline(5000);
            while (dialog.isVisible() && !deadline.hasExpired()) {
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            dialogWentAway = !dialog.isVisible();
            return QString();
        };
        QPointer<MainWindow> window = MainWindow::instance();
        window->show();
        window->savePushButton()->click();
        QVERIFY(dialogWentAway);
        QVERIFY(window && !window->isVisible());
        QVERIFY(App::instance()->isQuitting());
        QCOMPARE(shown.value(0), QStringLiteral("The \"Preferences\" folder does not exist."));
        QVERIFY2(shown.value(1).startsWith("Unhandled exception\nNumber: 0\nMessage: no box today"),
                 qPrintable(shown.join('|')));
        // A save cancelled by the quit says nothing more.
        QCOMPARE(shown.size(), 2);
    }
};

QUILLOMAT_TEST_MAIN(TestApp)
#include "tst_app.moc"
