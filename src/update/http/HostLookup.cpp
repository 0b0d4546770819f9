#include "update/http/HostLookup.h"

#include <QMetaObject>
#include <QObject>
#include <QUrl>

#include <netdb.h>
#include <sys/socket.h>
#include <sys/types.h>

#include <system_error>
#include <thread>

namespace {

QList<QHostAddress> resolve(const QByteArray &hostName, int flags)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo *found = nullptr;
    QList<QHostAddress> addresses;
    if (getaddrinfo(hostName.constData(), nullptr, &hints, &found) != 0)
        return addresses;
    for (const addrinfo *entry = found; entry; entry = entry->ai_next) {
        const QHostAddress address(entry->ai_addr);
        if (!address.isNull() && !addresses.contains(address))
            addresses.append(address);
    }
    freeaddrinfo(found);
    return addresses;
}

QList<QHostAddress> resolve(const QByteArray &hostName)
{
    // Address-configuration filtering finds nothing on a machine whose only
    // interface is the loopback one; ask again without it then.
    QList<QHostAddress> addresses = resolve(hostName, AI_ADDRCONFIG);
    if (addresses.isEmpty())
        addresses = resolve(hostName, 0);
    return addresses;
}

} // namespace

std::shared_ptr<HostLookup> HostLookup::start(const QString &hostName, QObject *receiver,
                                              ResultHandler handler)
{
    auto lookup = std::make_shared<HostLookup>();
    lookup->receiver_ = receiver;
    auto deliver = [lookup, handler](const QList<QHostAddress> &addresses) {
        const std::lock_guard lock(lookup->mutex_);
        if (!lookup->receiver_)
            return;
        QMetaObject::invokeMethod(
            lookup->receiver_,
            [lookup, handler, addresses] {
                if (!lookup->isCancelled())
                    handler(addresses);
            },
            Qt::QueuedConnection);
    };

    const QByteArray asciiName = QUrl::toAce(hostName);
    if (asciiName.isEmpty() || asciiName.contains('\0')) {
        deliver({});
        return lookup;
    }
    try {
        std::thread([asciiName, deliver] { deliver(resolve(asciiName)); }).detach();
    } catch (const std::system_error &) {
        deliver({});
    }
    return lookup;
}

void HostLookup::cancel()
{
    const std::lock_guard lock(mutex_);
    receiver_ = nullptr;
}

bool HostLookup::isCancelled()
{
    const std::lock_guard lock(mutex_);
    return receiver_ == nullptr;
}
