#include "tester/DeviceReport.h"

#include <QSaveFile>

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

QString shownName(QString deviceName)
{
    for (QChar &character : deviceName) {
        const QChar::Category category = character.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            character = QLatin1Char(' ');
    }
    return deviceName;
}

QString offeredFileName(const QString &shownName)
{
    static const QByteArray extension = ".txt";
    constexpr qsizetype longestFileName = 255;
    QByteArray name = QString(shownName).replace(QLatin1Char('/'), QLatin1Char('_')).toUtf8();
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
