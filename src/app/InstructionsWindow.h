#pragma once

#include <functional>

class QWidget;

// The instructions shown over the tester window at every launch.
class InstructionsWindow final {
public:
    // Shows the instructions modally within `parent` and calls `dismissed`
    // once the user has closed them.
    static void showWithin(QWidget *parent, std::function<void()> dismissed);
};
