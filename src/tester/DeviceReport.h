#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// The device report: the device's name, an empty line, then one line per
// element with the Min, Now and Max texts of the element list.
namespace DeviceReport {

struct Row {
    QString element;
    QString minimum;
    QString now;
    QString maximum;
};

// One element line, without its line terminator.
QString reportLine(const Row &row);

// The whole file, every line ending in "\n", UTF-8.
QByteArray reportContent(const QString &deviceName, const QList<Row> &rows);

// Writes the content through a temporary file that replaces `path` only when
// every byte is on disk. On failure an earlier file at `path` is untouched.
bool writeReport(const QString &path, const QByteArray &content);

// A device's own text on one line: control characters and line or
// paragraph separators made spaces, format characters (direction overrides,
// zero-width characters, the byte-order mark), which disguise a text,
// dropped or made spaces.
QString oneLine(const QString &text, bool dropFormatCharacters);

// A device's name as the window shows it and the report writes it. Devices
// name themselves: line breaks and other control characters become spaces,
// and format characters (direction overrides, zero-width characters, the
// byte-order mark), which disguise a name, are dropped. A name with nothing
// to see, empty or only dots and spaces of any width, becomes "Game
// controller" and the device's USB vendor and product ids.
QString shownName(const QString &deviceName, std::uint16_t vendorId, std::uint16_t productId);

// The file name offered for a report: the shown name and ".txt", with each
// "/" made "_" so that the name stays one file in the folder the user picks,
// without leading dots, which would hide the file, and cut to the 255 bytes a
// file name may have, on a character boundary.
QString offeredFileName(const QString &shownName);

// Replaces the first "%DEVICENAME%" of a message by the device's name.
QString withDeviceName(QString message, const QString &deviceName);

} // namespace DeviceReport
