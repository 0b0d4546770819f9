#include "update/CheckForUpdateThread.h"

#include "update/http/HTTPSocket.h"
#include "update/http/HttpMessage.h"
#include "update/http/InternetHeaders.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

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

// Compares dotted version numbers number by number, a missing number counting
// as 0: 1.10 > 1.9, 1.0.1 > 1.0, 1.0 = 1.0.0.
bool isGreaterVersion(QStringView left, QStringView right)
{
    const QList<QStringView> leftNumbers = left.split(QLatin1Char('.'));
    const QList<QStringView> rightNumbers = right.split(QLatin1Char('.'));
    for (qsizetype index = 0; index < std::max(leftNumbers.size(), rightNumbers.size()); ++index) {
        // Compared as digits, so that no number is too long: a missing one is 0.
        const auto digits = [](const QList<QStringView> &numbers, qsizetype index) {
            QStringView number = index < numbers.size() ? numbers[index] : QStringView();
            while (number.startsWith(QLatin1Char('0')))
                number = number.mid(1);
            return number;
        };
        const QStringView leftDigits = digits(leftNumbers, index);
        const QStringView rightDigits = digits(rightNumbers, index);
        if (leftDigits.size() != rightDigits.size())
            return leftDigits.size() > rightDigits.size();
        if (const int order = leftDigits.compare(rightDigits); order != 0)
            return order > 0;
    }
    return false;
}

} // namespace

CheckForUpdateThread::CheckForUpdateThread(UpdateCheckRequest request, QObject *parent)
    : QThread(parent)
    , request_(std::move(request))
{}

void CheckForUpdateThread::run()
{
    Event_Run();
}

void CheckForUpdateThread::Event_Run()
{
    const QString &applicationName = request_.applicationName;

    HTTPSocket socket;
    socket.SetRequestHeader("User-Agent", applicationName.toUtf8());
    socket.Yield = true;
    socket.MaximumBodyLength = MaximumVersionFileLength;
    const QByteArray page =
        socket.Get(versionFileUrl(request_.websiteUrl, applicationName), InactivityLimitSeconds);

    // A response that was given up, or a quit while it came, says nothing
    // about versions.
    if (socket.ErrorCode() != 0 || isInterruptionRequested())
        return;
    if (!isCompleteSuccess(socket.HTTPStatusCode(), socket.PageHeaders().get(), page.size()))
        return;
    if (!isNewerVersionAvailable(page, applicationName, request_.versionText))
        return;
    request_.tell(newVersionMessage(request_.newVersionMessage, applicationName));
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
    static const QRegularExpression versionAfterName(
        QStringLiteral("[ \\t]*([0-9]+(?:\\.[0-9]+)*)"));
    for (qsizetype at = pageText.indexOf(applicationName, 0, Qt::CaseInsensitive); at >= 0;
         at = pageText.indexOf(applicationName, at + 1, Qt::CaseInsensitive)) {
        const QRegularExpressionMatch version = versionAfterName.match(
            pageText, at + applicationName.size(), QRegularExpression::NormalMatch,
            QRegularExpression::AnchorAtOffsetMatchOption);
        if (version.hasMatch())
            return isGreaterVersion(version.capturedView(1), versionText);
    }
    return false;
}

QString CheckForUpdateThread::newVersionMessage(QString messageText, const QString &applicationName)
{
    static const QString placeholder = QStringLiteral("%APPLICATIONNAME%");
    const qsizetype at = messageText.indexOf(placeholder);
    if (at >= 0)
        messageText.replace(at, placeholder.size(), applicationName);
    return messageText;
}
