#pragma once

#include "update/http/HttpMessage.h"
#include "update/http/InternetHeaders.h"

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTcpSocket>

#include <functional>
#include <memory>
#include <optional>

class HostLookup;

// Our HTTP/1.0 client. One object carries one request at a time over a
// connection of its own and reads the response until the server closes the
// connection. Every request comes asynchronous (returns at once, reports
// through the signals below, delivered by the thread's event loop) or
// synchronous (waits on the calling thread, any thread, with an inactivity
// time limit, and raises none of the signals).
//
// Failures come back as an error code, never as an exception: 0 no error;
// -1 a synchronous wait gave up (time limit passed or the thread was asked
// to stop); -2 the response was given up because its header block or its
// body passed the allowed length; 1 the request could not be started (the
// download file cannot be created or written, or the URL cannot go into a
// request); anything else is the socket's own error, see socketErrorCode().
class HTTPSocket : public QTcpSocket {
    Q_OBJECT

public:
    static constexpr qint32 ErrorGaveUp = -1;
    static constexpr qint32 ErrorResponseTooLarge = -2;
    static constexpr qint32 ErrorCannotStart = 1;
    // A header block longer than this is given up.
    static constexpr qsizetype MaximumHeaderBlockLength = 64 * 1024;

    // The error code for one of the socket's own errors: 100 plus Qt's value,
    // so that none can be mistaken for the codes above.
    static qint32 socketErrorCode(QAbstractSocket::SocketError error);

    using FormData = HttpMessage::FormData;
    // Asked to fill in a user name and password after a 401 response; true to
    // send the request again with them.
    using AuthenticationHandler = std::function<bool(
        const std::shared_ptr<InternetHeaders> &headers, QByteArray &name, QByteArray &password)>;

    explicit HTTPSocket(QObject *parent = nullptr);
    ~HTTPSocket() override;

    // Port for URLs without one, and for the proxy when HTTPProxyPort is 0.
    qint32 DefaultPort = 80;
    // When set, every connection goes to this host and the request line
    // carries the whole URL.
    QString HTTPProxyAddress;
    qint32 HTTPProxyPort = 0;
    // Lets a synchronous wait give the thread's event loop a full turn
    // (user input included) on every pass.
    bool Yield = false;
    // A body longer than this many bytes is given up (error -2); 0 for none.
    qint64 MaximumBodyLength = 0;
    // Optional; without it a 401 response comes through as any other.
    AuthenticationHandler AuthenticationRequired;

    // Sets a request header, or removes it when `value` is empty. A name or
    // value holding a line break is refused (false) and changes nothing.
    bool SetRequestHeader(const QByteArray &name, const QByteArray &value);
    // Removes every request header, "Accept" and "Accept-Language" included.
    void ClearRequestHeaders();
    // The collection itself, shared with this object.
    std::shared_ptr<InternetHeaders> GetRequestHeaders() const { return requestHeaders; }
    // The body and "Content-type" of the next POST. A media type holding a
    // line break is refused (false) and changes nothing.
    bool SetPostContent(const QByteArray &body, const QByteArray &mediaType);
    // The form, encoded, as the next POST body; none clears body and type.
    void SetFormData(const std::optional<FormData> &form);
    QByteArray EncodeFormData(const FormData &form) const;

    // Asynchronous requests; an empty file name collects the body in memory.
    void Get(const QString &url);
    void Get(const QString &url, const QString &file);
    void Post(const QString &url);
    void Post(const QString &url, const QString &file);
    void GetHeaders(const QString &url);

    // Synchronous requests; a time limit of 0 or less means none. The string
    // forms return the body received (empty or partial after a failure), the
    // file forms whether the error code is 0.
    QByteArray Get(const QString &url, qint32 timeLimitSeconds);
    QByteArray Post(const QString &url, qint32 timeLimitSeconds);
    bool Get(const QString &url, const QString &file, qint32 timeLimitSeconds);
    bool Post(const QString &url, const QString &file, qint32 timeLimitSeconds);
    std::shared_ptr<InternetHeaders> GetHeaders(const QString &url, qint32 timeLimitSeconds);

