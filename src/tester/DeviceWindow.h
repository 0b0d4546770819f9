#pragma once

#include "base/GameInput.h"
#include "base/SingleInstance.h"
#include "tester/MainWindow.h"

#include <QWidget>

#include <vector>

class AxisBar;
class ButtonLamp;
class GameInputDevice;
class HatCross;
class QLineEdit;
class QPushButton;
struct LocalizedTextConstant;
class TextReadout;
class TouchpadView;
class QLabel;
class QScrollArea;
class QTimer;
class StickView;

// The device picked in the tester window, drawn: its sticks with the
// outline of where they went and their figures, its other axes as bars, its
// buttons as lamps, its hats as crosses, its touchpads and motion sensors;
// controls for its rumble motors and light; and what it says about itself,
// to read and to copy. It follows the tester's popup, and is drawn often
// while the device moves, seldom while it rests. Made when first opened;
// Escape closes it. No output it started goes on after it lets go of the
// device: closed, another device picked, the device unplugged, the program
// ending.
class DeviceWindow final : public QWidget, public SingleInstance<DeviceWindow> {
    Q_OBJECT

public:
    // Shows the Device window over the tester window, made when there is none.
    static DeviceWindow *showFor(MainWindow *tester);

    ~DeviceWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit DeviceWindow(MainWindow *tester);

    // Builds the parts of the device now picked.
    void followPickedDevice();
    void addSticks(QWidget *content, std::vector<bool> &inStick);
    // Brings every part up to date, and sets when the next frame comes.
    void frame();
    // What changes only with the tester's list: how far the elements went,
    // and the sticks' figures in numbers.
    void followTick();
    // The device's name, and whether it is unplugged.
    void showDeviceName();
    void addTouchpadsAndMotion(QWidget *content);
    void addOutputs(QWidget *content);
    // Each output's control enabled where the device has it and is plugged in.
    void followOutputs();
    void addIdentity(QWidget *content);
    // Asks the device for an output; tells why when it refuses.
    void ask(const QString &refusal);
    // Stops what this window started and stops watching the device.
    void letGoOfDevice();

    MainWindow *tester_;
    GameInputDevice *device_ = nullptr;
    bool connected_ = true;
    std::vector<MainWindow::Reach> reaches_;
    QLabel *deviceName_ = nullptr;
    QScrollArea *scrollArea_ = nullptr;
    QTimer *frameTimer_ = nullptr;
    int calmFrames_ = 0;

    struct Stick {
        int index;
        StickView *view;
        QLabel *figures;
    };
    std::vector<Stick> sticks_;
    // Each part with the index of its element.
    std::vector<std::pair<AxisBar *, int>> axes_;
    std::vector<std::pair<ButtonLamp *, int>> buttons_;
    std::vector<std::pair<HatCross *, int>> hats_;
    std::vector<std::pair<TouchpadView *, int>> touchpads_;
    TextReadout *rotation_ = nullptr;
    TextReadout *acceleration_ = nullptr;
    TextReadout *drift_ = nullptr;
    QLabel *refusal_ = nullptr;
    // Facts that change while the device is plugged in.
    QLineEdit *connection_ = nullptr;
    QLineEdit *battery_ = nullptr;
    // An output was asked for: it is stopped when the window lets go.
    bool outputsUsed_ = false;
    struct OutputButton {
        QPushButton *button;
        bool GameInputOutputs::*available;
        const LocalizedTextConstant *lacking;
        QString description;
    };
    std::vector<OutputButton> outputButtons_;
    int ticks_ = 0;
};
