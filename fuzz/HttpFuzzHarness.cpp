#include "HttpFuzzHarness.h"

#include "update/http/HTTPSocket.h"
#include "update/http/InternetHeaders.h"

#include <QList>

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

namespace HttpFuzzHarness {

namespace {

QByteArray keyOf(const QByteArray &name, int instance)
{
    return instance == 0 ? name : name + ':' + QByteArray::number(instance);
}

QByteArray nameOf(const QByteArray &key)
{
    const qsizetype colon = key.indexOf(':');
    return colon < 0 ? key : key.left(colon);
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The header collection as literally as it can be written: a list searched
// from the start for every key, each rule followed step by step.
class ModelHeaders {
public:
    struct Entry {
        QByteArray key;
        QByteArray folded;
        QByteArray value;
    };
    std::vector<Entry> entries;

    qsizetype find(const QByteArray &key) const
    {
        const QByteArray lower = key.toLower();
        for (std::size_t at = 0; at < entries.size(); ++at) {
            if (entries[at].folded == lower)
                return qsizetype(at);
        }
        return -1;
    }
    bool has(const QByteArray &key) const { return find(key) >= 0; }
    void store(const QByteArray &key, const QByteArray &value)
    {
        const qsizetype at = find(key);
        if (at >= 0)
            entries[at].value = value;
        else
            entries.push_back({key, key.toLower(), value});
    }
    void remove(const QByteArray &key)
    {
        const qsizetype at = find(key);
        if (at >= 0)
            entries.erase(entries.begin() + at);
    }
    QByteArray value(const QByteArray &name, int instance) const
    {
        const qsizetype at = find(keyOf(name, std::max(0, instance)));
        return at < 0 ? QByteArray() : entries[at].value;
    }
    int nameCount(const QByteArray &name) const
    {
        if (!has(name))
            return 0;
        int count = 1;
        while (has(name + ':' + QByteArray::number(count)))
            ++count;
        return count;
    }
    void append(const QByteArray &name, const QByteArray &value)
    {
        QByteArray key = name;
        int instance = 0;
        while (has(key))
            key = nameOf(key) + ':' + QByteArray::number(++instance);
        store(key, value);
    }
    void set(const QByteArray &name, const QByteArray &value)
    {
        if (nameCount(name) > 1)
            deleteAll(name);
        store(name, value);
    }
    void deleteAll(const QByteArray &name)
    {
        const int count = nameCount(name);
        for (int instance = 0; instance < count; ++instance)
            remove(keyOf(name, instance));
    }
    void deleteInstance(const QByteArray &name, int instance)
    {
        if (!has(keyOf(name, instance)))
            return;
        remove(keyOf(name, instance));
        for (int later = instance + 1; has(keyOf(name, later)); ++later) {
            store(keyOf(name, later - 1), value(name, later));
            remove(keyOf(name, later));
        }
    }
    void parse(const QByteArray &text)
    {
        const QByteArray eol = InternetHeaders::_DetermineEOLCharacter(text);
        entries.clear();
        QByteArray unfolded = text;
        unfolded.replace(eol + ' ', " ");
        unfolded.replace(eol + '\t', " ");
        QList<QByteArray> lines;
        qsizetype start = 0;
        for (qsizetype end; (end = unfolded.indexOf(eol, start)) >= 0; start = end + eol.size())
            lines.append(unfolded.mid(start, end - start));
        lines.append(unfolded.mid(start));
        for (const QByteArray &line : lines) {
            const qsizetype colon = line.indexOf(':');
            if (colon < 0)
                continue;
            qsizetype valueStart = colon + 1;
            while (valueStart < line.size() && isAsciiSpace(line[valueStart]))
                ++valueStart;
            append(line.left(colon), line.mid(valueStart));
        }
    }
};

QString compare(const InternetHeaders &headers, const ModelHeaders &model,
                const QList<QByteArray> &names)
{
    if (headers.Count() != qint32(model.entries.size()))
        return QStringLiteral("Count %1, model %2").arg(headers.Count()).arg(model.entries.size());
    QList<QByteArray> actual;
    QList<QByteArray> expected;
    QList<QByteArray> allNames;
    for (const QByteArray &name : names)
        allNames.append(name.toLower());
    for (qint32 index = 0; index < headers.Count(); ++index) {
        actual.append(headers.Name(index).toLower() + '\0' + headers.Value(index));
        allNames.append(headers.Name(index).toLower());
    }
    std::sort(allNames.begin(), allNames.end());
    allNames.erase(std::unique(allNames.begin(), allNames.end()), allNames.end());
    for (const ModelHeaders::Entry &entry : model.entries)
        expected.append(nameOf(entry.folded) + '\0' + entry.value);
    std::sort(actual.begin(), actual.end());
    std::sort(expected.begin(), expected.end());
    if (actual != expected)
        return QStringLiteral("entries differ");
    for (const QByteArray &name : allNames) {
        if (headers.NameCount(name) != model.nameCount(name))
            return QStringLiteral("NameCount(%1) %2, model %3")
                .arg(QString::fromLatin1(name))
                .arg(headers.NameCount(name))
                .arg(model.nameCount(name));
        for (int instance = 0; instance < 8; ++instance) {
            if (headers.Value(name, instance) != model.value(name, instance))
                return QStringLiteral("Value(%1, %2) differs")
                    .arg(QString::fromLatin1(name))
                    .arg(instance);
        }
    }
    return {};
}

} // namespace

QString checkHeaderCollection(QByteArrayView input)
{
    // A header block up to the first NUL, then edits of three bytes each.
    const qsizetype split = input.indexOf('\0');
    // The model is quadratic; a longer block would only slow the fuzzer down.
    const qsizetype textLength = std::min<qsizetype>(split < 0 ? input.size() : split, 1024);
    const QByteArray text = input.first(textLength).toByteArray();
    const QByteArrayView script = split < 0 ? QByteArrayView() : input.sliced(split + 1);
    static const QList<QByteArray> names = {"A",        "a", "Set-Cookie", "set-cookie",
                                            "Received", "B", "x:1",        "X"};

    InternetHeaders headers;
    ModelHeaders model;
    headers._ParseHeaders(text);
    model.parse(text);
    if (!text.isEmpty() && headers.Source() != text)
        return QStringLiteral("Source is not the parsed text");
    QString problem = compare(headers, model, names);
    if (!problem.isEmpty())
        return QStringLiteral("after parsing: ") + problem;

    for (qsizetype at = 0; at + 3 <= script.size(); at += 3) {
        const auto operation = static_cast<unsigned char>(script[at]) % 6;
        const QByteArray &name = names[static_cast<unsigned char>(script[at + 1]) % names.size()];
        const auto argument = static_cast<unsigned char>(script[at + 2]);
        const int instance = argument % 6;
        QByteArray value =
            argument & 0x80 ? QByteArray() : QByteArray(1, char('a' + argument % 26));
        if (argument & 0x40)
            value += argument & 0x20 ? '\r' : '\n';
        const bool refused = value.contains('\r') || value.contains('\n');
        bool accepted = true;
        switch (operation) {
        case 0:
            accepted = headers.AppendHeader(name, value);
            if (!refused)
                model.append(name, value);
            break;
        case 1:
            accepted = headers.SetHeader(name, value);
            if (!refused)
                model.set(name, value);
            break;
        case 2:
            accepted = headers.SetHeader(name, value, instance);
            if (!refused)
                model.store(keyOf(name, instance), value);
            break;
        case 3:
            headers.Delete(name);
            model.deleteAll(name);
            break;
        case 4:
            headers.Delete(name, instance);
            model.deleteInstance(name, instance);
            break;
        default:
            headers.DeleteAllHeaders();
            model.entries.clear();
            break;
        }
        if (operation <= 2 && accepted == refused)
            return QStringLiteral("a value with a line break was %1")
                .arg(refused ? "accepted" : "refused without one");
        problem = compare(headers, model, names);
        if (!problem.isEmpty())
            return QStringLiteral("after edit %1: ").arg(at / 3) + problem;
    }
    return {};
}

namespace {

// Feeds the real response reader from memory instead of a connection.
class FedSocket : public HTTPSocket {
public:
    std::deque<QByteArray> pieces;
    QList<QByteArray> requestsSent;
    bool lastPieceWithClose = false;
    bool connectPending = false;