    qint32 ErrorCode() const { return mErrorCode; }
    qint32 HTTPStatusCode() const { return _httpStatusCode; }
    // The response headers, or none when there are none.
    std::shared_ptr<InternetHeaders> PageHeaders() const;

    // The platform socket's side. Virtual so that a harness can feed the
    // response reader from memory.
    QString Address;
    qint32 Port = 0;
    virtual void Connect();
    virtual void Close();
    virtual void Purge();
    // Handles the socket's pending work on the calling thread now.
    virtual void Poll();
    virtual QByteArray Lookahead(qint64 maximumLength);
    virtual QByteArray Read(qint64 length);
    virtual QByteArray ReadAll();
    virtual qint64 BytesBuffered() const;
    virtual void Write(const QByteArray &data);
    virtual bool IsConnected() const;

signals:
    void PageReceived(const QString &url, qint32 statusCode,
                      const std::shared_ptr<InternetHeaders> &headers, const QByteArray &body);
    void ReceiveProgress(qint64 bytesReceived, qint64 totalLength, const QByteArray &newData);
    void Connected();
    void DownloadComplete(const QString &url, qint32 statusCode,
                          const std::shared_ptr<InternetHeaders> &headers, const QString &file);
    void Error(qint32 code);
    void HeadersReceived(const std::shared_ptr<InternetHeaders> &headers, qint32 statusCode);

protected:
    // The socket's events.
    void _HandleConnected();
    void _HandleNewData();
    void _HandleSocketError(QAbstractSocket::SocketError error);

private:
    void _InitializeRequestHeaders();
    bool _DoConnect(const QString &url, const QByteArray &method, const QString &file);
    bool _ParseURL(const QString &url);
    bool _SetDownloadFile(const QString &file);
    void _KillDownloadStream();
    void _SendRequest(const QByteArray &method);
    QByteArray _EncodeURLString(const QByteArray &text) const;
    void WaitForPage();
    bool _StartSynchronous(const QString &url, const QByteArray &method, const QString &file,
                           qint32 timeLimitSeconds);
    void _WaitForActivity(int milliseconds);

    void _ParseHeaders(const QByteArray &headerBlock);
    void _ProcessData(const QByteArray &data);
    void _ProcessPage();
    void _ResetVariables();
    bool _SetAuthentication();
    void SetError(qint32 code);
    void _GiveUp(qint32 code);
    void _FinishAfterClose();
    void _ConnectToNextAddress();

protected:
    // The state of the request and its response, readable by a harness.
    std::shared_ptr<InternetHeaders> requestHeaders;
    QByteArray _server;
    QByteArray _path;
    QString _processingURL;
    QByteArray _httpAction;
    QByteArray _postContent;
    QByteArray _postContentType;
    QByteArray _authenticationKey;
    QString _downloadFile;
    std::unique_ptr<QFile> _downloadStream;
    std::shared_ptr<InternetHeaders> _pageHeaders;
    QByteArray _pageBuffer;
    qint32 _httpStatusCode = 0;
    qint64 _totalLength = 0;
    qint64 _currentLength = 0;
    bool _pageComplete = false;
    bool _connectionValid = false;
    bool threadProtection = false;
    bool synchronous = false;
    qint32 timeoutSeconds = 0;
    qint32 mErrorCode = 0;

private:
    // Counts started requests, so that a handler that starts a new one (a
    // user's, or the 401 retry) stops the work on the old one.
    quint64 requestSerial_ = 0;
    // The connection ended while the response reader was busy; it finishes
    // the response when it is done.
    bool closePending_ = false;
    // Our own Close() is no error of the connection.
    bool closing_ = false;
    std::shared_ptr<HostLookup> hostLookup_;
    QList<QHostAddress> addressesToTry_;
};
