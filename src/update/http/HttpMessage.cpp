#include "update/http/HttpMessage.h"

#include "update/http/InternetHeaders.h"

#include <algorithm>
#include <limits>

namespace HttpMessage {

std::optional<RequestTarget> parseUrl(const QByteArray &url, qint32 defaultPort)
{
    if (holdsLineBreak(url))
        return std::nullopt;

    const qsizetype schemeEnd = url.indexOf("://");
    const QByteArray rest = schemeEnd >= 0 ? url.mid(schemeEnd + 3) : url;

    RequestTarget target;
    const qsizetype slash = rest.indexOf('/');
    target.server = slash < 0 ? rest : rest.left(slash);
    target.path = slash < 0 ? QByteArray("/") : rest.mid(slash);

    const qsizetype colon = target.server.indexOf(':');
    qint64 port = 0;
    if (colon >= 0) {
        QByteArray portText = target.server.mid(colon + 1);
        const qsizetype secondColon = portText.indexOf(':');
        if (secondColon >= 0)
            portText.truncate(secondColon);
        port = leadingNumber(portText);
    }
    if (port == 0)
        port = defaultPort;
    if (port < 0 || port > std::numeric_limits<quint16>::max())
        return std::nullopt;
    target.port = static_cast<quint16>(port);
    target.address = QString::fromUtf8(colon < 0 ? target.server : target.server.left(colon));
    return target;
}

qint64 leadingNumber(QByteArrayView text)
{
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    qint64 number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        const int digit = c - '0';
        if (number > (largest - digit) / 10)
            return largest;
        number = number * 10 + digit;
    }
    return number;
}

qint32 statusCode(const QByteArray &headerBlock)
{
    const QByteArray eol = InternetHeaders::_DetermineEOLCharacter(headerBlock);
    const qsizetype lineEnd = headerBlock.indexOf(eol);
    const QByteArrayView statusLine =
        QByteArrayView(headerBlock).first(lineEnd < 0 ? headerBlock.size() : lineEnd);
    const qsizetype firstSpace = statusLine.indexOf(' ');
    if (firstSpace < 0)
        return 0;
    const qint64 code = leadingNumber(statusLine.sliced(firstSpace + 1));
    return static_cast<qint32>(std::min<qint64>(code, std::numeric_limits<qint32>::max()));
}

std::optional<HeaderBlockEnd> findHeaderBlockEnd(QByteArrayView received)
{
    std::optional<HeaderBlockEnd> earliest;
    for (QByteArrayView blankLine :
         {QByteArrayView("\r\n\r\n"), QByteArrayView("\n\n"), QByteArrayView("\r\r")}) {
        // Only the part before an end already found can hold an earlier one.
        const QByteArrayView searched =
            earliest ? received.first(std::min(received.size(), earliest->position + 3)) : received;
        const qsizetype at = searched.indexOf(blankLine);
        if (at >= 0 && (!earliest || at < earliest->position))
            earliest = HeaderBlockEnd{at, blankLine.size() / 2};
    }
    return earliest;
}

QByteArray encodeUrlString(QByteArrayView text)
{
    static const QByteArrayView specialCharacters("%&=,/\\][{}`~-_()*^$#!+\r\n");
    static const char hexDigits[] = "0123456789ABCDEF";
    QByteArray encoded;
    encoded.reserve(text.size());
    for (char c : text) {
        if (specialCharacters.contains(c)) {
            const auto code = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += hexDigits[code >> 4];
            encoded += hexDigits[code & 0xF];
        } else if (c == ' ') {
            encoded += '+';
        } else {
            encoded += c;
        }
    }
    return encoded;
}

QByteArray encodeFormData(const FormData &form)
{
    QByteArray encoded;
    for (qsizetype at = 0; at < form.size(); ++at) {
        if (at > 0)
            encoded += '&';
        encoded += encodeUrlString(form[at].first) + '=' + encodeUrlString(form[at].second);
    }
    return encoded;
}

bool holdsLineBreak(QByteArrayView text)
{
    return text.contains('\r') || text.contains('\n');
}

} // namespace HttpMessage

QByteArray EncodeBase64(const QByteArray &data, int lineWidth)
{
    const QByteArray encoded = data.toBase64();
    if (lineWidth <= 0 || encoded.size() <= lineWidth)
        return encoded;
    QByteArray wrapped;
    for (qsizetype at = 0; at < encoded.size(); at += lineWidth) {
        if (at > 0)
            wrapped += "\r\n";
        wrapped += encoded.mid(at, lineWidth);
    }
    return wrapped;
}