    void deliverConnections()
    {
        while (connectPending) {
            connectPending = false;
            deliverConnection();
        }
    }

    // Delivers one piece while a handler of ours is busy, as a handler that
    // gives the event loop a turn would.
    void deliverNested(bool withClose)
    {
        if (!connected_)
            return;
        if (!pieces.empty()) {
            buffer_ += pieces.front();
            pieces.pop_front();
            _HandleNewData();
        }
        if (withClose && pieces.empty())
            deliverClose();
    }

    bool pageComplete() const { return _pageComplete; }
    QByteArray pageBuffer() const { return _pageBuffer; }
    qint64 currentLength() const { return _currentLength; }

    void Connect() override { connectPending = true; }
    void Close() override
    {
        HTTPSocket::Close();
        buffer_.clear();
        connected_ = false;
    }
    void Purge() override { buffer_.clear(); }
    void Poll() override { deliverConnections(); }
    QByteArray Lookahead(qint64 maximumLength) override { return buffer_.left(maximumLength); }
    QByteArray Read(qint64 length) override
    {
        const QByteArray taken = buffer_.left(length);
        buffer_.remove(0, taken.size());
        return taken;
    }
    QByteArray ReadAll() override { return std::exchange(buffer_, QByteArray()); }
    qint64 BytesBuffered() const override { return buffer_.size(); }
    void Write(const QByteArray &data) override { requestsSent.append(data); }
    bool IsConnected() const override { return connected_; }

private:
    void deliverConnection()
    {
        connected_ = true;
        _HandleConnected();
        while (connected_ && !pieces.empty()) {
            buffer_ += pieces.front();
            pieces.pop_front();
            if (!(lastPieceWithClose && pieces.empty()))
                _HandleNewData();
        }
        deliverClose();
    }
    void deliverClose()
    {
        if (!connected_)
            return;
        connected_ = false;
        _HandleSocketError(QAbstractSocket::RemoteHostClosedError);
    }

