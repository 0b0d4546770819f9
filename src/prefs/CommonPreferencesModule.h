#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Reads files of "key = value" lines into a process-wide table and answers
// typed questions about it. Only reads: the application writes its own file.
// Main thread only.
namespace CommonPreferencesModule {

struct Entry {
    QString key;
    QString value;
};

// What one line of a file contributes: nothing for an empty line or a line
// whose very first character is "#"; otherwise the trimmed text before the
// first "=" as key and the trimmed rest as value. A line without "=" gives
// the empty key with the whole trimmed line as value.
std::optional<Entry> parseLine(QStringView line);

// Adds the entries of the file at `path` to the table, later lines replacing
// earlier ones. An empty path, a missing or unreadable file, a file over
// 64 KiB, or anything that is not a regular file loads nothing and says
// nothing. Lines may end in LF, CR LF or CR; the text is UTF-8.
void loadFile(const QString &path);

// True when the last loadFile read its file to the end.
bool isFileLoaded();

// True when the table holds `key` with a non-empty value.
bool isValueOfVariableDefined(const QString &key);

// True only when the table holds `key` with the value "True", so spelled.
bool getBooleanOfVariable(const QString &key);

// The value of `key` as a number; 0.0 when there is no table or no such key.
double getDoubleOfVariable(const QString &key);

// The leading number of a text: "inf" and "nan" are numbers, overflow gives
// an infinity, a text that starts with no number gives 0.0. Only "." is a
// decimal separator. Never fails.
double doubleFromText(const QString &text);

// "True" or "False", the words the reader understands.
QString getStringFromBoolean(bool value);

// Discards the table; the next loadFile starts a new one.
void release();

} // namespace CommonPreferencesModule
