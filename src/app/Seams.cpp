#include "app/Seams.h"

#include "tester/SdlGameInput.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

Seams Seams::defaults()
{
    Seams seams;
    seams.showMessageBox = [](const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
        box.exec();
    };
    seams.saveFileName = [](QWidget *parent, const QString &defaultName) {
        return QFileDialog::getSaveFileName(parent, QString(), defaultName);
    };
    seams.openUrl = [](const QUrl &url) {
        QDesktopServices::openUrl(url);
    };
    seams.createGameInputManager = []() -> std::unique_ptr<GameInputManager> {
        return SdlGameInputManager::create();
    };
    return seams;
}
