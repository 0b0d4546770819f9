#include "tester/MainWindow.h"

#include "base/Anchors.h"
#include "base/ApplicationServices.h"
#include "base/GameInput.h"
#include "base/LayoutText.h"
#include "base/LocalizedText.h"
#include "base/Seams.h"
#include "base/Shell.h"
#include "base/SystemFont.h"
#include "base/ValueText.h"
#include "prefs/PreferencesModule.h"
#include "tester/DeviceReport.h"
#include "tester/DeviceWindow.h"
#include "tester/ElementReach.h"
#include "tester/RangeBarDelegate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr QSize designSize(350, 400);
constexpr int largestSize = 32767;
constexpr int valueColumnWidth = 60;

// `window` made to lie wholly within `available`: no larger, down to
// `minimum`, and moved onto it.
QRect fittedInto(QRect window, const QRect &available, const QSize &minimum)
{
    window.setSize(window.size().boundedTo(available.size()).expandedTo(minimum));
    window.moveLeft(std::clamp(window.left(), available.left(),
                               std::max(available.left(), available.right() + 1 - window.width())));
    window.moveTop(std::clamp(window.top(), available.top(),
                              std::max(available.top(), available.bottom() + 1 - window.height())));
    return window;
}

} // namespace

MainWindow *MainWindow::instance()
{
    // Held before it opens, so that a quit asked while the window opens finds
    // this window instead of making another one.
    if (!existing())
        hold(new MainWindow)->Event_Open();
    return existing();
}

MainWindow::MainWindow()
{
    Layout();
    CreateControls();
}

MainWindow::~MainWindow()
{
    // The menu bar outlives the window: it goes back before the window's
    // children are deleted.
    Shell::instance()->takeMenuBarBack(this);
    // The Device window lets go of its device while the device is there.
    delete DeviceWindow::existing();
    deviceElement_.clear();
    gameInputManager_.reset();
}

void MainWindow::Layout()
{
    // Closing the window ends the program, which deletes it once the event
    // loop is over (release()). Deleting it at close could pull it from under
    // a handler still waiting in a dialog of the desktop's own.
    setObjectName(QStringLiteral("MainWindow"));
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("MainWindowContent"));
    content_->setMinimumSize(designSize);
    content_->setMaximumSize(largestSize, largestSize);
    setCentralWidget(content_);
    // The application's menu bar sits in the tester window where the desktop
    // has no menu bar of its own.
    Shell::instance()->lendMenuBar(this);
    resize(designSize);
}

void MainWindow::CreateControls()
{
    auto *anchors = new Anchors(content_, designSize);
    const QFont font12 = systemFont(12);

    selectStaticText_ = new QLabel(content_);
    selectStaticText_->setObjectName(QStringLiteral("SelectStaticText"));
    selectStaticText_->setFont(font12);
    selectStaticText_->setText(withLineBreaks(MainWindowText::SelectStaticTextText.text()));
    selectStaticText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    selectStaticText_->setWordWrap(true);
    makeLayoutText(selectStaticText_);
    anchors->add(selectStaticText_, QRect(10, 10, 330, 20),
                 Anchors::Left | Anchors::Top | Anchors::Right);

    mainPopupMenu_ = new QComboBox(content_);
    mainPopupMenu_->setObjectName(QStringLiteral("MainPopupMenu"));
    mainPopupMenu_->setFont(font12);
    anchors->add(mainPopupMenu_, QRect(10, 40, 330, 20),
                 Anchors::Left | Anchors::Top | Anchors::Right);
    connect(mainPopupMenu_, &QComboBox::currentIndexChanged, this,
            &MainWindow::MainPopupMenu_Change);
    // The label names the popup, for a screen reader too.
    selectStaticText_->setBuddy(mainPopupMenu_);

    mainListBox_ = new QTreeWidget(content_);
    mainListBox_->setObjectName(QStringLiteral("MainListBox"));
    mainListBox_->setFont(font12);
    mainListBox_->setAccessibleName(MainWindowText::MainListBoxAccessibleName.text());
    anchors->add(mainListBox_, QRect(10, 70, 330, 240),
                 Anchors::Left | Anchors::Top | Anchors::Right | Anchors::Bottom);
    MainListBox_Open();

    instructionsStaticText_ = new QLabel(content_);
    instructionsStaticText_->setObjectName(QStringLiteral("InstructionsStaticText"));
    instructionsStaticText_->setFont(systemFont(10));
    instructionsStaticText_->setText(
        withLineBreaks(MainWindowText::InstructionsStaticTextText.text()));
    instructionsStaticText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructionsStaticText_->setWordWrap(true);
    makeLayoutText(instructionsStaticText_);
    anchors->add(instructionsStaticText_, QRect(10, 320, 330, 40),
                 Anchors::Left | Anchors::Right | Anchors::Bottom);

    savePushButton_ = new QPushButton(content_);
    savePushButton_->setObjectName(QStringLiteral("SavePushButton"));
    savePushButton_->setFont(font12);
    savePushButton_->setText(MainWindowText::SavePushButtonCaption.text());
    savePushButton_->setDefault(true);
    savePushButton_->setAccessibleDescription(
        MainWindowText::SavePushButtonAccessibleDescription.text());
    anchors->add(savePushButton_, QRect(240, 370, 100, 20), Anchors::Right | Anchors::Bottom);
    connect(savePushButton_, &QPushButton::clicked, this, &MainWindow::SavePushButton_Action);

    mainTimer_ = new QTimer(this);
    mainTimer_->setObjectName(QStringLiteral("MainTimer"));
    mainTimer_->setInterval(100);
    connect(mainTimer_, &QTimer::timeout, this, &MainWindow::MainTimer_Action);
}

