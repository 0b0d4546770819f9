// The update check as a Qt plugin: the program loads Qt Network and the HTTP
// client only when the user asked for a check.
#include "update/CheckForUpdateThread.h"
#include "update/UpdateCheck.h"

#include <utility>

class UpdateCheckPlugin final : public QObject, public UpdateCheckFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID UpdateCheckFactory_iid)
    Q_INTERFACES(UpdateCheckFactory)

public:
    QThread *createCheck(UpdateCheckRequest request) override
    {
        return new CheckForUpdateThread(std::move(request));
    }
};

#include "UpdateCheckPlugin.moc"
