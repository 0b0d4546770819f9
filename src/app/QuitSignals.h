#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop, so that
// a quit asked by the desktop session or a terminal ends the program by the
// same road as the Quit command. The handler only writes one byte to a pipe.
class QuitSignals final : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested();

private:
    void readPipe();

    QSocketNotifier *notifier_ = nullptr;
};