void MainWindow::MainListBox_Open()
{
    mainListBox_->setColumnCount(4);
    mainListBox_->setRootIsDecorated(false);
    mainListBox_->setItemsExpandable(false);
    mainListBox_->setUniformRowHeights(true);
    mainListBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    mainListBox_->setSortingEnabled(false);
    mainListBox_->setDragEnabled(false);
    mainListBox_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mainListBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mainListBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Behind the values, how much of its scale each element has covered.
    mainListBox_->setItemDelegate(new RangeBarDelegate(mainListBox_));

    QHeaderView *header = mainListBox_->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column <= 3; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, valueColumnWidth);
    }

    QTreeWidgetItem *headings = mainListBox_->headerItem();
    headings->setText(0, MainWindowText::MainListBoxHeading0.text());
    headings->setText(1, MainWindowText::MainListBoxHeading1.text());
    headings->setText(2, MainWindowText::MainListBoxHeading2.text());
    headings->setText(3, MainWindowText::MainListBoxHeading3.text());
    headings->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 1; column <= 3; ++column)
        headings->setTextAlignment(column, Qt::AlignCenter);
}

void MainWindow::Event_Open()
{
    setWindowTitle(ApplicationNameMBS(qApp));

    // Each stored value applies by itself; -1 leaves the designed one. A lone
    // coordinate waits until the toolkit (or the window manager) has placed
    // the window, so that the other one stays where it put it. Where the
    // desktop places windows itself, the stored place is left as it is.
    const bool placeable = platformPlacesWindows();
    storedLeft_ = placeable ? PreferencesModule::mainWindowLeft : -1;
    storedTop_ = placeable ? PreferencesModule::mainWindowTop : -1;
    const bool placeStored = storedLeft_ != -1 && storedTop_ != -1;
    // Width and height are the content's, without the menu bar; each within
    // the content's limits before the frame is added, so nothing overflows.
    layout()->activate();
    const QSize around = size() - content_->size();
    QSize contentSize = content_->size();
    if (PreferencesModule::mainWindowWidth != -1)
        contentSize.setWidth(std::clamp(PreferencesModule::mainWindowWidth,
                                        content_->minimumWidth(), content_->maximumWidth()));
    if (PreferencesModule::mainWindowHeight != -1)
        contentSize.setHeight(std::clamp(PreferencesModule::mainWindowHeight,
                                         content_->minimumHeight(), content_->maximumHeight()));
    // The stored place and size were right on the screen of the day, which may
    // since have been unplugged or made smaller: the window opens wholly on
    // the screen it opens on. The frame the window manager adds is known once
    // the window shows (fitOnScreen()).
    const QScreen *screen =
        placeStored ? QGuiApplication::screenAt({storedLeft_, storedTop_}) : nullptr;
    if (!screen)
        screen = this->screen();
    const QRect fitted = fittedInto(QRect(QPoint(storedLeft_, storedTop_), contentSize + around),
                                    screen->availableGeometry(), minimumSize());
    resize(fitted.size());
    if (placeStored)
        move(fitted.topLeft());
}

void MainWindow::startGameInput()
{
    Shell *shell = Shell::instance();
    gameInputManager_ = shell->seams().createGameInputManager();
    if (!gameInputManager_) {
        shell->displayMessage(QStringLiteral("The GameInputManager could not be created."));
        shell->quitApplication();
        return;
    }

    followDevices();
    mainTimer_->start();
}

