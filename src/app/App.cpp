#include "app/App.h"

#include "about/AboutWindow.h"
#include "app/ExceptionReport.h"
#include "app/FocusRingStyle.h"
#include "app/InstructionsWindow.h"
#include "app/Menu.h"
#include "app/QuitSignals.h"
#include "base/ApplicationServices.h"
#include "base/LocalizedText.h"
#include "base/Seams.h"
#include "base/WebsiteUrl.h"
#include "prefs/CommonPreferencesModule.h"
#include "prefs/PreferencesModule.h"
#include "prefs/PreferencesWindow.h"
#include "tester/DeviceWindow.h"
#include "tester/MainWindow.h"
#include "update/CheckForUpdateModule.h"

#include <QDialog>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSemaphore>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <cstdio>
#include <memory>

namespace {

QString eventContext(QObject *receiver, QEvent *event)
{
    QString context = receiver ? QString::fromLatin1(receiver->metaObject()->className())
                               : QStringLiteral("(no receiver)");
    if (receiver && !receiver->objectName().isEmpty())
        context += QStringLiteral(" \"%1\"").arg(receiver->objectName());
    if (event)
        context += QStringLiteral(" handling event type %1").arg(static_cast<int>(event->type()));
    return context;
}

QUrl websiteUrl(const char *path)
{
    return QUrl(websiteBaseUrl() + QLatin1String(path));
}

// The icon the menu entry shows, as the package installs it in the desktop's
// icon theme, or the program's own copy. Found by its paths: Qt's theme
// lookup reads the whole theme index, a fifth of the program's start-up. Each
// file is decoded at once, and windows carry icons up to 128 pixels: the
// 256-pixel one is left to the desktop.
QIcon installedIcon()
{
    QIcon icon;
    for (const int size : {32, 48, 64, 128}) {
        const QString file = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation,
            QStringLiteral("icons/hicolor/%1x%1/apps/com.brindlecove.Quillomat.png").arg(size));
        if (!file.isEmpty())
            icon.addFile(file, QSize(size, size));
    }
    return icon.isNull() ? QIcon(QStringLiteral(":/icons/128.png")) : icon;
}

} // namespace

