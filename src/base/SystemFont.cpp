#include "base/SystemFont.h"

#include <QApplication>

QFont systemFont(int points, bool bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(points);
    font.setBold(bold);
    return font;
}
