#include "app/Menu.h"

#include "app/App.h"
#include "base/LocalizedText.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace {

// Cut, Copy, Paste and Clear act on the focused control when it is a text
// field (the program's windows have no multi-line text to edit), and do
// nothing otherwise.
void editFocusedWidget(const QString &command)
{
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (!field)
        return;
    if (command == QLatin1String("EditCut"))
        field->cut();
    else if (command == QLatin1String("EditCopy"))
        field->copy();
    else if (command == QLatin1String("EditPaste"))
        field->paste();
    else if (command == QLatin1String("EditClear"))
        field->del();
}

// `text` with an access key: its first letter or digit that none of the
// entries beside it has as theirs, so that none clash in any language. Menu
// texts carry no "&" of their own.
QString withAccessKey(const QString &text, const QList<QAction *> &neighbours)
{
    QString taken;
    for (const QAction *neighbour : neighbours) {
        const QString neighbourText = neighbour->text();
        if (const qsizetype at = neighbourText.indexOf(QLatin1Char('&')); at >= 0)
            taken += neighbourText.mid(at + 1, 1).toLower();
    }
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at].isLetterOrNumber() && !taken.contains(text[at].toLower()))
            return QString(text).insert(at, QLatin1Char('&'));
    }
    return text;
}

} // namespace

Menu::Menu()
{
    setObjectName(QStringLiteral("Menu"));
    Untitled1();
    ViewMenu();
    Untitled2();
    // F10 opens the first menu, as on other desktops' menu bars.
    auto *firstMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(firstMenu, &QShortcut::activated, this,
            [this] { setActiveAction(actions().value(0)); });
}

Menu *Menu::instance()
{
    return existing() ? existing() : hold(new Menu);
}

void Menu::Untitled1()
{
    addTitle("Edit", CommonMenuModuleText::EditText.text());
    addItem("Edit", "EditCut", CommonMenuModuleText::EditCutText.text(),
            QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem("Edit", "EditCopy", CommonMenuModuleText::EditCopyText.text(),
            QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem("Edit", "EditPaste", CommonMenuModuleText::EditPasteText.text(),
            QKeySequence(Qt::CTRL | Qt::Key_V));
    addItem("Edit", "EditClear", CommonMenuModuleText::EditClearText.text(), {});
}

void Menu::ViewMenu()
{
    addTitle("View", CommonMenuModuleText::ViewText.text());
    addItem("View", "ViewDevice", CommonMenuModuleText::ViewDeviceText.text(),
            QKeySequence(Qt::CTRL | Qt::Key_D));
}

void Menu::Untitled2()
{
    addTitle("Help", CommonMenuModuleText::HelpText.text());
    addItem("Help", "HelpWebsite", CommonMenuModuleText::HelpWebsiteText.text(), {});
    addItem("Help", "HelpContact", CommonMenuModuleText::HelpContactText.text(), {});
    addItem("Help", "HelpDocumentation", CommonMenuModuleText::HelpDocumentationText.text(), {});
    addItem("Help", "HelpTranslate", CommonMenuModuleText::HelpTranslateText.text(), {});
    findChild<QMenu *>(QStringLiteral("Help"))->addSeparator()->setEnabled(false);
    addItem("Help", "ApplePreferences", CommonMenuModuleText::ApplePreferencesText.text(), {},
            QAction::PreferencesRole);
    // The desktop's own Quit shortcut: Ctrl+Q on Linux, Cmd+Q on macOS.
    addItem("Help", "AppleQuit", CommonMenuModuleText::AppleQuitText.text(), QKeySequence::Quit,
            QAction::QuitRole);
    addItem("Help", "AppleAbout", CommonMenuModuleText::AppleAboutText.text(), {},
            QAction::AboutRole);
}

QMenu *Menu::addTitle(const char *name, const QString &text)
{
    auto *menu = new QMenu(withAccessKey(text, actions()), this);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    addMenu(menu);
    return menu;
}

QAction *Menu::addItem(const char *menuName, const char *name, const QString &text,
                       const QKeySequence &shortcut, QAction::MenuRole role)
{
    QMenu *menu = findChild<QMenu *>(QLatin1String(menuName));
    QAction *action = menu->addAction(withAccessKey(text, menu->actions()));
    const QString itemName = QLatin1String(name);
    action->setObjectName(itemName);
    action->setShortcut(shortcut);
    action->setMenuRole(role);
    connect(action, &QAction::triggered, this, [itemName] {
        if (!App::instance()->handleMenuCommand(itemName))
            editFocusedWidget(itemName);
    });
    return action;
}
