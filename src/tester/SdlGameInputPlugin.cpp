// The SDL game input service as a Qt plugin: SDL and the libraries it brings
// along load once the tester window shows, not before it.
#include "tester/SdlGameInput.h"

class SdlGameInputPlugin final : public QObject, public GameInputService {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID GameInputService_iid)
    Q_INTERFACES(GameInputService)

public:
    std::unique_ptr<GameInputManager> createManager() override
    {
        return SdlGameInputManager::create();
    }
};

#include "SdlGameInputPlugin.moc"
