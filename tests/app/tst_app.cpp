#include "VirtualJoystick.h"
#include "about/AboutWindow.h"
#include "app/ExceptionReport.h"
#include "app/InstructionsWindow.h"
#include "app/Menu.h"
#include "base/LayoutText.h"
#include "base/LocalizedText.h"
#include "base/WebsiteUrl.h"
#include "prefs/PreferencesWindow.h"
#include "support/TestApp.h"
#include "tester/DeviceWindow.h"
#include "tester/MainWindow.h"

#include <QLibraryInfo>

#include <system_error>

// Exported and kept out of line, so that the stack can name it.
[[noreturn, gnu::noinline]] void throwFromANamedPlace();
void throwFromANamedPlace()
{
    throw AppException(42, QStringLiteral("the pad went away"));
}

namespace {

QAction *menuItem(const char *name)
{
    return Menu::instance()->findChild<QAction *>(name);
}

// Each item of a menu as "name|text|shortcut", separators as "-".
QString describeItems(const char *menuName)
{
    QStringList items;
    for (const QAction *action : Menu::instance()->findChild<QMenu *>(menuName)->actions())
        items << (action->isSeparator() ? "-"
                                        : action->objectName() + '|' + action->text() + '|' +
                                              action->shortcut().toString());
    return items.join(", ");
}

// The languages that ship: every translation compiled into the program.
QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString &file : QDir(":/i18n").entryList({"quillomat_*.qm"}))
        languages.append(file.mid(10).chopped(3));
    return languages;
}

// What a translation must keep of a text: its placeholders and line breaks.
QString skeleton(const QString &text)
{
    QStringList kept;
    for (const QRegularExpressionMatch &match : QRegularExpression("%[A-Z]+%").globalMatch(text))
        kept.append(match.captured());
    return kept.join(' ') + QStringLiteral(" / %1 line breaks").arg(text.count('\r'));
}

// The controls of a window whose text is missing or does not show whole, or
// that cover another control, as "Window/Control".
QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    const auto check = [&](const QWidget *control, bool fits) {
        if (!fits)
            clipped.append(window->objectName() + '/' + control->objectName());
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window))
            continue;
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect area = label->contentsRect();
        check(label, !label->text().isEmpty() && area.contains(label->fontMetrics().boundingRect(
                                                     area, flags, label->text())));
    }
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        check(button, !button->text().isEmpty() &&
                          button->fontMetrics().horizontalAdvance(button->text()) <=
                              button->style()
                                  ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                  .width());
    }
    for (const QCheckBox *box : window->findChildren<QCheckBox *>())
        check(box, !box->text().isEmpty() && box->sizeHint().width() <= box->width());
    const auto *main = qobject_cast<const QMainWindow *>(window);
    const QWidgetList controls = (main ? main->centralWidget() : window)
                                     ->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *control : controls)
        for (const QWidget *other : controls)
            check(control, control == other || !control->geometry().intersects(other->geometry()));
    return clipped;
}

// The Device window over `tester`, for a pad with a part of each kind.
DeviceWindow *deviceWindowOfAPad(MainWindow *tester)
{
    auto *popup = tester->findChild<QComboBox *>("MainPopupMenu");
    if (!QTest::qWaitFor([popup] { return popup->count() > 0; }))
        qWarning("no pad offered");
    popup->setCurrentIndex(0);
    return DeviceWindow::showFor(tester);
}

} // namespace

