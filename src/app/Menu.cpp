#include "app/Menu.h"

namespace {
Menu *menuInstance = nullptr;
} // namespace

Menu::Menu()
{
    setObjectName(QStringLiteral("Menu"));
}

Menu *Menu::instance()
{
    if (!menuInstance)
        menuInstance = new Menu;
    return menuInstance;
}

void Menu::release()
{
    delete menuInstance;
    menuInstance = nullptr;
}
