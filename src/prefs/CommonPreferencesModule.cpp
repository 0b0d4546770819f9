#include "prefs/CommonPreferencesModule.h"

#include "base/ValueText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <string_view>

namespace CommonPreferencesModule {

namespace {

constexpr qint64 maximumFileLength = 64 * 1024;

std::optional<QHash<QString, QString>> dictionary_;
bool isFileLoaded_ = false;

// Calls `deliver` with each line of `text`, without its LF or CR. A CR LF
// pair gives an empty line between the two, and a final line break one after
// it; an empty line carries no entry.
template <typename Deliver> void forEachLine(QStringView text, Deliver deliver)
{
    qsizetype start = 0;
    const qsizetype length = text.size();
    for (qsizetype position = 0; position < length; ++position) {
        const QChar c = text.at(position);
        if (c != u'\n' && c != u'\r')
            continue;
        deliver(text.mid(start, position - start));
        start = position + 1;
    }
    deliver(text.mid(start));
}

} // namespace

std::optional<Entry> parseLine(QStringView line)
{
    if (line.isEmpty() || line.front() == u'#')
        return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return Entry{QString(), line.trimmed().toString()};
    return Entry{line.left(equals).trimmed().toString(), line.mid(equals + 1).trimmed().toString()};
}

void loadFile(const QString &path)
{
    isFileLoaded_ = false;
    if (path.isEmpty())
        return;
    // Only a regular file: a pipe or a device would block or never end.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Our own file is a few lines; a longer one is not ours, and reading it
    // whole would only cost time and memory.
    const QByteArray bytes = file.read(maximumFileLength + 1);
    if (bytes.size() > maximumFileLength)
        return;
    if (!dictionary_)
        dictionary_.emplace();

    // The decoder drops the byte order mark some editors write, which is no
    // part of the first key.
    const QString text = QString::fromUtf8(bytes);
    forEachLine(text, [](QStringView line) {
        if (std::optional<Entry> entry = parseLine(line))
            dictionary_->insert(entry->key, entry->value);
    });
    isFileLoaded_ = file.error() == QFileDevice::NoError;
}

bool isFileLoaded()
{
    return isFileLoaded_;
}

bool isValueOfVariableDefined(const QString &key)
{
    if (!dictionary_)
        return false;
    const auto found = dictionary_->constFind(key);
    return found != dictionary_->cend() && !found->isEmpty();
}

bool getBooleanOfVariable(const QString &key)
{
    if (!dictionary_)
        return false;
    return dictionary_->value(key) == QLatin1String("True");
}

double getDoubleOfVariable(const QString &key)
{
    if (!dictionary_)
        return 0.0;
    const auto found = dictionary_->constFind(key);
    return found != dictionary_->cend() ? doubleFromText(*found) : 0.0;
}

double doubleFromText(const QString &text)
{
    // Characters beyond Latin-1 become "?", which ends a number like any other.
    const QByteArray latin = text.trimmed().toLatin1();
    std::string_view number(latin.constData(), static_cast<std::size_t>(latin.size()));
    if (number.size() > 1 && number[0] == '+' && number[1] != '-' && number[1] != '+')
        number.remove_prefix(1);
    return number.empty() ? 0.0 : ValueText::decimalValue(number);
}

QString getStringFromBoolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void release()
{
    dictionary_.reset();
}

} // namespace CommonPreferencesModule
