#pragma once

#include <memory>

class QMainWindow;
class QString;
struct Seams;

// The application object as every area of the program sees it: the few things
// they ask of it, without knowing the class on top that wires them together.
class Shell {
public:
    // The application's shell; nullptr while there is none.
    static Shell *instance();

    // Brings the application to the front, beeps and shows `text` in a plain
    // message box; returns when the user dismissed it. Any thread may call it.
    virtual void displayMessage(const QString &text) = 0;
    // Closes the tester window, whose close handler ends the program.
    virtual void quitApplication() = 0;
    // Saves the preferences, then ends the event loop with exit code 0; the
    // tester window's close handler is the only caller.
    virtual void quitWithExitCode0() = 0;
    // True once the tester window has asked the application to end.
    virtual bool isQuitting() const = 0;
    // Gives `window` the application's menu bar, where the desktop has none of
    // its own; takes it back before the window goes.
    virtual void lendMenuBar(QMainWindow *window) = 0;
    virtual void takeMenuBarBack(QMainWindow *window) = 0;

    Seams &seams() { return *seams_; }

    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

protected:
    Shell();
    ~Shell();

private:
    std::unique_ptr<Seams> seams_;
};
