#include "update/CheckForUpdateThread.h"

#include "base/ApplicationServices.h"
#include "base/LocalizedText.h"
#include "base/Shell.h"
#include "update/http/HTTPSocket.h"
#include "update/http/HttpMessage.h"
#include "update/http/InternetHeaders.h"

#include <QApplication>

namespace {

// True for a successful status (200 to 299) with at least the body length the
// response announced, if it announced one. Anything else, an error page or a
// body cut off in transit, says nothing about versions.
bool isCompleteSuccess(qint32 statusCode, const InternetHeaders *headers, qint64 bodyLength)
{
    if (statusCode < 200 || statusCode > 299)
        return false;
    if (!headers || headers->NameCount("Content-length") == 0)
        return true;
    return bodyLength >= HttpMessage::leadingNumber(headers->Value("Content-length"));
}

} // namespace

CheckForUpdateThread::CheckForUpdateThread(const QString &websiteUrl, QObject *parent)
    : QThread(parent)
    , websiteUrl_(websiteUrl)
{}

void CheckForUpdateThread::run()
{
    Event_Run();
}

void CheckForUpdateThread::Event_Run()
{
    const QString applicationName = ApplicationNameMBS(qApp);

    HTTPSocket socket;
    socket.SetRequestHeader("User-Agent", applicationName.toUtf8());
    socket.Yield = true;
    socket.MaximumBodyLength = MaximumVersionFileLength;
    const QByteArray page =
        socket.Get(versionFileUrl(websiteUrl_, applicationName), InactivityLimitSeconds);

    // A response that was given up, or a quit while it came, says nothing
    // about versions.
    if (socket.ErrorCode() != 0 || isInterruptionRequested())
        return;
    if (!isCompleteSuccess(socket.HTTPStatusCode(), socket.PageHeaders().get(), page.size()))
        return;
    if (!isNewerVersionAvailable(page, applicationName, applicationVersionText()))
        return;
    Shell::instance()->displayMessage(newVersionMessage(
        CheckForUpdateThreadText::NewVersionAvailableMessage.text(), applicationName));
}

QString CheckForUpdateThread::versionFileUrl(const QString &websiteUrl,
                                             const QString &applicationName)
{
    QString folder = applicationName;
    folder.remove(QLatin1Char(' '));
    return websiteUrl + QLatin1Char('/') + folder.toLower() + QStringLiteral("/version.txt");
}

bool CheckForUpdateThread::isNewerVersionAvailable(const QByteArray &page,
                                                   const QString &applicationName,
                                                   const QString &versionText)
{
    const QString pageText = QString::fromUtf8(page);
    return pageText.contains(applicationName, Qt::CaseInsensitive) &&
           !pageText.contains(versionText);
}

QString CheckForUpdateThread::newVersionMessage(QString messageText, const QString &applicationName)
{
    static const QString placeholder = QStringLiteral("%APPLICATIONNAME%");
    const qsizetype at = messageText.indexOf(placeholder);
    if (at >= 0)
        messageText.replace(at, placeholder.size(), applicationName);
    return messageText;
}
