#pragma once

#include <QObject>
#include <QString>
#include <QtPlugin>

#include <functional>

class QThread;

// What one launch-time check needs from the program, read on the UI thread
// before the check starts.
struct UpdateCheckRequest {
    // The product website's base URL, without a trailing "/".
    QString websiteUrl;
    QString applicationName;
    // The running version, "major.minor".
    QString versionText;
    // The message for a newer version, with "%APPLICATIONNAME%" in it.
    QString newVersionMessage;
    // Shows a message to the user from the check's thread; returns when the
    // user has dismissed it.
    std::function<void(const QString &text)> tell;
};

// The check with its HTTP client and Qt Network is a Qt plugin of its own,
// "quillomat-update", loaded only when a check runs.
class UpdateCheckFactory {
public:
    virtual ~UpdateCheckFactory() = default;
    // A check ready to start, owned by the caller.
    virtual QThread *createCheck(UpdateCheckRequest request) = 0;
};

#define UpdateCheckFactory_iid "com.brindlecove.Quillomat.UpdateCheckFactory/1"
Q_DECLARE_INTERFACE(UpdateCheckFactory, UpdateCheckFactory_iid)