App::App(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The program's own plugins, installed in its own library folder; in the build
    // tree they lie beside the program, where Qt looks anyway.
    addLibraryPath(applicationDirPath() + QStringLiteral("/../lib/quillomat/plugins"));
    // The tester window decides when the program ends, not the last window.
    setQuitOnLastWindowClosed(false);
    setApplicationName(ApplicationNameMBS(this));
    setApplicationVersion(applicationVersionText());
    // Ties the windows to the desktop entry, for the desktop's icon and name.
    setDesktopFileName(QStringLiteral("com.brindlecove.Quillomat"));

    setStyle(new FocusRingStyle);
    setWindowIcon(installedIcon());

    auto *translator = new QTranslator(this);
    if (loadTranslation(*translator, QLocale(), QStringLiteral("quillomat"),
                        QStringLiteral(":/i18n")))
        installTranslator(translator);
    // Qt's own texts (the save dialog, the standard buttons, the names of
    // keys) in the same language.
    auto *qtTranslator = new QTranslator(this);
    if (loadTranslation(*qtTranslator, QLocale(), QStringLiteral("qtbase"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTranslator);

    Menu::instance();

    menuHandlers_ = {
        {QStringLiteral("HelpDocumentation"), &App::_HelpDocumentation_Action},
        {QStringLiteral("AppleQuit"), &App::_AppleQuit_Action},
        {QStringLiteral("AppleAbout"), &App::_AppleAbout_Action},
        {QStringLiteral("HelpContact"), &App::_HelpContact_Action},
        {QStringLiteral("HelpTranslate"), &App::_HelpTranslate_Action},
        {QStringLiteral("HelpWebsite"), &App::_HelpWebsite_Action},
        {QStringLiteral("ApplePreferences"), &App::_ApplePreferences_Action},
        {QStringLiteral("ViewDevice"), &App::_ViewDevice_Action},
    };

    quitSignals_ = new QuitSignals(this);
    connect(quitSignals_, &QuitSignals::quitRequested, this, [this] {
        // A second request, while a message holds up the quit, ends the
        // program at once.
        if (quitting_) {
            QCoreApplication::exit(0);
            return;
        }
        quitBySignal_ = true;
        Event_HandleAppleEvent(nullptr, QStringLiteral("aevt"), QStringLiteral("quit"));
    });
}

App::~App()
{
    releaseModuleObjects();
}

App *App::instance()
{
    return static_cast<App *>(QCoreApplication::instance());
}

void App::start()
{
    QTimer::singleShot(0, this, &App::Event_Open);
}

void App::Event_Open()
{
    PreferencesModule::loadPreferences();

    MainWindow *mainWindow = MainWindow::instance();
    // Opening the window may already have ended the program (no game input).
    if (quitting_)
        return;
    mainWindow->show();

    InstructionsWindow::showWithin(mainWindow, [] { CheckForUpdateModule::checkForUpdate(); });
}

void App::Event_Close()
{
    if (closed_)
        return;
    closed_ = true;
    PreferencesModule::savePreferences();
}

bool App::Event_HandleAppleEvent(QEvent *, const QString &eventClass, const QString &eventId)
{
    if (eventClass == QLatin1String("aevt") && eventId == QLatin1String("quit")) {
        quitApplication();
        return true;
    }
    return false;
}

bool App::Event_UnhandledException(const ExceptionInfo *exception)
{
    displayMessage(unhandledExceptionReport(exception));
    return true;
}

bool App::_HelpDocumentation_Action()
{
    seams().openUrl(websiteUrl("/contents.php"));
    return true;
}

bool App::_AppleQuit_Action()
{
    quitApplication();
    return true;
}

bool App::_AppleAbout_Action()
{
    AboutWindow *aboutWindow = AboutWindow::instance();
    aboutWindow->show();
    aboutWindow->raise();
    // Active, so that a screen reader reads it as it appears.
    aboutWindow->activateWindow();
    return true;
}

bool App::_HelpContact_Action()
{
    seams().openUrl(websiteUrl("/contacts.php"));
    return true;
}

bool App::_HelpTranslate_Action()
{
    seams().openUrl(websiteUrl("/translate.php"));
    return true;
}

bool App::_HelpWebsite_Action()
{
    seams().openUrl(websiteUrl(""));
    return true;
}

bool App::_ApplePreferences_Action()
{
    // The tester window is the sheet's parent; none is made while quitting.
    if (MainWindow *mainWindow = MainWindow::existing())
        PreferencesWindow::showWithin(mainWindow);
    return true;
}

bool App::_ViewDevice_Action()
{
    if (MainWindow *mainWindow = MainWindow::existing())
        DeviceWindow::showFor(mainWindow);
    return true;
}

void App::displayMessage(const QString &text)
{
    if (QThread::currentThread() != thread()) {
        // Not a blocking queued call: once the event loop has ended nobody
        // would ever answer it, and the calling thread could not be joined.
        auto dismissed = std::make_shared<QSemaphore>(0);
        QMetaObject::invokeMethod(
            this,
            [this, text, dismissed] {
                if (!quitting_)
                    displayMessage(text);
                dismissed->release();
            },
            Qt::QueuedConnection);
        while (!dismissed->tryAcquire(1, 50)) {
            if (quitting_)
                return;
        }
        return;
    }
    // A session that logs out, or a service manager, waits for the program
    // to go: no message box may hold it up.
    if (quitBySignal_) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(applicationName()),
                     qPrintable(withLineBreaks(text)));
        return;
    }
    FrontmostMBS(this, true);
    QApplication::beep();
    seams().showMessageBox(withLineBreaks(text));
}

void App::quitApplication()
{
    if (quitting_)
        return;
    MainWindow::instance()->close();
}

void App::lendMenuBar(QMainWindow *window)
{
    window->setMenuBar(Menu::instance());
}

void App::takeMenuBarBack(QMainWindow *window)
{
    // Taking it away hides it without marking it hidden, so that the next
    // tester window shows it again.
    if (Menu *menu = Menu::existing(); menu && menu->parent() == window)
        menu->setParent(nullptr);
}

bool App::handleMenuCommand(const QString &itemName)
{
    for (const auto &[name, action] : menuHandlers_) {
        if (name == itemName)
            return (this->*action)();
    }
    return false;
}

void App::quitWithExitCode0()
{
    quitting_ = true;
    // Dialogs still waiting for the user go with the program: the desktop's
    // own file dialog runs a loop of its own that exit() does not end.
    for (QWidget *window : topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
            dialog->reject();
    }
    // While the event loop still runs: a message about the save can wait for
    // the user, and an exception reaches the report.
    Event_Close();
    QCoreApplication::exit(0);
}

void App::releaseModuleObjects()
{
    CheckForUpdateModule::stopCheck();
    MainWindow::release();
    AboutWindow::release();
    Menu::release();
    CommonPreferencesModule::release();
}

bool App::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ExceptionInfo info;
        const bool known =
            describeException(std::current_exception(), {eventContext(receiver, event)}, &info);
        Event_UnhandledException(known ? &info : nullptr);
        // An exception on the way out ends the program all the same.
        if (quitting_)
            QCoreApplication::exit(0);
        return true;
    }
}

bool App::event(QEvent *event)
{
    // The desktop's request to quit the application.
    if (event->type() == QEvent::Quit) {
        Event_HandleAppleEvent(event, QStringLiteral("aevt"), QStringLiteral("quit"));
        event->accept();
        return true;
    }
    return QApplication::event(event);
}
