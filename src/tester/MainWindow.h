#pragma once

#include "tester/GameInput.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

// The tester: pick a game device, watch each element's lowest, latest and
// highest value, save them as a report. Closing it ends the program.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // The open tester window, created (and opened) when there is none.
    static MainWindow *instance();
    // The open tester window, or nullptr.
    static MainWindow *existing();
    // Deletes the tester window if one is still held.
    static void release();

    ~MainWindow() override;

    void MainPopupMenu_Change();
    void MainListBox_Open();
    void SavePushButton_Action();
    void MainTimer_Action();
    void Event_Close();
    void Event_Open();
    void Event_Moved();
    void Event_Resized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    MainWindow();

    void Layout();
    void CreateControls();

    QWidget *content_ = nullptr;
    QLabel *selectStaticText_ = nullptr;
    QComboBox *mainPopupMenu_ = nullptr;
    QTreeWidget *mainListBox_ = nullptr;
    QLabel *instructionsStaticText_ = nullptr;
    QPushButton *savePushButton_ = nullptr;
    QTimer *mainTimer_ = nullptr;

    std::unique_ptr<GameInputManager> gameInputManager_;
    std::vector<GameInputElement *> deviceElement_;
    // The stored position as the window opened, -1 where none was stored.
    std::int32_t storedLeft_ = -1;
    std::int32_t storedTop_ = -1;
    // Moves and resizes count as the user's only once the window is shown.
    bool shown_ = false;
    bool closed_ = false;
};
