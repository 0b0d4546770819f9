#include "tester/DeviceReport.h"

#include "base/LocalizedText.h"

#include <QSaveFile>

#include <algorithm>

namespace DeviceReport {

QString reportLine(const Row &row)
{
    return row.element + QStringLiteral(" : Minimum = ") + row.minimum +
           QStringLiteral(", Default = ") + row.now + QStringLiteral(", Maximum = ") + row.maximum;
}

QByteArray reportContent(const QString &deviceName, const QList<Row> &rows)
{
    QByteArray content = deviceName.toUtf8();
    content += "\n\n";
    for (const Row &row : rows) {
        content += reportLine(row).toUtf8();
        content += '\n';
    }
    return content;
}

bool writeReport(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Flushed here because commit() does not report a failed final flush: it
    // would put a truncated file in place and call it a success.
    if (file.write(content) != content.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString oneLine(const QString &text, bool dropFormatCharacters)
{
    QString line;
    line.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        switch (QChar::category(character)) {
        case QChar::Other_Format:
            if (!dropFormatCharacters)
                line += QLatin1Char(' ');
            break;
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            line += QLatin1Char(' ');
            break;
        default:
            line += QString::fromUcs4(&character, 1);
        }
    }
    return line;
}

QString shownName(const QString &deviceName, std::uint16_t vendorId, std::uint16_t productId)
{
    const QString shown = oneLine(deviceName, true);
    const bool nothingToSee = std::all_of(shown.cbegin(), shown.cend(), [](QChar character) {
        return character == QLatin1Char('.') || character.category() == QChar::Separator_Space;
    });
    if (!nothingToSee)
        return shown;
    return MainWindowText::UnnamedDeviceText.text().replace(
        QLatin1String("%USBID%"), QStringLiteral("%1-%2")
                                      .arg(vendorId, 4, 16, QLatin1Char('0'))
                                      .arg(productId, 4, 16, QLatin1Char('0')));
}

QString offeredFileName(const QString &shownName)
{
    static const QByteArray extension = ".txt";
    constexpr qsizetype longestFileName = 255;
    QByteArray name = QString(shownName).replace(QLatin1Char('/'), QLatin1Char('_')).toUtf8();
    qsizetype dots = 0;
    while (dots < name.size() && name[dots] == '.')
        ++dots;
    name.remove(0, dots);
    if (name.size() + extension.size() > longestFileName) {
        qsizetype end = longestFileName - extension.size();
        // Back to the first byte of the character that would be cut.
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
            --end;
        name.truncate(end);
    }
    return QString::fromUtf8(name + extension);
}

QString withDeviceName(QString message, const QString &deviceName)
{
    static const QString placeholder = QStringLiteral("%DEVICENAME%");
    const qsizetype at = message.indexOf(placeholder);
    if (at >= 0)
        message.replace(at, placeholder.size(), deviceName);
    return message;
}

} // namespace DeviceReport
