#include "tester/DeviceWindow.h"

#include "base/GameInput.h"
#include "base/LocalizedText.h"
#include "tester/DeviceReport.h"
#include "tester/DeviceViews.h"
#include "tester/MainWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Frames while the device moves (33 a second), and while it rests: no more
// often than the tester's list.
constexpr int movingFrameMs = 30;
constexpr int restingFrameMs = 100;
constexpr int calmFramesBeforeRest = 8;
// A device names its elements: a long name is cut, so that it never makes
// the window wider than the screen.
constexpr int longestNameWidth = 220;
constexpr int lampsPerRow = 10;

QString elided(const QWidget *widget, const QString &text)
{
    return widget->fontMetrics().elidedText(text, Qt::ElideRight, longestNameWidth);
}

QGroupBox *section(QWidget *content, const LocalizedTextConstant &title)
{
    auto *box = new QGroupBox(title.text(), content);
    content->layout()->addWidget(box);
    return box;
}

} // namespace

DeviceWindow *DeviceWindow::showFor(MainWindow *tester)
{
    DeviceWindow *window = existing() ? existing() : hold(new DeviceWindow(tester));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

DeviceWindow::DeviceWindow(MainWindow *tester)
    : QWidget(tester, Qt::Window)
    , tester_(tester)
{
    setObjectName(QStringLiteral("DeviceWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(DeviceWindowText::DeviceWindowTitle.text());
    auto *layout = new QVBoxLayout(this);
    deviceName_ = new QLabel(this);
    deviceName_->setObjectName(QStringLiteral("DeviceName"));
    deviceName_->setTextFormat(Qt::PlainText);
    QFont bold = deviceName_->font();
    bold.setBold(true);
    deviceName_->setFont(bold);
    layout->addWidget(deviceName_);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scrollArea_);

    frameTimer_ = new QTimer(this);
    frameTimer_->setTimerType(Qt::PreciseTimer);
    connect(frameTimer_, &QTimer::timeout, this, &DeviceWindow::frame);
    connect(tester, &MainWindow::pickedDeviceChanged, this, &DeviceWindow::followPickedDevice);
    connect(tester, &MainWindow::ticked, this, &DeviceWindow::followTick);
    followPickedDevice();

    const QRect available = tester->screen()->availableGeometry();
    resize(QSize(560, 640).boundedTo(available.size() * 9 / 10));
    setMaximumWidth(available.width());
}

void DeviceWindow::followPickedDevice()
{
    device_ = tester_->pickedDevice();
    sticks_.clear();
    axes_.clear();
    buttons_.clear();
    hats_.clear();
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("DeviceParts"));
    auto *layout = new QVBoxLayout(content);
    if (!device_) {
        auto *none = new QLabel(DeviceWindowText::NoDeviceText.text(), content);
        none->setObjectName(QStringLiteral("NoDevice"));
        none->setTextFormat(Qt::PlainText);
        layout->addWidget(none);
    } else {
        const int elementCount = std::max(0, device_->ElementCount());
        std::vector<bool> inStick(static_cast<std::size_t>(elementCount));
        addSticks(content, inStick);
        QGridLayout *axes = nullptr;
        QGridLayout *buttons = nullptr;
        QHBoxLayout *hats = nullptr;
        for (int index = 0; index < elementCount; ++index) {
            const GameInputElement *element = device_->Element(index);
            if (!element || inStick[static_cast<std::size_t>(index)])
                continue;
            const QString name = element->Name();
            switch (element->Kind()) {
            case GameInputKind::Axis: {
                if (!axes)
                    axes = new QGridLayout(section(content, DeviceWindowText::AxesTitle));
                auto *label = new QLabel(elided(content, name));
                label->setObjectName(QStringLiteral("AxisName"));
                label->setTextFormat(Qt::PlainText);
                auto *bar = new AxisBar(name, content);
                label->setBuddy(bar);
                const int row = static_cast<int>(axes_.size());
                axes->addWidget(label, row, 0);
                axes->addWidget(bar, row, 1);
                axes_.emplace_back(bar, index);
                break;
            }
            case GameInputKind::Button: {
                if (!buttons)
                    buttons = new QGridLayout(section(content, DeviceWindowText::ButtonsTitle));
                const int number = static_cast<int>(buttons_.size());
                auto *lamp = new ButtonLamp(name, number, content);
                buttons->addWidget(lamp, number / lampsPerRow, number % lampsPerRow);
                buttons_.emplace_back(lamp, index);
                break;
            }
            case GameInputKind::Hat: {
                if (!hats)
                    hats = new QHBoxLayout(section(content, DeviceWindowText::HatsTitle));
                auto *cross = new HatCross(name, content);
                hats->addWidget(cross);
                hats_.emplace_back(cross, index);
                break;
            }
            case GameInputKind::Other:
                break;
            }
        }
        if (buttons)
            buttons->setColumnStretch(lampsPerRow, 1);
        if (hats)
            hats->addStretch();
    }
    layout->addStretch();
    scrollArea_->setWidget(content);
    reaches_.assign(device_ ? static_cast<std::size_t>(std::max(0, device_->ElementCount())) : 0,
                    {});
    connected_ = !device_ || device_->Connected();
    showDeviceName();
    followTick();
    calmFrames_ = 0;
    frame();
}

void DeviceWindow::showDeviceName()
{
    const QString name = elided(this, tester_->pickedDeviceName());
    deviceName_->setText(connected_ ? name
                                    : DeviceReport::withDeviceName(
                                          MainWindowText::DisconnectedDeviceText.text(), name));
}

void DeviceWindow::followTick()
{
    for (std::size_t index = 0; index < reaches_.size(); ++index)
        reaches_[index] = tester_->reach(static_cast<int>(index));
    for (const Stick &stick : sticks_) {
        const QString figures = stick.view->figures().join(QLatin1Char('\n'));
        if (stick.figures->text() != figures)
            stick.figures->setText(figures);
    }
}

void DeviceWindow::addSticks(QWidget *content, std::vector<bool> &inStick)
{
    const int stickCount = device_->StickCount();
    if (stickCount <= 0)
        return;
    auto *box = section(content, DeviceWindowText::SticksTitle);
    auto *layout = new QGridLayout(box);
    for (int index = 0; index < stickCount; ++index) {
        GameInputStick stick;
        if (!device_->ReadStick(index, stick))
            continue;
        for (const int element : {stick.xElement, stick.yElement}) {
            if (element >= 0 && static_cast<std::size_t>(element) < inStick.size())
                inStick[static_cast<std::size_t>(element)] = true;
        }
        const QString name =
            stick.side == GameInputStick::Side::Left ? DeviceWindowText::LeftStickName.text()
            : stick.side == GameInputStick::Side::Right
                ? DeviceWindowText::RightStickName.text()
                : DeviceWindowText::StickName.text().replace(QLatin1String("%NUMBER%"),
                                                             QString::number(index + 1));
        auto *title = new QLabel(name, box);
        title->setObjectName(QStringLiteral("StickName"));
        auto *view = new StickView(name, box);
        title->setBuddy(view);
        auto *figures = new QLabel(box);
        figures->setObjectName(QStringLiteral("StickFigures"));
        figures->setTextFormat(Qt::PlainText);
        auto *clear = new QPushButton(DeviceWindowText::ClearStickCaption.text(), box);
        clear->setObjectName(QStringLiteral("ClearStick"));
        clear->setAccessibleName(DeviceWindowText::ClearStickCaption.text() + QLatin1String(": ") +
                                 name);
        clear->setAccessibleDescription(DeviceWindowText::ClearStickDescription.text());
        connect(clear, &QPushButton::clicked, this, [this, index] {
            if (device_)
                device_->ClearStick(index);
            frame();
            followTick();
        });
        view->show(stick);
        figures->setText(view->figures().join(QLatin1Char('\n')));
        layout->addWidget(title, 0, index);
        layout->addWidget(view, 1, index);
        layout->addWidget(figures, 2, index);
        layout->addWidget(clear, 3, index, Qt::AlignLeft);
        sticks_.push_back({index, view, figures});
    }
    auto *note = new QLabel(DeviceWindowText::StickNoteText.text(), box);
    note->setObjectName(QStringLiteral("StickNote"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    note->setFont(small);
    layout->addWidget(note, 4, 0, 1, std::max(stickCount, 2));
    layout->setColumnStretch(std::max(stickCount, 2), 1);
}

void DeviceWindow::frame()
{
    bool moved = false;
    if (device_) {
        if (device_->Connected() != connected_) {
            connected_ = !connected_;
            showDeviceName();
        }
        for (const Stick &stick : sticks_) {
            GameInputStick reading;
            moved =
                (device_->ReadStick(stick.index, reading) && stick.view->show(reading)) || moved;
        }
        const auto present = [this](int index) {
            const GameInputElement *element = device_->Element(index);
            return element ? element->Value() : 0;
        };
        const auto reach = [this](int index) {
            return reaches_[static_cast<std::size_t>(index)];
        };
        for (const auto &[bar, index] : axes_) {
            const std::int32_t now = present(index);
            moved = bar->show(now, std::min<double>(reach(index).minimum, now),
                              std::max<double>(reach(index).maximum, now)) ||
                    moved;
        }
        for (const auto &[lamp, index] : buttons_) {
            const std::int32_t now = present(index);
            moved = lamp->show(now != 0, now != 0 || reach(index).maximum >= 1) || moved;
        }
        for (const auto &[cross, index] : hats_) {
            const auto now = static_cast<std::uint32_t>(present(index));
            moved = cross->show(now, now | reach(index).seenBits) || moved;
        }
    }
    calmFrames_ = moved ? 0 : calmFrames_ + 1;
    const int interval = calmFrames_ < calmFramesBeforeRest ? movingFrameMs : restingFrameMs;
    if (!frameTimer_->isActive() || frameTimer_->interval() != interval)
        frameTimer_->start(interval);
}

void DeviceWindow::closeEvent(QCloseEvent *event)
{
    frameTimer_->stop();
    letGo();
    QWidget::closeEvent(event);
}

void DeviceWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
