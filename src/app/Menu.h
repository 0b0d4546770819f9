#pragma once

#include "base/SingleInstance.h"

#include <QMenuBar>

class QAction;
class QMenu;

// The application's one menu bar, built once at start-up and kept until the
// process ends: Edit, and Help with the website pages; About, Preferences and
// Quit carry their application-menu roles (macOS moves them to the
// application menu; elsewhere they stay at the end of Help). View opens the
// Device window. Every command
// that does something is found by the item's name in the application's menu
// handler table.
class Menu final : public QMenuBar, public SingleInstance<Menu> {
    Q_OBJECT

public:
    // Builds the menu bar on first use.
    static Menu *instance();

private:
    Menu();

    void Untitled1();
    void ViewMenu();
    void Untitled2();

    QMenu *addTitle(const char *name, const QString &text);
    // Each title and item gets an access key of its own (Alt+letter).
    QAction *addItem(const char *menuName, const char *name, const QString &text,
                     const QKeySequence &shortcut, QAction::MenuRole role = QAction::NoRole);
};
