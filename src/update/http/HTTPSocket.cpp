#include "update/http/HTTPSocket.h"

#include "update/http/HostLookup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkProxy>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

const QByteArray getMethod = QByteArrayLiteral("GET");
const QByteArray postMethod = QByteArrayLiteral("POST");
const QByteArray headMethod = QByteArrayLiteral("HEAD");

// How long a synchronous wait sleeps at most before it looks at its time
// limit and at a request to stop again.
constexpr int waitSliceMilliseconds = 20;

// The most memory an announced body length makes the client set aside
// before the body has arrived.
constexpr qint64 maximumReservation = 1024 * 1024;

} // namespace

qint32 HTTPSocket::socketErrorCode(QAbstractSocket::SocketError error)
{
    return 100 + static_cast<qint32>(error);
}

HTTPSocket::HTTPSocket(QObject *parent)
    : QTcpSocket(parent)
{
    // The client has its own proxy setting; nothing from the environment.
    setProxy(QNetworkProxy::NoProxy);
    _InitializeRequestHeaders();
    connect(this, &QAbstractSocket::connected, this, &HTTPSocket::_HandleConnected);
    connect(this, &QIODevice::readyRead, this, &HTTPSocket::_HandleNewData);
    connect(this, &QAbstractSocket::errorOccurred, this, &HTTPSocket::_HandleSocketError);
}

HTTPSocket::~HTTPSocket()
{
    // Closed while this part still handles the socket's signals: the base
    // class then finds nothing left to abort.
    Close();
}

// Requests ------------------------------------------------------------------

void HTTPSocket::_InitializeRequestHeaders()
{
    requestHeaders = std::make_shared<InternetHeaders>();
    requestHeaders->SetHeader("Accept", "*/*");
    requestHeaders->SetHeader("Accept-Language", "en");
}

bool HTTPSocket::SetRequestHeader(const QByteArray &name, const QByteArray &value)
{
    // Setting, the collection refuses a name or value with a line break.
    if (value.isEmpty()) {
        if (HttpMessage::holdsLineBreak(name))
            return false;
        requestHeaders->Delete(name);
        return true;
    }
    return requestHeaders->SetHeader(name, value);
}

void HTTPSocket::ClearRequestHeaders()
{
    requestHeaders->DeleteAllHeaders();
}

bool HTTPSocket::SetPostContent(const QByteArray &body, const QByteArray &mediaType)
{
    if (HttpMessage::holdsLineBreak(mediaType))
        return false;
    _postContent = body;
    _postContentType = mediaType;
    return true;
}

void HTTPSocket::SetFormData(const std::optional<FormData> &form)
{
    if (!form) {
        _postContent.clear();
        _postContentType.clear();
        return;
    }
    _postContent = EncodeFormData(*form);
    _postContentType = QByteArrayLiteral("application/x-www-form-urlencoded");
}

QByteArray HTTPSocket::EncodeFormData(const FormData &form) const
{
    return HttpMessage::encodeFormData(form);
}

QByteArray HTTPSocket::_EncodeURLString(const QByteArray &text) const
{
    return HttpMessage::encodeUrlString(text);
}

void HTTPSocket::Get(const QString &url)
{
    synchronous = false;
    _DoConnect(url, getMethod, {});
}

void HTTPSocket::Get(const QString &url, const QString &file)
{
    synchronous = false;
    _DoConnect(url, getMethod, file);
}

void HTTPSocket::Post(const QString &url)
{
    synchronous = false;
    _DoConnect(url, postMethod, {});
}

void HTTPSocket::Post(const QString &url, const QString &file)
{
    synchronous = false;
    _DoConnect(url, postMethod, file);
}

void HTTPSocket::GetHeaders(const QString &url)
{
    synchronous = false;
    _DoConnect(url, headMethod, {});
}

QByteArray HTTPSocket::Get(const QString &url, qint32 timeLimitSeconds)
{
    if (_StartSynchronous(url, getMethod, {}, timeLimitSeconds))
        WaitForPage();
    return _pageBuffer;
}

QByteArray HTTPSocket::Post(const QString &url, qint32 timeLimitSeconds)
{
    if (_StartSynchronous(url, postMethod, {}, timeLimitSeconds))
        WaitForPage();
    return _pageBuffer;
}

bool HTTPSocket::Get(const QString &url, const QString &file, qint32 timeLimitSeconds)
{
    if (_StartSynchronous(url, getMethod, file, timeLimitSeconds))
        WaitForPage();
    return mErrorCode == 0;
}

bool HTTPSocket::Post(const QString &url, const QString &file, qint32 timeLimitSeconds)
{
    if (_StartSynchronous(url, postMethod, file, timeLimitSeconds))
        WaitForPage();
    return mErrorCode == 0;
}

