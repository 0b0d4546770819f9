#pragma once

#include <QHostAddress>
#include <QList>

#include <functional>
#include <memory>
#include <mutex>

class QObject;

// Resolves a host name on a thread of its own that nobody waits for. A name
// server that never answers can then hold up neither a request that has been
// given up nor the end of the program (Qt joins its own lookups at exit).
class HostLookup {
public:
    using ResultHandler = std::function<void(const QList<QHostAddress> &addresses)>;

    // Calls `handler` on `receiver`'s thread with the addresses of
    // `hostName` (none when it cannot be resolved), unless cancelled first.
    static std::shared_ptr<HostLookup> start(const QString &hostName, QObject *receiver,
                                             ResultHandler handler);

    // The handler will not be called after this. Call it on the receiver's
    // thread, at the latest when the receiver is destroyed.
    void cancel();

private:
    bool isCancelled();

    std::mutex mutex_;
    QObject *receiver_ = nullptr;
};
