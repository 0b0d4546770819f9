#pragma once

#include "update/UpdateCheck.h"

#include <QByteArray>
#include <QString>
#include <QThread>

// The launch-time check on a thread of its own: fetches the website's version
// file and tells the user once when it names a newer version. Every failure
// is silent.
class CheckForUpdateThread : public QThread {
    Q_OBJECT

public:
    // A server that sends nothing for this long is given up.
    static constexpr int InactivityLimitSeconds = 30;
    // A version file is a line or two; anything longer is given up.
    static constexpr qint64 MaximumVersionFileLength = 64 * 1024;

    explicit CheckForUpdateThread(UpdateCheckRequest request, QObject *parent = nullptr);

    // The base URL, "/", the name without spaces in lower case, "/version.txt".
    static QString versionFileUrl(const QString &websiteUrl, const QString &applicationName);
    // True when the version number after the name (in any letter case, after
    // spaces) is greater than the running one. The first mention of the name
    // with a number after it counts; a page without one says nothing.
    static bool isNewerVersionAvailable(const QByteArray &page, const QString &applicationName,
                                        const QString &versionText);
    // The message with its first "%APPLICATIONNAME%" replaced by the name.
    static QString newVersionMessage(QString messageText, const QString &applicationName);

protected:
    void run() override;

private:
    // The whole check, on the calling thread.
    void Event_Run();

    UpdateCheckRequest request_;
};