std::shared_ptr<InternetHeaders> HTTPSocket::GetHeaders(const QString &url, qint32 timeLimitSeconds)
{
    if (_StartSynchronous(url, headMethod, {}, timeLimitSeconds))
        WaitForPage();
    return _pageHeaders;
}

std::shared_ptr<InternetHeaders> HTTPSocket::PageHeaders() const
{
    if (_pageHeaders && _pageHeaders->Count() > 0)
        return _pageHeaders;
    return nullptr;
}

bool HTTPSocket::_StartSynchronous(const QString &url, const QByteArray &method,
                                   const QString &file, qint32 timeLimitSeconds)
{
    timeoutSeconds = timeLimitSeconds;
    synchronous = true;
    // A request that fails must not hand back the previous response.
    _ResetVariables();
    return _DoConnect(url, method, file);
}

bool HTTPSocket::_DoConnect(const QString &url, const QByteArray &method, const QString &file)
{
    ++requestSerial_;
    mErrorCode = 0;
    // A new request always drops the previous connection, even one that
    // cannot be started.
    Close();
    const bool urlUsable = _ParseURL(url);
    _processingURL = url;
    if (!urlUsable) {
        _KillDownloadStream();
        SetError(ErrorCannotStart);
        return false;
    }
    if (!_SetDownloadFile(file))
        return false;
    if (!HTTPProxyAddress.isEmpty()) {
        Address = HTTPProxyAddress;
        Port = HTTPProxyPort;
        if (Port == 0)
            Port = DefaultPort;
    }
    if (Port < 0 || Port > std::numeric_limits<quint16>::max()) {
        _KillDownloadStream();
        SetError(ErrorCannotStart);
        return false;
    }
    _httpAction = method;
    Purge();
    Connect();
    return true;
}

bool HTTPSocket::_ParseURL(const QString &url)
{
    const auto target = HttpMessage::parseUrl(url.toUtf8(), DefaultPort);
    if (!target)
        return false;
    _server = target->server;
    _path = target->path;
    Port = target->port;
    Address = target->address;
    return true;
}

bool HTTPSocket::_SetDownloadFile(const QString &file)
{
    _KillDownloadStream();
    if (file.isEmpty())
        return true;
    if (QFileInfo(file).isDir()) {
        SetError(ErrorCannotStart);
        return false;
    }
    // Unbuffered, so that a failing write shows at once rather than being
    // lost when the file is closed.
    auto stream = std::make_unique<QFile>(file);
    if (!stream->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        SetError(ErrorCannotStart);
        return false;
    }
    _downloadStream = std::move(stream);
    _downloadFile = file;
    return true;
}

void HTTPSocket::_KillDownloadStream()
{
    _downloadFile.clear();
    _downloadStream.reset(); // closing the file
}

void HTTPSocket::_SendRequest(const QByteArray &method)
{
    requestHeaders->SetHeader("Host", _server);
    if (!_authenticationKey.isEmpty())
        SetRequestHeader("Authorization", _authenticationKey);
    if (method == postMethod) {
        requestHeaders->SetHeader("Content-type", _postContentType);
        requestHeaders->SetHeader("Content-length", QByteArray::number(_postContent.size()));
    } else {
        // A body stored before a GET or HEAD is dropped.
        _postContent.clear();
        _postContentType.clear();
        requestHeaders->Delete("Content-type");
        requestHeaders->Delete("Content-length");
    }
    if (!HTTPProxyAddress.isEmpty())
        _path = _processingURL.toUtf8();

    QByteArray request = method + ' ' + _path + " HTTP/1.0\r\n";
    request += requestHeaders->_FormatHTTPHeaders();
    // The credentials travel with exactly one request.
    if (!_authenticationKey.isEmpty()) {
        requestHeaders->Delete("Authorization");
        _authenticationKey.clear();
    }
    request += "\r\n\r\n";
    request += _postContent;
    Write(request);
}

// The synchronous wait ---------------------------------------------------------

void HTTPSocket::WaitForPage()
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limitMilliseconds = qint64(timeoutSeconds) * 1000;
    // Inactivity: the connection neither came nor went and no byte arrived,
    // whether it went to the buffer, the body in memory or a file.
    const auto activity = [this] {
        return std::tuple(_connectionValid, _currentLength, BytesBuffered(), bool(_pageHeaders));
    };
    auto lastActivity = activity();
    qint64 lastActivityAt = 0;
    QThread *const thread = QThread::currentThread();

    for (;;) {
        Poll();
        if (Yield)
            QCoreApplication::processEvents();
        if (_pageComplete || mErrorCode != 0)
            break;
        if (activity() != lastActivity) {
            lastActivity = activity();
            lastActivityAt = clock.elapsed();
        }
        const bool timedOut =
            limitMilliseconds > 0 && clock.elapsed() - lastActivityAt > limitMilliseconds;
        if (timedOut || thread->isInterruptionRequested()) {
            Close();
            SetError(ErrorGaveUp);
            break;
        }
        _WaitForActivity(waitSliceMilliseconds);
    }
}

