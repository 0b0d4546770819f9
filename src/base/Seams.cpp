#include "base/Seams.h"

#include "base/ApplicationServices.h"
#include "base/GameInput.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPluginLoader>
#include <QUrl>
#include <QWindow>

#include <utility>

namespace {

// Lets only fresh key presses reach a message box: a key held down since
// before the box appeared repeats into it and would dismiss it unread. A
// repeat is a release and a press of the same key at the same moment; Qt
// flags most of them, but not those whose press it has not yet received.
// With a screen reader, Qt's accessibility bridge hands every key event back
// as a copy without a moment: those are told by Qt's flag alone.
class FreshKeysOnly final : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const std::pair moment(key->key(), key->timestamp());
        if (event->type() == QEvent::KeyRelease) {
            lastRelease_ = moment;
            return false;
        }
        return key->isAutoRepeat() || (key->timestamp() != 0 && moment == lastRelease_);
    }

private:
    std::pair<int, quint64> lastRelease_;
};

} // namespace

Seams Seams::defaults()
{
    Seams seams;
    seams.showMessageBox = [](const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
        // Device names and translations are shown as written, never as markup.
        box.setTextFormat(Qt::PlainText);
        FreshKeysOnly freshKeysOnly;
        box.winId();
        box.windowHandle()->installEventFilter(&freshKeysOnly);
        box.exec();
    };
    seams.saveFileName = [](QWidget *parent, const QString &defaultName) {
        return QFileDialog::getSaveFileName(parent, QString(), defaultName);
    };
    seams.setTransparency = &SetTransparencyMBS;
    seams.openUrl = [](const QUrl &url) {
        QDesktopServices::openUrl(url);
    };
    seams.createGameInputManager = []() -> std::unique_ptr<GameInputManager> {
        QPluginLoader module(QStringLiteral("quillomat-sdl"));
        auto *service = qobject_cast<GameInputService *>(module.instance());
        return service ? service->createManager() : nullptr;
    };
    return seams;
}
