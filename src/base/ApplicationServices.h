#pragma once

#include <QString>

class QApplication;
class QWidget;

// Small services about the application itself: its name and creator code,
// bringing it to the front, and a window's transparency.

// "Quillomat", the same non-empty text on every call.
QString ApplicationNameMBS(const QApplication *application);

// A fixed four-character code that marks the program's files.
QString ApplicationCreatorCodeMBS(const QApplication *application);

// Raises and activates the application's active (or first visible) window.
void FrontmostMBS(QApplication *application, bool frontmost);

// Level 255 is fully transparent, 0 fully opaque; mapped to window opacity.
// False, and the window left as it is, where the windowing system keeps
// opacity to itself (Wayland).
bool SetTransparencyMBS(QWidget *window, int level);

// False where the windowing system places the windows itself and keeps their
// places to itself (Wayland): the program can neither move its windows nor
// learn where they are.
bool platformPlacesWindows();

// The version as shown and written: major, ".", minor.
QString applicationVersionText();
