#include "about/AboutWindow.h"

#include "base/ApplicationServices.h"
#include "base/LocalizedText.h"
#include "base/Seams.h"
#include "base/Shell.h"
#include "base/SystemFont.h"
#include "base/WebsiteUrl.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>

// The core library is static: without a reference from code that is linked
// in, the compiled picture resource would be left out of the executables.
// Q_INIT_RESOURCE may not be used inside a namespace.
static void initAboutPictures()
{
    Q_INIT_RESOURCE(about_pictures);
}

namespace {

QPixmap *metalPicture = nullptr;

constexpr QSize windowSize(300, 100);
constexpr int fadeInterval = 50;
constexpr int holdInterval = 5000;
constexpr int fadeStep = 10;
constexpr int fullyTransparent = 255;

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry, const QFont &font,
                  const QColor &color)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    // Translations and the configured address are shown as they are written.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

// A screen reader takes the box for a dialog, and reads it when it appears.
QAccessibleInterface *accessibleAboutWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String("AboutWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    return nullptr;
}

QTimer *makeTimer(QObject *parent, const char *name, int interval, bool singleShot)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    // Coarse timers may shift the five-second hold by a quarter of a second.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

} // namespace

const QPixmap &AboutWindowMetalPicture()
{
    if (!metalPicture) {
        initAboutPictures();
        metalPicture = new QPixmap(QStringLiteral(":/pictures/168.png"));
    }
    return *metalPicture;
}

void releaseAboutWindowMetalPicture()
{
    delete metalPicture;
    metalPicture = nullptr;
}

QPoint centredWindowPosition(const QRect &screenGeometry, const QSize &windowSize)
{
    // The screen's own origin keeps the box on the main screen when that
    // screen is not the leftmost or topmost one.
    return screenGeometry.topLeft() + QPoint((screenGeometry.width() - windowSize.width()) / 2,
                                             (screenGeometry.height() - windowSize.height()) / 2);
}

AboutWindow *AboutWindow::instance()
{
    if (!existing())
        hold(new AboutWindow)->Event_Open();
    return existing();
}

void AboutWindow::release()
{
    SingleInstance::release();
    releaseAboutWindowMetalPicture();
}

AboutWindow::AboutWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleAboutWindow);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    Layout();
    CreateControls();
}

void AboutWindow::Layout()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("AboutWindow"));
    setFixedSize(windowSize);
    metalPicture_ = AboutWindowMetalPicture();
}

void AboutWindow::CreateControls()
{
    nameStaticText_ =
        makeLabel(this, "NameStaticText", QRect(10, 10, 280, 20), systemFont(12, true), Qt::black);
    NameStaticText_Open();

    developedStaticText_ =
        makeLabel(this, "DevelopedStaticText", QRect(10, 40, 280, 20), systemFont(12), Qt::black);
    developedStaticText_->setText(AboutWindowText::DevelopedStaticTextText.text());

    QFont linkFont = systemFont(10);
    linkFont.setUnderline(true);
    urlStaticText_ =
        makeLabel(this, "URLStaticText", QRect(10, 70, 280, 20), linkFont, QColor(0, 0, 255));
    urlStaticText_->setText(websiteBaseUrl());
    urlStaticText_->installEventFilter(this);

    // What a screen reader reads when the box appears.
    setWindowTitle(AboutWindowText::AboutWindowTitle.text().replace(
        QLatin1String("%APPLICATIONNAME%"), ApplicationNameMBS(qApp)));
    setAccessibleDescription(nameStaticText_->text() + QLatin1String(". ") +
                             developedStaticText_->text() + QLatin1String(". ") +
                             urlStaticText_->text());

    fadeInTimer_ = makeTimer(this, "FadeInTimer", fadeInterval, false);
    connect(fadeInTimer_, &QTimer::timeout, this, &AboutWindow::FadeInTimer_Action);
    aboutTimer_ = makeTimer(this, "AboutTimer", holdInterval, true);
    connect(aboutTimer_, &QTimer::timeout, this, &AboutWindow::AboutTimer_Action);
    fadeOutTimer_ = makeTimer(this, "FadeOutTimer", fadeInterval, false);
    connect(fadeOutTimer_, &QTimer::timeout, this, &AboutWindow::FadeOutTimer_Action);

    // The fade-in runs from the moment the box exists.
    fadeInTimer_->start();
}

void AboutWindow::NameStaticText_Open()
{
    nameStaticText_->setText(ApplicationNameMBS(qApp) + QLatin1Char(' ') +
                             applicationVersionText());
}

void AboutWindow::URLStaticText_MouseEnter()
{
    urlStaticText_->setCursor(Qt::PointingHandCursor);
}

void AboutWindow::URLStaticText_MouseExit()
{
    urlStaticText_->setCursor(Qt::ArrowCursor);
}

bool AboutWindow::URLStaticText_MouseDown()
{
    Shell::instance()->seams().openUrl(QUrl(websiteBaseUrl()));
    return true;
}

void AboutWindow::FadeInTimer_Action()
{
    // The last level set is 5; the tick that finds the counter below zero
    // starts the hold instead.
    if (timerCounter_ >= 0) {
        setTransparency(timerCounter_);
        timerCounter_ -= fadeStep;
        return;
    }
    fadeInTimer_->stop();
    timerCounter_ = 0;
    aboutTimer_->start();
}

void AboutWindow::AboutTimer_Action()
{
    fadeOutTimer_->start();
}

void AboutWindow::FadeOutTimer_Action()
{
    if (timerCounter_ <= fullyTransparent) {
        setTransparency(timerCounter_);
        timerCounter_ += fadeStep;
        return;
    }
    fadeOutTimer_->stop();
    fadeEnded_ = true;
    close();
}

void AboutWindow::Event_Open()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(centredWindowPosition(screen->geometry(), size()));
    // Fully transparent before it is first shown.
    timerCounter_ = fullyTransparent;
    setTransparency(timerCounter_);
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == urlStaticText_) {
        switch (event->type()) {
        case QEvent::Enter:
            URLStaticText_MouseEnter();
            break;
        case QEvent::Leave:
            URLStaticText_MouseExit();
            break;
        case QEvent::MouseButtonPress:
        // Qt delivers the second press of a double click as a double click;
        // it is a click on the link all the same.
        case QEvent::MouseButtonDblClick:
            return URLStaticText_MouseDown();
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, metalPicture_);
}

void AboutWindow::closeEvent(QCloseEvent *event)
{
    // The user cannot close the box: a close request from the window manager
    // (Alt+F4, say) is refused, and the fade goes on to its end.
    if (!fadeEnded_) {
        event->ignore();
        return;
    }
    // A closed box is done with: the next About... makes a new one, even
    // before this one is deleted.
    fadeInTimer_->stop();
    aboutTimer_->stop();
    fadeOutTimer_->stop();
    letGo();
    QWidget::closeEvent(event);
    if (previouslyActive_ && previouslyActive_->isVisible())
        previouslyActive_->activateWindow();
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QApplication::activeWindow() != this)
        previouslyActive_ = QApplication::activeWindow();
}

void AboutWindow::setTransparency(int level)
{
    Shell::instance()->seams().setTransparency(this, level);
}
