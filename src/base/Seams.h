#pragma once

#include <QString>

#include <functional>
#include <memory>

class GameInputManager;
class QUrl;
class QWidget;

// Everything that waits for a person, leaves the process or reaches outside
// hardware goes through one of these hooks, so that tests can drive the real
// windows. The defaults are what the program does for a user.
struct Seams {
    // Shows a plain message box and returns when the user dismissed it.
    std::function<void(const QString &text)> showMessageBox;
    // Asks for a file to save; an empty result means the user cancelled.
    std::function<QString(QWidget *parent, const QString &defaultName)> saveFileName;
    // Hands a URL to the desktop's default browser.
    std::function<void(const QUrl &url)> openUrl;
    // Sets a window's transparency level: 255 fully transparent, 0 opaque.
    std::function<bool(QWidget *window, int level)> setTransparency;
    // The game input manager, or nullptr when none can be created: by
    // default from the game input service's plugin.
    std::function<std::unique_ptr<GameInputManager>()> createGameInputManager;

    static Seams defaults();
};
