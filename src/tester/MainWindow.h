#pragma once

#include "base/SingleInstance.h"

#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class GameInputDevice;
class GameInputElement;
class GameInputManager;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
struct Seams;

// The tester: pick a game device, watch each element's lowest, latest and
// highest value, save them as a report. Closing it ends the program.
class MainWindow final : public QMainWindow, public SingleInstance<MainWindow> {
    Q_OBJECT

public:
    // The open tester window, created (and opened) when there is none.
    static MainWindow *instance();

    ~MainWindow() override;

    // The device picked in the popup, or nullptr; its name as shown.
    GameInputDevice *pickedDevice() const;
    QString pickedDeviceName() const;
    // How far element `index` of the picked device went, as its row says:
    // Min and Max, and a hat's directions seen.
    struct Reach {
        double minimum = 0;
        double maximum = 0;
        std::uint32_t seenBits = 0;
    };
    Reach reach(int index) const;

signals:
    // Another device (or none) is picked: the list starts over.
    void pickedDeviceChanged();
    // The list has taken in the values of a sampling tick.
    void ticked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    MainWindow();

    void MainPopupMenu_Change();
    void MainListBox_Open();
    void SavePushButton_Action();
    void MainTimer_Action();
    void Event_Close();
    void Event_Open();
    void Event_Moved();
    void Event_Resized();

    void Layout();
    void CreateControls();
    // Creates the game input manager, fills the popup and starts sampling.
    void startGameInput();
    // Offers devices plugged in since, and marks the unplugged ones.
    void followDevices();
    // Makes the window, frame and all, lie wholly on its screen.
    void fitOnScreen();
    // Notes, beside a row's texts, the hat directions seen and whether the
    // element has been through its whole scale; true when a hat pointed
    // somewhere new.
    bool followReach(QTreeWidgetItem *row, double minimum, double maximum, std::uint32_t bits);

    QWidget *content_ = nullptr;
    QLabel *selectStaticText_ = nullptr;
    QComboBox *mainPopupMenu_ = nullptr;
    QTreeWidget *mainListBox_ = nullptr;
    QLabel *instructionsStaticText_ = nullptr;
    QPushButton *savePushButton_ = nullptr;
    QTimer *mainTimer_ = nullptr;

    std::unique_ptr<GameInputManager> gameInputManager_;
    std::vector<GameInputElement *> deviceElement_;
    // Each device's name as shown, by device index, and without its number.
    std::vector<QString> deviceNames_;
    std::vector<QString> plainDeviceNames_;
    // The stored position as the window opened, -1 where none was stored.
    std::int32_t storedLeft_ = -1;
    std::int32_t storedTop_ = -1;
    // Moves and resizes count as the user's only once the window is shown.
    bool shown_ = false;
};