void MainWindow::followDevices()
{
    // Adding the first row would select it: the user picks the device. Rows
    // are only added or renamed, so the selected row stays the same.
    const QSignalBlocker blocker(mainPopupMenu_);
    const int selected = mainPopupMenu_->currentIndex();
    const std::int32_t deviceCount = gameInputManager_->DeviceCount();
    for (std::int32_t deviceIndex = 0; deviceIndex < deviceCount; ++deviceIndex) {
        const GameInputDevice *device = gameInputManager_->Device(deviceIndex);
        // A device keeps its index and its name: each is named once. Twins
        // are told apart by number, the first keeping the plain name.
        if (static_cast<std::size_t>(deviceIndex) >= deviceNames_.size()) {
            const QString plain =
                device ? DeviceReport::shownName(device->Name(), device->Identity().vendorId,
                                                 device->Identity().productId)
                       : QString();
            const auto twins =
                std::count(plainDeviceNames_.begin(), plainDeviceNames_.end(), plain);
            plainDeviceNames_.push_back(plain);
            deviceNames_.push_back(twins ? plain + QStringLiteral(" #%1").arg(twins + 1) : plain);
        }
        const QString &name = deviceNames_[static_cast<std::size_t>(deviceIndex)];
        const QString rowText =
            !device || device->Connected()
                ? name
                : DeviceReport::withDeviceName(MainWindowText::DisconnectedDeviceText.text(), name);
        if (deviceIndex >= mainPopupMenu_->count())
            mainPopupMenu_->addItem(rowText, name);
        else if (mainPopupMenu_->itemText(deviceIndex) != rowText)
            mainPopupMenu_->setItemText(deviceIndex, rowText);
    }
    mainPopupMenu_->setCurrentIndex(selected);
}

void MainWindow::MainPopupMenu_Change()
{
    const auto announce = qScopeGuard([this] { emit pickedDeviceChanged(); });
    deviceElement_.clear();
    mainListBox_->clear();

    const int deviceIndex = mainPopupMenu_->currentIndex();
    if (deviceIndex < 0 || !gameInputManager_)
        return;
    GameInputDevice *device = gameInputManager_->Device(deviceIndex);
    if (!device)
        return;
    const std::int32_t elementCount = device->ElementCount();

    QList<QTreeWidgetItem *> rows;
    rows.reserve(elementCount);
    const QString notDone = MainWindowText::ElementNotDoneText.text();
    for (std::int32_t elementIndex = 0; elementIndex < elementCount; ++elementIndex) {
        GameInputElement *element = gameInputManager_->Device(deviceIndex)->Element(elementIndex);
        if (!element)
            break;
        deviceElement_.push_back(element);
        auto *row = new QTreeWidgetItem;
        row->setText(0, element->Name());
        row->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
        // What the element went through before it was picked does not count.
        const GameInputSample sample = element->Sample();
        const QString present = ValueText::integerText(sample.now);
        for (int column = 1; column <= 3; ++column) {
            row->setText(column, present);
            row->setTextAlignment(column, Qt::AlignCenter);
        }
        row->setData(0, ElementReach::KindRole, static_cast<int>(element->Kind()));
        if (element->Kind() == GameInputKind::Hat)
            row->setData(0, ElementReach::SeenBitsRole, static_cast<std::uint32_t>(sample.now));
        row->setData(0, ElementReach::DoneRole, false);
        row->setData(0, Qt::AccessibleDescriptionRole, notDone);
        rows.append(row);
    }
    mainListBox_->addTopLevelItems(rows);
}

GameInputDevice *MainWindow::pickedDevice() const
{
    const int deviceIndex = mainPopupMenu_->currentIndex();
    return deviceIndex >= 0 && gameInputManager_ ? gameInputManager_->Device(deviceIndex) : nullptr;
}

QString MainWindow::pickedDeviceName() const
{
    return mainPopupMenu_->currentData().toString();
}

MainWindow::Reach MainWindow::reach(int index) const
{
    const QTreeWidgetItem *row = mainListBox_->topLevelItem(index);
    if (!row)
        return {};
    return {ValueText::leadingNumber(row->text(1)), ValueText::leadingNumber(row->text(3)),
            row->data(0, ElementReach::SeenBitsRole).toUInt()};
}

bool MainWindow::followReach(QTreeWidgetItem *row, double minimum, double maximum,
                             std::uint32_t bits)
{
    const auto kind = static_cast<GameInputKind>(row->data(0, ElementReach::KindRole).toInt());
    const std::uint32_t seen = row->data(0, ElementReach::SeenBitsRole).toUInt();
    if (kind == GameInputKind::Hat)
        bits |= seen;
    const bool newDirection = kind == GameInputKind::Hat && bits != seen;
    if (newDirection)
        row->setData(0, ElementReach::SeenBitsRole, bits);
    const bool done = ElementReach::done(kind, minimum, maximum, bits);
    if (done != row->data(0, ElementReach::DoneRole).toBool()) {
        row->setData(0, ElementReach::DoneRole, done);
        row->setData(
            0, Qt::AccessibleDescriptionRole,
            (done ? MainWindowText::ElementDoneText : MainWindowText::ElementNotDoneText).text());
    }
    return newDirection;
}

