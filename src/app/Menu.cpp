#include "app/Menu.h"

#include "app/App.h"
#include "base/LocalizedText.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

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

} // namespace

Menu::Menu()
{
    setObjectName(QStringLiteral("Menu"));
    Untitled1();
    Untitled2();
}

Menu *Menu::instance()
{
    return existing() ? existing() : hold(new Menu);
}

void Menu::Untitled1()
{
    addTitle("Edit", CommonMenuModuleText::EditText.text());
    addItem("Edit", "EditCut", CommonMenuModuleText::EditCutText.text(), "Ctrl+X");
    addItem("Edit", "EditCopy", CommonMenuModuleText::EditCopyText.text(), "Ctrl+C");
    addItem("Edit", "EditPaste", CommonMenuModuleText::EditPasteText.text(), "Ctrl+V");
    addItem("Edit", "EditClear", CommonMenuModuleText::EditClearText.text(), "");
}

void Menu::Untitled2()
{
    addTitle("Help", CommonMenuModuleText::HelpText.text());
    addItem("Help", "HelpWebsite", CommonMenuModuleText::HelpWebsiteText.text(), "");
    addItem("Help", "HelpContact", CommonMenuModuleText::HelpContactText.text(), "");
    addItem("Help", "HelpDocumentation", CommonMenuModuleText::HelpDocumentationText.text(), "");
    addItem("Help", "HelpTranslate", CommonMenuModuleText::HelpTranslateText.text(), "");
    findChild<QMenu *>(QStringLiteral("Help"))->addSeparator()->setEnabled(false);
    addItem("Help", "ApplePreferences", CommonMenuModuleText::ApplePreferencesText.text(), "",
            QAction::PreferencesRole);
    addItem("Help", "AppleQuit", CommonMenuModuleText::AppleQuitText.text(), "", QAction::QuitRole);
    addItem("Help", "AppleAbout", CommonMenuModuleText::AppleAboutText.text(), "",
            QAction::AboutRole);
}

QMenu *Menu::addTitle(const char *name, const QString &text)
{
    auto *menu = new QMenu(text, this);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    addMenu(menu);
    return menu;
}

QAction *Menu::addItem(const char *menuName, const char *name, const QString &text,
                       const char *shortcut, QAction::MenuRole role)
{
    QMenu *menu = findChild<QMenu *>(QLatin1String(menuName));
    QAction *action = menu->addAction(text);
    const QString itemName = QLatin1String(name);
    action->setObjectName(itemName);
    action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    action->setMenuRole(role);
    connect(action, &QAction::triggered, this, [itemName] {
        if (!App::instance()->handleMenuCommand(itemName))
            editFocusedWidget(itemName);
    });
    return action;
}
