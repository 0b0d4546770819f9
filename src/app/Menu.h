#pragma once

#include <QMenuBar>

// The application's one menu bar, built once at start-up and kept until the
// process ends. The tester window shows it.
class Menu final : public QMenuBar {
    Q_OBJECT

public:
    // Builds the menu bar on first use.
    static Menu *instance();
    static void release();

private:
    Menu();
};
