#include "tester/DeviceWindow.h"

#include "base/ApplicationServices.h"
#include "base/GameInput.h"
#include "base/LocalizedText.h"
#include "base/Shell.h"
#include "tester/DeviceReport.h"
#include "tester/DeviceViews.h"
#include "tester/MainWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
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
    // A title over a plain ground: the parts, drawn often, cover their
    // ground themselves.
    box->setFlat(true);
    content->layout()->addWidget(box);
    return box;
}

// Outputs run a second at full strength.
constexpr std::uint16_t fullStrength = 0xFFFF;
constexpr std::uint32_t outputMs = 1000;
constexpr int mostTouchpads = 4;

// What a device says, on one line: control and formatting characters, and
// line and paragraph separators, are shown as spaces.
QString singleLine(const QString &text)
{
    return DeviceReport::oneLine(text, false);
}

// The device's name as the tester shows it, without a twin's number.
QString shownName(const GameInputDevice *device)
{
    const GameInputIdentity identity = device->Identity();
    return DeviceReport::shownName(device->Name(), identity.vendorId, identity.productId);
}

QString hex(std::uint16_t value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString threeValues(const LocalizedTextConstant &text, const std::array<float, 3> &values,
                    int decimals)
{
    const QLocale locale;
    return text.text()
        .replace(QLatin1String("%X%"), locale.toString(values[0], 'f', decimals))
        .replace(QLatin1String("%Y%"), locale.toString(values[1], 'f', decimals))
        .replace(QLatin1String("%Z%"), locale.toString(values[2], 'f', decimals));
}

QString connectionText(GameInputIdentity::Connection connection)
{
    using Connection = GameInputIdentity::Connection;
    return (connection == Connection::Wired      ? DeviceWindowText::WiredText
            : connection == Connection::Wireless ? DeviceWindowText::WirelessText
                                                 : DeviceWindowText::UnknownText)
        .text();
}

QString batteryText(GameInputIdentity::Battery battery)
{
    using Battery = GameInputIdentity::Battery;
    return (battery == Battery::Empty    ? DeviceWindowText::EmptyText
            : battery == Battery::Low    ? DeviceWindowText::LowText
            : battery == Battery::Medium ? DeviceWindowText::MediumText
            : battery == Battery::Full   ? DeviceWindowText::FullText
                                         : DeviceWindowText::UnknownText)
        .text();
}

// What a device says about itself, as label and value, one fact each.
QList<std::pair<QString, QString>> identityFacts(const QString &name,
                                                 const GameInputIdentity &identity)
{
    using namespace DeviceWindowText;
    QList<std::pair<QString, QString>> facts{
        {NameLabel.text(), singleLine(name)},
        {VendorLabel.text(), hex(identity.vendorId)},
        {ProductLabel.text(), hex(identity.productId)},
        {ProductVersionLabel.text(), hex(identity.productVersion)}};
    if (identity.firmwareVersion)
        facts.append({FirmwareLabel.text(), hex(identity.firmwareVersion)});
    if (!identity.serial.isEmpty())
        facts.append({SerialLabel.text(), singleLine(identity.serial)});
    facts.append({GuidLabel.text(), singleLine(identity.guid)});
    facts.append({TypeLabel.text(), identity.controllerType.isEmpty()
                                        ? UnknownText.text()
                                        : singleLine(identity.controllerType)});
    facts.append({MappingLabel.text(), identity.mapping.isEmpty() ? NoMappingText.text()
                                                                  : singleLine(identity.mapping)});
    facts.append({ConnectionLabel.text(), connectionText(identity.connection)});
    if (identity.battery != GameInputIdentity::Battery::Unknown)
        facts.append({BatteryLabel.text(), batteryText(identity.battery)});
    return facts;
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
    // The menu bar is the tester window's: its Quit works here too.
    connect(new QShortcut(QKeySequence::Quit, this), &QShortcut::activated, this,
            [] { Shell::instance()->quitApplication(); });
    connect(tester, &MainWindow::ticked, this, &DeviceWindow::followTick);
    followPickedDevice();

    const QRect available = tester->screen()->availableGeometry();
    resize(QSize(600, 700).boundedTo(available.size() * 9 / 10));
    setMaximumWidth(available.width());
    // Beside the tester window where the screen has room, over it where not.
    if (platformPlacesWindows()) {
        const QRect beside(tester->frameGeometry().topRight() + QPoint(8, 0), size());
        move(std::clamp(beside.left(), available.left(),
                        std::max(available.left(), available.right() - width())),
             std::clamp(beside.top(), available.top(),
                        std::max(available.top(), available.bottom() - height())));
    }
}

DeviceWindow::~DeviceWindow()
{
    letGoOfDevice();
}

void DeviceWindow::letGoOfDevice()
{
    if (!device_)
        return;
    if (outputsUsed_) {
        const GameInputOutputs outputs = device_->Outputs();
        if (outputs.rumble)
            device_->Rumble(0, 0, 0);
        if (outputs.triggerRumble)
            device_->RumbleTriggers(0, 0, 0);
        device_->RestoreLight();
        outputsUsed_ = false;
    }
    device_->Watch(false);
    device_ = nullptr;
}

void DeviceWindow::followPickedDevice()
{
    letGoOfDevice();
    device_ = tester_->pickedDevice();
    if (device_)
        device_->Watch(true);
    sticks_.clear();
    axes_.clear();
    buttons_.clear();
    hats_.clear();
    touchpads_.clear();
    outputButtons_.clear();
    rotation_ = acceleration_ = drift_ = nullptr;
    refusal_ = nullptr;
    connection_ = battery_ = nullptr;
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
        addTouchpadsAndMotion(content);
        addOutputs(content);
        addIdentity(content);
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

void DeviceWindow::addTouchpadsAndMotion(QWidget *content)
{
    const int touchpadCount = std::min(device_->TouchpadCount(), mostTouchpads);
    if (touchpadCount > 0) {
        auto *layout = new QHBoxLayout(section(content, DeviceWindowText::TouchpadsTitle));
        for (int index = 0; index < touchpadCount; ++index) {
            auto *view =
                new TouchpadView(DeviceWindowText::TouchpadName.text().replace(
                                     QLatin1String("%NUMBER%"), QString::number(index + 1)),
                                 content);
            layout->addWidget(view);
            touchpads_.emplace_back(view, index);
        }
        layout->addStretch();
    }
    GameInputMotion motion;
    if (!device_->ReadMotion(motion))
        return;
    auto *layout = new QVBoxLayout(section(content, DeviceWindowText::MotionTitle));
    const auto addReadout = [content, layout](const LocalizedTextConstant &name) {
        auto *readout = new TextReadout(name.text(), content);
        layout->addWidget(readout);
        return readout;
    };
    if (motion.gyroscope) {
        rotation_ = addReadout(DeviceWindowText::GyroscopeName);
        drift_ = addReadout(DeviceWindowText::DriftName);
    }
    if (motion.accelerometer)
        acceleration_ = addReadout(DeviceWindowText::AccelerometerName);
}

void DeviceWindow::addOutputs(QWidget *content)
{
    QGroupBox *box = section(content, DeviceWindowText::OutputsTitle);
    auto *layout = new QVBoxLayout(box);
    using Request = QString (*)(GameInputDevice *);
    struct Control {
        const LocalizedTextConstant &caption;
        Request request;
    };
    // A row of controls under its label, each disabled, saying why, where the
    // device lacks what it asks for.
    const auto addRow = [&](const LocalizedTextConstant &label, bool GameInputOutputs::*available,
                            const LocalizedTextConstant &lacking, const QString &description,
                            std::initializer_list<Control> controls) {
        layout->addWidget(new QLabel(label.text(), box));
        auto *row = new QHBoxLayout;
        for (const Control &control : controls) {
            auto *button = new QPushButton(control.caption.text(), box);
            button->setObjectName(
                QLatin1String(control.caption.key).mid(QLatin1String("DeviceWindow.").size()));
            outputButtons_.push_back({button, available, &lacking, description});
            connect(button, &QPushButton::clicked, this, [this, request = control.request] {
                if (!device_)
                    return;
                outputsUsed_ = true;
                ask(request(device_));
            });
            row->addWidget(button);
        }
        row->addStretch();
        layout->addLayout(row);
    };
    using namespace DeviceWindowText;
    const QString aSecond = RumbleDescription.text();
    addRow(RumbleLabel, &GameInputOutputs::rumble, NoRumbleText, aSecond,
           {{LowMotorCaption,
             [](GameInputDevice *device) {
                 return device->Rumble(fullStrength, 0, outputMs);
             }},
            {HighMotorCaption,
             [](GameInputDevice *device) {
                 return device->Rumble(0, fullStrength, outputMs);
             }},
            {BothMotorsCaption, [](GameInputDevice *device) {
                 return device->Rumble(fullStrength, fullStrength, outputMs);
             }}});
    addRow(TriggerRumbleLabel, &GameInputOutputs::triggerRumble, NoTriggerRumbleText, aSecond,
           {{LeftTriggerCaption,
             [](GameInputDevice *device) {
                 return device->RumbleTriggers(fullStrength, 0, outputMs);
             }},
            {RightTriggerCaption, [](GameInputDevice *device) {
                 return device->RumbleTriggers(0, fullStrength, outputMs);
             }}});
    addRow(LightLabel, &GameInputOutputs::light, NoLightText, QString(),
           {{RedCaption,
             [](GameInputDevice *device) {
                 return device->SetLight(255, 0, 0);
             }},
            {GreenCaption,
             [](GameInputDevice *device) {
                 return device->SetLight(0, 255, 0);
             }},
            {BlueCaption,
             [](GameInputDevice *device) {
                 return device->SetLight(0, 0, 255);
             }},
            {WhiteCaption,
             [](GameInputDevice *device) {
                 return device->SetLight(255, 255, 255);
             }},
            {OffCaption, [](GameInputDevice *device) {
                 return device->SetLight(0, 0, 0);
             }}});
    refusal_ = new QLabel(box);
    refusal_->setObjectName(QStringLiteral("Refusal"));
    refusal_->setTextFormat(Qt::PlainText);
    refusal_->setWordWrap(true);
    refusal_->hide();
    layout->addWidget(refusal_);
    followOutputs();
}

void DeviceWindow::followOutputs()
{
    const GameInputOutputs outputs = connected_ ? device_->Outputs() : GameInputOutputs();
    for (const OutputButton &output : outputButtons_) {
        const bool available = outputs.*output.available;
        const QString why =
            connected_ ? output.lacking->text() : DeviceWindowText::UnpluggedText.text();
        output.button->setEnabled(available);
        output.button->setToolTip(available ? QString() : why);
        output.button->setAccessibleDescription(available ? output.description : why);
    }
}

void DeviceWindow::ask(const QString &refusal)
{
    refusal_->setText(refusal.isNull() ? QString()
                                       : DeviceWindowText::RefusedText.text().replace(
                                             QLatin1String("%REASON%"), singleLine(refusal)));
    refusal_->setVisible(!refusal.isNull());
}

void DeviceWindow::addIdentity(QWidget *content)
{
    QGroupBox *box = section(content, DeviceWindowText::IdentityTitle);
    auto *layout = new QFormLayout(box);
    for (const auto &[label, value] : identityFacts(shownName(device_), device_->Identity())) {
        // Read-only fields: long values scroll in them, the window keeps its width.
        auto *field = new QLineEdit(value, box);
        field->setReadOnly(true);
        field->setCursorPosition(0);
        layout->addRow(label, field);
        if (label == DeviceWindowText::ConnectionLabel.text())
            connection_ = field;
        else if (label == DeviceWindowText::BatteryLabel.text())
            battery_ = field;
    }
    auto *copy = new QPushButton(DeviceWindowText::CopyCaption.text(), box);
    copy->setObjectName(QStringLiteral("CopyIdentity"));
    copy->setAccessibleDescription(DeviceWindowText::CopyDescription.text());
    copy->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(copy, &QPushButton::clicked, this, [this] {
        if (!device_)
            return;
        QString text;
        for (const auto &[label, value] : identityFacts(shownName(device_), device_->Identity()))
            text += label + QLatin1String(": ") + value + QLatin1Char('\n');
        QGuiApplication::clipboard()->setText(text);
    });
    layout->addRow(copy);
}

void DeviceWindow::followTick()
{
    for (std::size_t index = 0; index < reaches_.size(); ++index)
        reaches_[index] = tester_->reach(static_cast<int>(index));
    // Numbers a person reads, not a picture: each shows the peak since the
    // tick before, so that a flick shows all the same.
    GameInputMotion motion;
    if (device_ && (rotation_ || acceleration_) && device_->ReadMotion(motion)) {
        using namespace DeviceWindowText;
        if (rotation_) {
            rotation_->show(threeValues(RotationReading, motion.rotation, 1));
            drift_->show(motion.still ? threeValues(RotationReading, motion.drift, 2)
                                      : NotStillText.text());
        }
        if (acceleration_)
            acceleration_->show(threeValues(AccelerationReading, motion.acceleration, 2));
    }
    // What may change while plugged in, read anew once a second.
    if (device_ && (connection_ || battery_) && ++ticks_ % 10 == 0) {
        const GameInputIdentity identity = device_->Identity();
        if (connection_ && connection_->text() != connectionText(identity.connection))
            connection_->setText(connectionText(identity.connection));
        if (battery_ && battery_->text() != batteryText(identity.battery))
            battery_->setText(batteryText(identity.battery));
    }
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
    if (device_ && device_->Connected() != connected_) {
        // Unplugged, it shows its last state; nothing it was asked for can
        // go on, or be stopped.
        connected_ = !connected_;
        outputsUsed_ = outputsUsed_ && connected_;
        showDeviceName();
        followOutputs();
    }
    if (device_) {
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
        for (const auto &[view, index] : touchpads_) {
            std::vector<GameInputFinger> fingers;
            moved = (device_->ReadTouchpad(index, fingers) && view->show(fingers)) || moved;
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
    letGoOfDevice();
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
