#pragma once

#include "base/Shell.h"

#include <QApplication>

#include <atomic>
#include <utility>
#include <vector>

class QuitSignals;
struct ExceptionInfo;

// The application object: start-up, the application-level events, the menu
// commands, messages to the user and the one road to the end.
class App final : public QApplication, public Shell {
    Q_OBJECT

public:
    App(int &argc, char **argv);
    ~App() override;

    // The application object of the process.
    static App *instance();

    // Queues Event_Open as the first event of the event loop.
    void start();

    // The box is always shown on the user-interface thread. A call from
    // another thread returns without a box once the program is quitting;
    // during a quit asked for by a signal, the text goes to standard error.
    void displayMessage(const QString &text) override;
    void quitApplication() override;

    // Runs the action bound to a menu item's name; false when there is none.
    bool handleMenuCommand(const QString &itemName);

    bool isQuitting() const override { return quitting_; }
    void quitWithExitCode0() override;
    void lendMenuBar(QMainWindow *window) override;
    void takeMenuBarBack(QMainWindow *window) override;

    // Releases what lives until the end of the process: the windows still
    // held and the menu bar. Called after the event loop has ended.
    static void releaseModuleObjects();

    bool notify(QObject *receiver, QEvent *event) override;

protected:
    bool event(QEvent *event) override;

private slots:
    void Event_Open();
    void Event_Close();

private:
    using MenuAction = bool (App::*)();

    // A high-level event of the platform; true when it was handled here.
    bool Event_HandleAppleEvent(QEvent *event, const QString &eventClass, const QString &eventId);
    bool Event_UnhandledException(const ExceptionInfo *exception);

    bool _HelpDocumentation_Action();
    bool _AppleQuit_Action();
    bool _AppleAbout_Action();
    bool _HelpContact_Action();
    bool _HelpTranslate_Action();
    bool _HelpWebsite_Action();
    bool _ApplePreferences_Action();
    bool _ViewDevice_Action();

    std::vector<std::pair<QString, MenuAction>> menuHandlers_;
    QuitSignals *quitSignals_ = nullptr;
    std::atomic<bool> quitting_ = false;
    // The quit came from SIGTERM, SIGINT or SIGHUP: nobody may be waiting.
    bool quitBySignal_ = false;
    bool closed_ = false;
};
