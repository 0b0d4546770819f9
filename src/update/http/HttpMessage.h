#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The text side of the HTTP client: reading URLs, status lines and header
// block ends, and encoding form data. Plain functions, no socket.
namespace HttpMessage {

// Where a URL sends its request. The scheme is ignored; user information,
// brackets and percent-escapes get no special treatment.
struct RequestTarget {
    // Host part, with ":" and the port when the URL had one; goes to "Host".
    QByteArray server;
    // From the first "/" after the host to the end, query included; "/" at least.
    QByteArray path;
    // Host name or address to connect to.
    QString address;
    quint16 port = 0;
};

// The target of `url`, or nothing when the URL cannot go into a request:
// a carriage return or line feed would split the request line or the
// "Host" header, and a port past 65535 names no port at all.
std::optional<RequestTarget> parseUrl(const QByteArray &url, qint32 defaultPort);

// The number at the start of `text` (its leading digits), 0 when there are
// none; a value too large for 64 bits saturates.
qint64 leadingNumber(QByteArrayView text);

// The status code of a header block: the second space-separated field of its
// first line, read as a number.
qint32 statusCode(const QByteArray &headerBlock);

// Where the blank line that ends a header block starts, and the length of the
// line end that makes it up. The earliest of CR LF CR LF, LF LF and CR CR
// wins, so the answer does not depend on how the bytes were split into reads,
// nor on line ends in a body that arrived in the same read.
struct HeaderBlockEnd {
    qsizetype position = 0;
    qsizetype eolLength = 0;
};
std::optional<HeaderBlockEnd> findHeaderBlockEnd(QByteArrayView received);

// Form encoding of one string: 22 punctuation characters, CR and LF become
// "%" and two upper-case hex digits, spaces become "+".
QByteArray encodeUrlString(QByteArrayView text);

// Keys and values in the order they are sent.
using FormData = QList<std::pair<QByteArray, QByteArray>>;

// "key=value" pairs, encoded, joined by "&".
QByteArray encodeFormData(const FormData &form);

bool holdsLineBreak(QByteArrayView text);

} // namespace HttpMessage

// Standard Base64 (RFC 4648, "=" padded). A positive `lineWidth` breaks the
// result into lines of that many characters, joined by CR LF.
QByteArray EncodeBase64(const QByteArray &data, int lineWidth = 76);
