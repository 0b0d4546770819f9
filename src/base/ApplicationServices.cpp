#include "base/ApplicationServices.h"

#include "BuildInfo.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

QString ApplicationNameMBS(const QApplication *)
{
    return QStringLiteral("Quillomat");
}

QString ApplicationCreatorCodeMBS(const QApplication *)
{
    return QStringLiteral("QLMT");
}

void FrontmostMBS(QApplication *, bool frontmost)
{
    if (!frontmost)
        return;
    QWidget *window = QApplication::activeWindow();
    if (!window) {
        for (QWidget *candidate : QApplication::topLevelWidgets()) {
            if (candidate->isVisible() && candidate->isWindow()) {
                window = candidate;
                break;
            }
        }
    }
    if (!window)
        return;
    window->raise();
    window->activateWindow();
}

namespace {

// Wayland leaves the places of windows and their opacity to the compositor.
bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

bool platformPlacesWindows()
{
    return !onWayland();
}

bool SetTransparencyMBS(QWidget *window, int level)
{
    // Qt would only complain on standard error at every step of a fade.
    if (!window || onWayland())
        return false;
    const int clamped = std::clamp(level, 0, 255);
    window->setWindowOpacity(1.0 - clamped / 255.0);
    // Qt's X11 support keeps the new opacity in its send buffer until
    // something else goes out, so a compositor would go on showing the old
    // one: a fading window with nothing else to draw stays invisible.
    QGuiApplication::sync();
    return true;
}

QString applicationVersionText()
{
    return QStringLiteral("%1.%2").arg(BuildInfo::versionMajor).arg(BuildInfo::versionMinor);
}