void MainWindow::MainTimer_Action()
{
    followDevices();
    // Min and Max take in every value reported since the last tick, however
    // short it lasted; Now is the value at the tick.
    for (std::size_t index = 0; index < deviceElement_.size(); ++index) {
        QTreeWidgetItem *row = mainListBox_->topLevelItem(static_cast<int>(index));
        if (!row)
            break;
        const GameInputSample sample = deviceElement_[index]->Sample();
        const double lowest = ValueText::narrowTo16Bits(sample.lowest);
        const double highest = ValueText::narrowTo16Bits(sample.highest);

        const double shownMinimum = ValueText::leadingNumber(row->text(1));
        const double minimum = std::min(lowest, shownMinimum);
        row->setText(1, ValueText::realText(minimum));
        const QString now = ValueText::realText(ValueText::narrowTo16Bits(sample.now));
        bool moved = minimum != shownMinimum || now != row->text(2);
        row->setText(2, now);
        const double shownMaximum = ValueText::leadingNumber(row->text(3));
        const double maximum = std::max(highest, shownMaximum);
        row->setText(3, ValueText::realText(maximum));
        moved = followReach(row, minimum, maximum, sample.bits) || moved || maximum != shownMaximum;
        // The row's range bar lies across its three value cells: drawn again whole.
        if (moved)
            mainListBox_->viewport()->update(mainListBox_->visualItemRect(row));
    }
    emit ticked();
}

void MainWindow::SavePushButton_Action()
{
    Shell *shell = Shell::instance();
    // The device's name without the row's note that it is unplugged: what
    // was seen of it is saved all the same.
    const QString deviceName = mainPopupMenu_->currentData().toString();

    const QString path =
        shell->seams().saveFileName(this, DeviceReport::offeredFileName(deviceName));
    // The program was asked to quit while the dialog waited: nothing to save.
    if (shell->isQuitting())
        return;
    if (path.isEmpty()) {
        shell->displayMessage(
            DeviceReport::withDeviceName(MainWindowText::FileNotExistMessage.text(), deviceName));
        return;
    }

    QList<DeviceReport::Row> rows;
    for (int index = 0; index < mainListBox_->topLevelItemCount(); ++index) {
        const QTreeWidgetItem *row = mainListBox_->topLevelItem(index);
        rows.append({row->text(0), row->text(1), row->text(2), row->text(3)});
    }
    const bool written =
        DeviceReport::writeReport(path, DeviceReport::reportContent(deviceName, rows));
    const LocalizedTextConstant &message =
        written ? MainWindowText::FileCreatedMessage : MainWindowText::FileNotCreatedMessage;
    shell->displayMessage(DeviceReport::withDeviceName(message.text(), deviceName));
}

// Each step may run again: the application ends once, however often it is asked.
void MainWindow::Event_Close()
{
    mainTimer_->stop();
    if (DeviceWindow *deviceWindow = DeviceWindow::existing())
        deviceWindow->close();
    deviceElement_.clear();
    gameInputManager_.reset();
    Shell::instance()->quitWithExitCode0();
}

void MainWindow::Event_Moved()
{
    // What such a desktop reports is no place of the user's: the stored one stays.
    if (!platformPlacesWindows())
        return;
    PreferencesModule::mainWindowLeft = pos().x();
    PreferencesModule::mainWindowTop = pos().y();
}

void MainWindow::Event_Resized()
{
    PreferencesModule::mainWindowWidth = content_->width();
    PreferencesModule::mainWindowHeight = content_->height();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Event_Close();
    event->accept();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (shown_)
        Event_Moved();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (shown_)
        Event_Resized();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!shown_)
        windowHandle()->installEventFilter(this);
    shown_ = true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Placed and on the screen: the lone stored coordinate moves the window,
    // and the window with its frame is made to fit the screen. Neither is a
    // move of the user's. Then the game devices are looked for: the window
    // shows first.
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        {
            const QScopedValueRollback<bool> notTheUsers(shown_, false);
            if ((storedLeft_ == -1) != (storedTop_ == -1))
                move(storedLeft_ != -1 ? storedLeft_ : x(), storedTop_ != -1 ? storedTop_ : y());
            if (platformPlacesWindows())
                fitOnScreen();
        }
        startGameInput();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::fitOnScreen()
{
    const QRect frame = frameGeometry();
    const QRect fitted =
        fittedInto(frame, screen()->availableGeometry(), minimumSize() + frame.size() - size());
    if (fitted == frame)
        return;
    resize(fitted.size() - (frame.size() - size()));
    move(fitted.topLeft());
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Save is the window's default button: Return or Enter that no control
    // took presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        savePushButton_->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