// The application shell: menu bar and commands, messages, the instructions
// shown at launch, reports of exceptions, and the road to the end.
class TestApp : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        MainWindow::release();
        for (QWidget *window : QApplication::topLevelWidgets())
            delete qobject_cast<AboutWindow *>(window);
    }

    void theMenuBarCarriesEveryCommandInOrder()
    {
        QCOMPARE(describeItems("Edit"), "EditCut|&Cut|Ctrl+X, EditCopy|C&opy|Ctrl+C, "
                                        "EditPaste|&Paste|Ctrl+V, EditClear|C&lear|");
        QCOMPARE(describeItems("View"), "ViewDevice|&Device window|Ctrl+D");
        QCOMPARE(describeItems("Help"),
                 "HelpWebsite|&Go to the website...|, HelpContact|&Contact us...|, "
                 "HelpDocumentation|&Read the documentation...|, "
                 "HelpTranslate|&Translate into another language...|, -, "
                 "ApplePreferences|&Preferences...|, AppleQuit|&Quit|" +
                     QKeySequence(QKeySequence::Quit).toString() + ", AppleAbout|&About...|");
        QVERIFY(menuItem("AppleAbout")->menuRole() == QAction::AboutRole &&
                menuItem("ApplePreferences")->menuRole() == QAction::PreferencesRole &&
                menuItem("AppleQuit")->menuRole() == QAction::QuitRole);
    }

    // What each command does: a page it opens, or a window it shows, as "name
    // in parent" (Quit is the last test's).
    void menuCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("effect");
        const QString site = websiteBaseUrl();
        QTest::newRow("website, no trailing slash") << "HelpWebsite" << site;
        QTest::newRow("contact") << "HelpContact" << site + "/contacts.php";
        QTest::newRow("documentation") << "HelpDocumentation" << site + "/contents.php";
        QTest::newRow("translate") << "HelpTranslate" << site + "/translate.php";
        QTest::newRow("about") << "AppleAbout"
                               << "AboutWindow in -";
        QTest::newRow("preferences, over the tester window") << "ApplePreferences"
                                                             << "PreferencesWindow in MainWindow";
        QTest::newRow("device window, the tester's") << "ViewDevice"
                                                     << "DeviceWindow in MainWindow";
    }
    void menuCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, effect);
        const SeamsRestorer restorer;
        QStringList effects;
        seams().openUrl = [&effects](const QUrl &url) {
            effects.append(url.toString());
        };
        // The menu bar outlives each tester window and shows in the next one.
        MainWindow *tester = MainWindow::instance();
        tester->show();
        QVERIFY(tester->menuWidget() == Menu::instance() && Menu::instance()->isVisible());
        menuItem(qPrintable(item))->trigger();
        for (const QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && window != tester)
                effects << window->objectName() + " in " +
                               (window->parentWidget() ? window->parentWidget()->objectName()
                                                       : "-");
        QCOMPARE(effects, QStringList{effect});
    }

    void editCommandsActOnTheFocusedTextAndOtherwiseDoNothing()
    {
        QLineEdit field("game pad");
        field.show();
        field.activateWindow();
        QTRY_VERIFY(field.hasFocus());
        const auto edit = [&field](int from, int length, const char *command) {
            field.setSelection(from, length);
            menuItem(command)->trigger();
        };
        edit(0, 5, "EditCut");
        edit(3, 0, "EditPaste");
        edit(0, 3, "EditCopy");
        edit(8, 0, "EditPaste");
        edit(3, 5, "EditClear");
        QCOMPARE(field.text(), "padpad");
        field.clearFocus();
        menuItem("EditClear")->trigger();
        QCOMPARE(field.text(), "padpad");
    }

    void messagesShowOnTheUiThreadWithLineBreaksAndTheCallerWaits()
    {
        const SeamsRestorer restorer;
        QStringList events;
        seams().showMessageBox = [&events](const QString &text) {
            QTest::qWait(50);
            events << text +
                          (QThread::currentThread() == qApp->thread() ? " on the UI thread" : "");
        };
        std::unique_ptr<QThread> worker(QThread::create([&events] {
            App::instance()->displayMessage("first\rsecond");
            events << "returned";
        }));
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        QCOMPARE(events, (QStringList{"first\nsecond on the UI thread", "returned"}));
    }

    // The box the program really shows: a device name (from the device's
    // own descriptor) or a translation is text, never markup; and a key held
    // down since before the box appeared does not dismiss it unread, while a
    // fresh press does, also as a screen reader's bridge hands it back: a
    // copy without a moment.
    void theMessageBoxShowsTextAsGivenAndWaitsForAFreshKey()
    {
        const QString text = "<b>Pad</b> <img src=\"x.png\"> & co";
        QString shown = "(no box)";
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            const auto *label = box->findChild<QLabel *>("qt_msgbox_label");
            shown = label->text() + (label->textFormat() == Qt::PlainText ? "" : " as markup");
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
            shown += box->isVisible() ? "" : " until a held key";
            send(QEvent::KeyRelease, false, 0);
            send(QEvent::KeyPress, false, 0);
        });
        // Should a step fail, the box still goes and the test ends.
        QTimer::singleShot(5000, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                box->reject();
                shown += " until the end";
            }
        });
        Seams::defaults().showMessageBox(text);
        QCOMPARE(shown, text);
    }

    // At launch the stored preferences place the tester window, and the
    // instructions come over it.
    void eachLaunchShowsTheInstructionsOverTheTesterWindow()
    {
        QFile stored(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quillomat");
        // As some editors save it: with a byte-order mark before the first key.
        QVERIFY(stored.open(QIODevice::WriteOnly) &&
                stored.write("\xef\xbb\xbfMAINWINDOWLEFT = 33\nMAINWINDOWTOP = 44\n"));
        stored.close();
        QVERIFY(QMetaObject::invokeMethod(App::instance(), "Event_Open"));
        QCOMPARE(MainWindow::instance()->pos(), QPoint(33, 44));
        // They wait for the tester window to be on the screen.
        QPointer window = MainWindow::instance()->findChild<InstructionsWindow *>();
        QVERIFY(window);
        QTRY_VERIFY(window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QVERIFY(window->minimumSize() == QSize(320, 330) &&
                window->maximumSize() == QSize(320, 330));
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(window->findChild<QLabel *>("InstructionsStaticText")
                    ->text()
                    .contains("\n\n6) Then click on the \"Save\" button."));
        // Ok is the default button (Escape does the same: the demo run shows it).
        QTest::keyClick(window.data(), Qt::Key_Return);
        QTRY_VERIFY(window.isNull());
    }

    // The layouts' fonts ("b" bold, "u" underlined) and their texts' colours.
    // Black texts stay black on a light desktop and take the theme's text
    // colour on a dark one, from the start and when the theme changes while
    // the windows are open; the About box paints its own backdrop and keeps
    // its colours. Translators write these texts: shown as written, never as
    // markup.
    void controlsHaveTheirLayoutsFontsAndReadableTexts()
    {
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(0x353535));
        dark.setColor(QPalette::WindowText, QColor(0xeeeeee));
        const auto restore = qScopeGuard([light] { QApplication::setPalette(light); });
        QVERIFY(contrastRatio(Qt::black, light.color(QPalette::Window)) >= 4.5);
        // The grey that WCAG gives as just readable on white.
        QCOMPARE(qRound(contrastRatio(QColor(0x767676), Qt::white) * 100), 454);
        QApplication::setPalette(dark);
        MainWindow *tester = MainWindow::instance();
        std::unique_ptr<InstructionsWindow> instructions(InstructionsWindow::instance());
        std::unique_ptr<AboutWindow> about(AboutWindow::instance());
        const QList<QWidget *> windows{tester, instructions.get(), about.get()};
        const auto colours = [&windows] {
            QStringList found;
            for (const QWidget *window : windows)
                for (const QLabel *label : window->findChildren<QLabel *>())
                    found << label->palette().color(QPalette::WindowText).name().mid(1) +
                                 (label->textFormat() == Qt::PlainText ? "" : " markup");
            return found.join(' ');
        };
        QCOMPARE(colours(), "eeeeee eeeeee eeeeee 000000 000000 0000ff");
        QApplication::setPalette(light);
        QTRY_COMPARE(colours(), "000000 000000 000000 000000 000000 0000ff");
        QApplication::setPalette(dark);
        QTRY_COMPARE(colours(), "eeeeee eeeeee eeeeee 000000 000000 0000ff");

        PreferencesWindow::showWithin(tester); // a child of the tester window
        QStringList fonts;
        for (const QWidget *window : windows)
            for (const QWidget *control : window->findChildren<QWidget *>())
                if (control->testAttribute(Qt::WA_SetFont) && !control->objectName().isEmpty())
                    fonts << QStringLiteral("%1 %2%3%4")
                                 .arg(control->objectName())
                                 .arg(control->font().pixelSize())
                                 .arg(control->font().bold() ? "b" : "",
                                      control->font().underline() ? "u" : "");
        QCOMPARE(
            fonts.join(", "),
            "SelectStaticText 12, MainPopupMenu 12, MainListBox 12, InstructionsStaticText 10, "
            "SavePushButton 12, CheckCheckBox 12, ResetCheckBox 12, OkPushButton 12, "
            "InstructionsStaticText 10, OkPushButton 12, NameStaticText 12b, "
            "DevelopedStaticText 12, URLStaticText 10u");
    }

    void anExceptionLeavingAHandlerIsReportedAndTheProgramGoesOn()
    {
        MessageRecorder recorder;
        App *app = App::instance();
        QTimer::singleShot(0, app, [] { throwFromANamedPlace(); });
        QTimer::singleShot(0, app, [] { throw std::runtime_error("second"); });
        QTimer::singleShot(
            0, app, [] { throw std::system_error(std::make_error_code(std::errc::io_error)); });
        QTimer::singleShot(0, app, [] { throw 5; });
        QTRY_COMPARE(recorder.messages.size(), 4);
        // The stack starts where the exception was thrown.
        const QStringList own = recorder.messages.at(0).split('\n');
        QCOMPARE(own.size(), 7);
        QVERIFY2(own.join('|').startsWith("Unhandled exception|Number: 42|Message: the pad went "
                                          "away|Stack: throwFromANamedPlace") &&
                     own.value(4).startsWith("- "),
                 qPrintable(own.join('|')));
        QCOMPARE(
            recorder.messages.at(1).section('\n', 0, 3),
            "Unhandled exception\nNumber: 0\nMessage: second\nStack: App handling event type 43");
        QVERIFY(recorder.messages.at(2).startsWith(
            QStringLiteral("Unhandled exception\nNumber: %1\n").arg(EIO)));
        QCOMPARE(recorder.messages.at(3), "Unhandled exception");
        QVERIFY(!app->isQuitting());
    }

    void everyLanguageHasEveryTextWithItsPlaceholdersAndLineBreaks_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyLanguageHasEveryTextWithItsPlaceholdersAndLineBreaks()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/quillomat_" + language));
        for (const LocalizedTextConstant &constant : allLocalizedTextConstants()) {
            // Unfinished texts are left out of the compiled file.
            const QString text = translator.translate(nullptr, constant.key);
            QVERIFY2(!text.trimmed().isEmpty(), constant.key);
            QCOMPARE(skeleton(text), skeleton(QString::fromUtf8(constant.defaultText)));
        }
    }

    // The translation a locale gets, ours and Qt's: a region without one of
    // its own takes another region's; English needs none.
    void eachLocaleGetsItsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("ours");
        QTest::addColumn<QString>("qts");
        QTest::newRow("a region of its own") << "pt_BR"
                                             << "pt_BR"
                                             << "pt_BR";
        QTest::newRow("another region's") << "pt_PT"
                                          << "pt_BR"
                                          << "pt_BR";
        QTest::newRow("the language's") << "de_AT"
                                        << "de"
                                        << "de";
        QTest::newRow("English") << "en_GB"
                                 << ""
                                 << "";
        QTest::newRow("only Qt's") << "nl_NL"
                                   << ""
                                   << "nl";
    }
    void eachLocaleGetsItsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, ours);
        QFETCH(QString, qts);
        const auto loaded = [&locale](const char *prefix, const QString &folder) {
            QTranslator translator;
            return loadTranslation(translator, QLocale(locale), prefix, folder)
                       ? QFileInfo(translator.filePath()).completeBaseName().section('_', 1)
                       : QString();
        };
        QCOMPARE(loaded("quillomat", ":/i18n"), ours);
        QCOMPARE(loaded("qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath)), qts);
    }

    // The layouts have fixed sizes: every text must show whole in each
    // language, with the fonts the program uses.
    void everyTextFitsItsControl_data()
    {
        everyLanguageHasEveryTextWithItsPlaceholdersAndLineBreaks_data();
        QTest::newRow("en") << QString("en");
    }
    void everyTextFitsItsControl()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (translator.load(":/i18n/quillomat_" + language))
            QCoreApplication::installTranslator(&translator);
        // The menu bar, built anew in the language: each title and item has an
        // access key of its own.
        Menu::release();
        const auto english = qScopeGuard(&Menu::release);
        QStringList clashes;
        QList<const QWidget *> menus{Menu::instance()};
        for (const QMenu *menu : Menu::instance()->findChildren<QMenu *>())
            menus << menu;
        for (const QWidget *menu : menus) {
            QList<QKeySequence> keys;
            for (const QAction *entry : menu->actions()) {
                const QKeySequence key = QKeySequence::mnemonic(entry->text());
                if (!entry->isSeparator() && (key.isEmpty() || keys.contains(key)))
                    clashes << entry->text();
                keys << key;
            }
        }
        QVERIFY2(clashes.isEmpty(),
                 qPrintable("no access key of their own: " + clashes.join(", ")));
        VirtualJoystick pad({"Pad", 5, 3, 1});
        MainWindow *tester = MainWindow::instance();
        tester->show();
        DeviceWindow *device = deviceWindowOfAPad(tester);
        std::unique_ptr<InstructionsWindow> instructions(InstructionsWindow::instance());
        PreferencesWindow::showWithin(tester);
        std::unique_ptr<AboutWindow> about(AboutWindow::instance());
        QStringList clipped;
        for (QWidget *window : QList<QWidget *>{tester, instructions.get(), about.get(),
                                                tester->findChild<PreferencesWindow *>(), device}) {
            window->ensurePolished();
            clipped += clippedTexts(window);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
        QCOMPARE(tester->findChild<QPushButton *>()->text() == "Save...", language == "en");
    }

    // By keyboard alone: F10 opens the first menu, and in every window the
    // control that has the keyboard focus shows it.
    void theKeyboardReachesEverythingVisibly()
    {
        VirtualJoystick pad({"Pad", 5, 3, 1});
        MainWindow *tester = MainWindow::instance();
        tester->show();
        QVERIFY(QTest::qWaitForWindowActive(tester));
        QTest::keyClick(tester, Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(),
                     Menu::instance()->findChild<QMenu *>("Edit"));
        QApplication::activePopupWidget()->close();
        QStringList unmarked;
        // Each control is drawn, not left blank in one colour, and drawn
        // otherwise once it has the focus.
        const auto blank = [](const QImage &image) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != image.pixel(0, 0))
                        return false;
            return true;
        };
        const auto look = [&](QWidget *window) {
            QVERIFY(QTest::qWaitForWindowActive(window));
            for (QWidget *control : window->findChildren<QWidget *>()) {
                if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window) ||
                    !control->isEnabled())
                    continue;
                window->setFocus();
                const QImage before = control->grab().toImage();
                control->setFocus(Qt::TabFocusReason);
                if (blank(before) || control->grab().toImage() == before)
                    unmarked << control->objectName();
            }
        };
        look(tester);
        std::unique_ptr<InstructionsWindow> instructions(InstructionsWindow::instance());
        instructions->show();
        look(instructions.get());
        instructions.reset();
        PreferencesWindow::showWithin(tester);
        look(tester->findChild<PreferencesWindow *>());
        delete tester->findChild<PreferencesWindow *>();
        look(deviceWindowOfAPad(tester));
        QCOMPARE(unmarked.join(", "), "");
    }

    // A tester window that goes gives the menu bar back; after the event
    // loop the program lets go of everything it holds.
    void theEndReleasesTheWindowsAndTheMenuBar()
    {
        QPointer<Menu> menu = Menu::instance();
        MainWindow::instance();
        MainWindow::release();
        QVERIFY(menu);
        MainWindow::instance();
        QPointer<AboutWindow> about = AboutWindow::instance();
        App::releaseModuleObjects();
        QVERIFY(!MainWindow::existing() && !about && !Menu::existing());
    }

    // Last: the program is quitting afterwards. The Quit command comes while
    // the save dialog waits. The preferences are saved while the event loop
    // still runs, so even an exception there is reported; the dialog goes;
    // the tester window outlives the handler that opened the dialog.
    void quitWhileTheSaveDialogWaits()
    {
        QTemporaryDir home;
        QFile notAFolder(home.filePath("config"));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(notAFolder.fileName()));
        QStringList shown;
        seams().showMessageBox = [&shown](const QString &text) {
            shown.append(text);
            if (shown.size() == 1)
                throw std::runtime_error("no box today");
        };
        bool dialogWentAway = false;
        seams().saveFileName = [&dialogWentAway](QWidget *parent, const QString &) {
            // As the desktop's own file dialog runs: a loop of its own, not
            // Qt's, until the dialog is gone.
            QDialog dialog(parent);
            dialog.setModal(true);
            dialog.show();
            QTimer::singleShot(0, menuItem("AppleQuit"), &QAction::trigger);
            for (QDeadlineTimer deadline(5000); dialog.isVisible() && !deadline.hasExpired();) {
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            dialogWentAway = !dialog.isVisible();
            return QString();
        };
        QPointer<MainWindow> window = MainWindow::instance();
        window->show();
        // The quit ends the program's event loop, even with the exception on the way.
        QEventLoop programLoop;
        QTimer::singleShot(0, window->findChild<QPushButton *>("SavePushButton"),
                           &QPushButton::click);
        QTimer::singleShot(5000, &programLoop, [&programLoop] { programLoop.exit(1); });
        QCOMPARE(programLoop.exec(), 0);
        QVERIFY(dialogWentAway && window && !window->isVisible());
        QVERIFY(App::instance()->isQuitting());
        // A save cancelled by the quit says nothing more.
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.value(0), "The \"Preferences\" folder does not exist.");
        QVERIFY(shown.value(1).startsWith("Unhandled exception\nNumber: 0\nMessage: no box today"));
    }
};

QUILLOMAT_TEST_MAIN(TestApp)
#include "tst_app.moc"
