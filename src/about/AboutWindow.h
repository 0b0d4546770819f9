#pragma once

#include "base/SingleInstance.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class QTimer;

// The About box's metal backdrop (picture 168 of the resources), read on the
// first request and shared by every About box until it is released.
const QPixmap &AboutWindowMetalPicture();
// Lets go of the backdrop; the program calls it after its event loop ended.
void releaseAboutWindowMetalPicture();

// Top-left corner that centres a window of `windowSize` on a screen. The
// division truncates towards zero, so a screen smaller than the window gives a
// negative position, which is meant to be used as it is.
QPoint centredWindowPosition(const QRect &screenGeometry, const QSize &windowSize);

// The About box: a borderless panel with the program's name and version, its
// developer and a link to the website. It fades in, holds for five seconds,
// fades out and closes by itself.
class AboutWindow final : public QWidget, public SingleInstance<AboutWindow> {
    Q_OBJECT

public:
    // The open About box, created (and opened) when there is none.
    static AboutWindow *instance();
    // Deletes an About box still held and the backdrop picture. Called after
    // the event loop has ended.
    static void release();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    AboutWindow();

    void NameStaticText_Open();
    void URLStaticText_MouseEnter();
    void URLStaticText_MouseExit();
    bool URLStaticText_MouseDown();
    void FadeInTimer_Action();
    void AboutTimer_Action();
    void FadeOutTimer_Action();
    void Event_Open();

    void Layout();
    void CreateControls();
    void setTransparency(int level);

    QPixmap metalPicture_;
    QLabel *nameStaticText_ = nullptr;
    QLabel *developedStaticText_ = nullptr;
    QLabel *urlStaticText_ = nullptr;
    QTimer *fadeInTimer_ = nullptr;
    QTimer *aboutTimer_ = nullptr;
    QTimer *fadeOutTimer_ = nullptr;

    // The transparency level the fade has reached.
    qint32 timerCounter_ = 0;
    // Set when the fade-out closes the box, the only close it accepts.
    bool fadeEnded_ = false;
    // The window that had the keyboard when the box appeared gets it back.
    QPointer<QWidget> previouslyActive_;
};