void HTTPSocket::_WaitForActivity(int milliseconds)
{
    QEventLoop loop;
    QTimer slice;
    slice.setSingleShot(true);
    connect(&slice, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    connect(this, &QAbstractSocket::stateChanged, &loop, &QEventLoop::quit);
    connect(this, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    slice.start(milliseconds);
    loop.exec(Yield ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

// The platform socket ---------------------------------------------------------

void HTTPSocket::Connect()
{
    addressesToTry_.clear();
    QHostAddress literal;
    if (literal.setAddress(Address)) {
        addressesToTry_.append(literal);
        _ConnectToNextAddress();
        return;
    }
    const quint64 serial = requestSerial_;
    hostLookup_ =
        HostLookup::start(Address, this, [this, serial](const QList<QHostAddress> &found) {
            if (serial != requestSerial_)
                return;
            hostLookup_.reset();
            addressesToTry_ = found;
            if (found.isEmpty())
                _HandleSocketError(QAbstractSocket::HostNotFoundError);
            else
                _ConnectToNextAddress();
        });
}

void HTTPSocket::_ConnectToNextAddress()
{
    if (addressesToTry_.isEmpty())
        return;
    const QHostAddress next = addressesToTry_.takeFirst();
    connectToHost(next, static_cast<quint16>(Port));
}

void HTTPSocket::Close()
{
    if (hostLookup_) {
        hostLookup_->cancel();
        hostLookup_.reset();
    }
    addressesToTry_.clear();
    _connectionValid = false;
    closePending_ = false;
    closing_ = true;
    abort();
    closing_ = false;
}

void HTTPSocket::Purge()
{
    if (isOpen())
        skip(bytesAvailable());
}

void HTTPSocket::Poll()
{
    // Qt does a socket's work through its thread's event dispatcher.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QByteArray HTTPSocket::Lookahead(qint64 maximumLength)
{
    if (!isOpen())
        return {};
    return peek(std::min(maximumLength, bytesAvailable()));
}

QByteArray HTTPSocket::Read(qint64 length)
{
    return isOpen() ? read(length) : QByteArray();
}

QByteArray HTTPSocket::ReadAll()
{
    return isOpen() ? readAll() : QByteArray();
}

qint64 HTTPSocket::BytesBuffered() const
{
    return isOpen() ? bytesAvailable() : 0;
}

void HTTPSocket::Write(const QByteArray &data)
{
    write(data);
}

bool HTTPSocket::IsConnected() const
{
    return state() == QAbstractSocket::ConnectedState;
}

// Responses -------------------------------------------------------------------

void HTTPSocket::_HandleConnected()
{
    _connectionValid = true;
    addressesToTry_.clear();
    _ResetVariables();
    const quint64 serial = requestSerial_;
    if (!synchronous) {
        emit Connected();
        if (serial != requestSerial_)
            return;
    }
    if (_httpAction.isEmpty())
        _httpAction = getMethod;
    _SendRequest(_httpAction);
}

void HTTPSocket::_HandleNewData()
{
    // A call already under way for this object (a handler of ours gave the
    // event loop a turn) leaves the data for it.
    if (threadProtection)
        return;
    threadProtection = true;
    const quint64 serial = requestSerial_;
    const auto stillCurrent = [&] {
        return serial == requestSerial_ && mErrorCode == 0;
    };

    if (_pageHeaders) {
        _ProcessData(ReadAll());
    } else {
        const QByteArray window = Lookahead(MaximumHeaderBlockLength + 4);
        const auto blockEnd = HttpMessage::findHeaderBlockEnd(window);
        if (!blockEnd) {
            // Nothing is consumed until the blank line has arrived.
            if (window.size() >= MaximumHeaderBlockLength + 4)
                _GiveUp(ErrorResponseTooLarge);
        } else {
            _ParseHeaders(Read(blockEnd->position));
            if (_httpStatusCode == 401 && _SetAuthentication()) {
                if (serial == requestSerial_) {
                    const QString url = _processingURL;
                    const QByteArray method = _httpAction;
                    const QString file = _downloadFile;
                    _DoConnect(url, method, file);
                }
                threadProtection = false;
                return;
            }
            if (!synchronous && stillCurrent())
                emit HeadersReceived(_pageHeaders, _httpStatusCode);
            if (stillCurrent()) {
                Read(2 * blockEnd->eolLength);
                _ProcessData(ReadAll());
            }
        }
    }

    threadProtection = false;
    if (closePending_ && serial == requestSerial_)
        _FinishAfterClose();
}

void HTTPSocket::_HandleSocketError(QAbstractSocket::SocketError error)
{
    if (closing_)
        return;
    const bool wasValid = _connectionValid;
    _connectionValid = false;
    if (!wasValid) {
        if (!addressesToTry_.isEmpty()) {
            // The name had more addresses; try the next one once Qt is done
            // with this attempt.
            const quint64 serial = requestSerial_;
            QMetaObject::invokeMethod(
                this,
                [this, serial] {
                    if (serial != requestSerial_)
                        return;
                    closing_ = true;
                    abort();
                    closing_ = false;
                    _ConnectToNextAddress();
                },
                Qt::QueuedConnection);
            return;
        }
        SetError(socketErrorCode(error));
        return;
    }
    // The server closed the connection (or it broke) after the request: the
    // end of the response.
    if (threadProtection) {
        closePending_ = true;
        return;
    }
    _FinishAfterClose();
}

void HTTPSocket::_FinishAfterClose()
{
    closePending_ = false;
    const quint64 serial = requestSerial_;
    if (BytesBuffered() > 0)
        _HandleNewData();
    if (serial != requestSerial_ || mErrorCode != 0 || _pageComplete)
        return;
    if (_pageHeaders)
        _ProcessPage();
    else
        // Closed before the header block ended: there is no response to
        // complete, and a wait for one must not go on.
        SetError(socketErrorCode(QAbstractSocket::RemoteHostClosedError));
}

void HTTPSocket::_ParseHeaders(const QByteArray &headerBlock)
{
    _pageHeaders = std::make_shared<InternetHeaders>();
    _httpStatusCode = HttpMessage::statusCode(headerBlock);
    _pageHeaders->_ParseHeaders(headerBlock);
    if (_pageHeaders->NameCount("Content-length") > 0)
        _totalLength = HttpMessage::leadingNumber(_pageHeaders->Value("Content-length"));
    // The announced length sizes the buffer, within reason.
    if (_totalLength > 0 && !_downloadStream && _httpAction != headMethod)
        _pageBuffer.reserve(std::min(_totalLength, maximumReservation));
}

void HTTPSocket::_ProcessData(const QByteArray &data)
{
    if (_httpAction == headMethod)
        return;
    if (MaximumBodyLength > 0 && data.size() > MaximumBodyLength - _currentLength) {
        _GiveUp(ErrorResponseTooLarge);
        return;
    }
    _currentLength += data.size();
    if (_downloadStream) {
        if (_downloadStream->write(data) != data.size()) {
            _GiveUp(ErrorCannotStart);
            return;
        }
    } else {
        _pageBuffer += data;
    }
    const quint64 serial = requestSerial_;
    if (!synchronous) {
        emit ReceiveProgress(_currentLength, _totalLength, data);
        if (serial != requestSerial_)
            return;
    }
    // Only once nothing is left to read: completing earlier would hand out a
    // body that the remaining bytes still add to.
    if (_httpStatusCode == 401 && !IsConnected() && BytesBuffered() == 0)
        _ProcessPage();
}

void HTTPSocket::_ProcessPage()
{
    if (_pageComplete)
        return;
    _pageComplete = true;
    const bool wasDownloading = _downloadStream != nullptr;
    const QString file = _downloadFile;
    _KillDownloadStream();
    if (_httpAction == headMethod || synchronous)
        return;
    if (wasDownloading)
        emit DownloadComplete(_processingURL, _httpStatusCode, _pageHeaders, file);
    else
        emit PageReceived(_processingURL, _httpStatusCode, _pageHeaders, _pageBuffer);
}

void HTTPSocket::_ResetVariables()
{
    _pageBuffer.clear();
    _pageHeaders.reset();
    _httpStatusCode = 0;
    _totalLength = 0;
    _currentLength = 0;
    _pageComplete = false;
}

bool HTTPSocket::_SetAuthentication()
{
    QByteArray name;
    QByteArray password;
    const bool retry =
        AuthenticationRequired && AuthenticationRequired(_pageHeaders, name, password);
    // Unwrapped: a line break inside a header value would end the header.
    if (retry)
        _authenticationKey = "Basic " + EncodeBase64(name + ':' + password, 0);
    return retry;
}

void HTTPSocket::SetError(qint32 code)
{
    mErrorCode = code;
    if (!synchronous)
        emit Error(code);
}

void HTTPSocket::_GiveUp(qint32 code)
{
    Close();
    _KillDownloadStream();
    SetError(code);
}