    QByteArray buffer_;
    bool connected_ = false;
};

struct Outcome {
    qint32 error = 0;
    qint32 status = 0;
    bool complete = false;
    QByteArray headers;
    QByteArray body;
    bool operator==(const Outcome &) const = default;
};

enum Option : unsigned {
    Synchronous = 1,
    Head = 2,
    AnswerAuthentication = 4,
    NestedDelivery = 8,
    SmallBodyLimit = 16,
    CloseWhileBusy = 32,
    LastPieceWithClose = 64,
};

QString runResponse(unsigned options, std::deque<QByteArray> pieces, Outcome *outcome)
{
    FedSocket socket;
    socket.pieces = std::move(pieces);
    socket.lastPieceWithClose = options & LastPieceWithClose;
    if (options & SmallBodyLimit)
        socket.MaximumBodyLength = 100;
    int authenticationAsked = 0;
    socket.AuthenticationRequired = [&](const auto &, QByteArray &name, QByteArray &password) {
        name = "user";
        password = "secret";
        return (options & AnswerAuthentication) && ++authenticationAsked == 1;
    };
    int headersEvents = 0;
    int pageEvents = 0;
    int errorEvents = 0;
    int otherEvents = 0;
    QObject::connect(&socket, &HTTPSocket::HeadersReceived, [&] {
        ++headersEvents;
        if (options & NestedDelivery)
            socket.deliverNested(options & CloseWhileBusy);
    });
    QObject::connect(&socket, &HTTPSocket::ReceiveProgress, [&] {
        ++otherEvents;
        if (options & NestedDelivery)
            socket.deliverNested(options & CloseWhileBusy);
    });
    QObject::connect(&socket, &HTTPSocket::PageReceived, [&] { ++pageEvents; });
    QObject::connect(&socket, &HTTPSocket::DownloadComplete, [&] { ++pageEvents; });
    QObject::connect(&socket, &HTTPSocket::Error, [&] { ++errorEvents; });
    QObject::connect(&socket, &HTTPSocket::Connected, [&] { ++otherEvents; });

    const QString url = QStringLiteral("http://127.0.0.1:8/x");
    const bool head = options & Head;
    if (options & Synchronous) {
        if (head)
            socket.GetHeaders(url, 1);
        else
            socket.Get(url, 1);
        if (headersEvents + pageEvents + errorEvents + otherEvents > 0)
            return QStringLiteral("a synchronous request raised events");
        if (socket.ErrorCode() == HTTPSocket::ErrorGaveUp)
            return QStringLiteral("the wait did not end with the connection");
    } else {
        if (head)
            socket.GetHeaders(url);
        else
            socket.Get(url);
        socket.deliverConnections();
    }

    const bool complete = socket.pageComplete();
    if (!complete && socket.ErrorCode() == 0)
        return QStringLiteral("the response neither completed nor failed");
    if (complete && socket.ErrorCode() != 0)
        return QStringLiteral("the response completed and failed");
    if (!head && socket.pageBuffer().size() != socket.currentLength())
        return QStringLiteral("body length and byte count differ");
    if (!(options & Synchronous)) {
        if (pageEvents != (complete && !head ? 1 : 0))
            return QStringLiteral("%1 PageReceived events").arg(pageEvents);
        if (errorEvents != (socket.ErrorCode() != 0 ? 1 : 0))
            return QStringLiteral("%1 Error events").arg(errorEvents);
        if (headersEvents > 1)
            return QStringLiteral("%1 HeadersReceived events").arg(headersEvents);
    }
    for (qsizetype at = 0; at < socket.requestsSent.size(); ++at) {
        const int credentials = int(socket.requestsSent[at].count("\r\nAuthorization: Basic "));
        if (credentials != (at == 1 ? 1 : 0))
            return QStringLiteral("request %1 carries %2 credentials").arg(at).arg(credentials);
    }
    if (outcome) {
        const auto headers = socket.PageHeaders();
        *outcome = {socket.ErrorCode(), socket.HTTPStatusCode(), complete,
                    headers ? headers->Source() : QByteArray(), socket.pageBuffer()};
    }
    return {};
}

} // namespace

QString checkResponseReader(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const unsigned options = static_cast<unsigned char>(input[0]);
    // Pieces of up to 255 bytes, each after its length byte.
    std::deque<QByteArray> pieces;
    QByteArray whole;
    for (qsizetype at = 1; at < input.size();) {
        const qsizetype length =
            std::min<qsizetype>(static_cast<unsigned char>(input[at]), input.size() - at - 1);
        pieces.push_back(input.sliced(at + 1, length).toByteArray());
        whole += pieces.back();
        at += 1 + length;
    }

    Outcome inPieces;
    QString problem = runResponse(options, pieces, &inPieces);
    if (!problem.isEmpty())
        return problem;
    // One connection, read in whatever pieces: the same response.
    if (options & (AnswerAuthentication | NestedDelivery | SmallBodyLimit))
        return {};
    Outcome inOnePiece;
    problem = runResponse(options, {whole}, &inOnePiece);
    if (!problem.isEmpty())
        return QStringLiteral("in one piece: ") + problem;
    if (!(inPieces == inOnePiece))
        return QStringLiteral("pieces and the whole response read differently");
    return {};
}

} // namespace HttpFuzzHarness
