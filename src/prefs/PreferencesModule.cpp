#include "prefs/PreferencesModule.h"

#include "base/ApplicationServices.h"
#include "base/Shell.h"
#include "base/ValueText.h"
#include "prefs/CommonPreferencesModule.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace PreferencesModule {

std::int32_t mainWindowLeft = -1;
std::int32_t mainWindowTop = -1;
std::int32_t mainWindowWidth = -1;
std::int32_t mainWindowHeight = -1;
bool checkForUpdate = false;
bool resetPreferences = false;

namespace {

const QString folderMissingMessage = QStringLiteral("The \"Preferences\" folder does not exist.");
const QString fileMissingMessage = QStringLiteral("The preferences file does not exist.");
const QString fileNotCreatedMessage = QStringLiteral("The preferences file could not be created.");

// Creates `path` and any missing folders above it, each readable by its
// owner only, as the XDG base-directory rules ask.
bool makePrivateFolder(const QString &path)
{
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    QStringList missing;
    QString existing = absolute;
    while (!QFileInfo::exists(existing)) {
        missing.prepend(existing);
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return false;
        existing = parent;
    }
    constexpr QFileDevice::Permissions ownerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    for (const QString &folder : missing) {
        if (!QDir().mkdir(folder, ownerOnly))
            return false;
    }
    return QFileInfo(absolute).isDir();
}

// The preferences file inside `folder`, named after the application; empty
// when the name cannot make a file name there.
QString preferencesFilePath(const QString &folder)
{
    const QString name = ApplicationNameMBS(qApp);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(u'/') || name.contains(QChar(0)))
        return QString();
    return QDir(folder).filePath(name);
}

// Marks the open file with its type and creator where the file system takes
// extended attributes; where it does not, the file simply goes without.
void stampFileCodes(QFileDevice &file)
{
#ifdef Q_OS_LINUX
    const int descriptor = file.handle();
    if (descriptor < 0)
        return;
    const QByteArray creator = ApplicationCreatorCodeMBS(qApp).toUtf8();
    ::fsetxattr(descriptor, fileTypeAttribute, fileType, qstrlen(fileType), 0);
    ::fsetxattr(descriptor, creatorAttribute, creator.constData(),
                static_cast<size_t>(creator.size()), 0);
#else
    Q_UNUSED(file);
#endif
}

std::int32_t storedGeometry(const QString &key)
{
    if (!CommonPreferencesModule::isValueOfVariableDefined(key))
        return -1;
    return ValueText::clampToInt32(CommonPreferencesModule::getDoubleOfVariable(key), -1);
}

} // namespace

QString preferencesFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return QString();
    if (QFileInfo(folder).isDir())
        return folder;
    return makePrivateFolder(folder) ? folder : QString();
}

QByteArray preferencesContent()
{
    const QString lines[] = {
        QStringLiteral("APPLICATIONNAME = ") + ApplicationNameMBS(qApp),
        QStringLiteral("APPLICATIONVERSION = ") + applicationVersionText(),
        QStringLiteral("MAINWINDOWLEFT = ") + QString::number(mainWindowLeft),
        QStringLiteral("MAINWINDOWTOP = ") + QString::number(mainWindowTop),
        QStringLiteral("MAINWINDOWWIDTH = ") + QString::number(mainWindowWidth),
        QStringLiteral("MAINWINDOWHEIGHT = ") + QString::number(mainWindowHeight),
        QStringLiteral("CHECKFORUPDATE = ") +
            CommonPreferencesModule::getStringFromBoolean(checkForUpdate),
    };
    QByteArray content;
    for (const QString &line : lines) {
        content += line.toUtf8();
        content += '\n';
    }
    return content;
}

void loadPreferences()
{
    const QString folder = preferencesFolder();
    if (folder.isEmpty())
        Shell::instance()->displayMessage(folderMissingMessage);
    else
        CommonPreferencesModule::loadFile(preferencesFilePath(folder));

    mainWindowLeft = storedGeometry(QStringLiteral("MAINWINDOWLEFT"));
    mainWindowTop = storedGeometry(QStringLiteral("MAINWINDOWTOP"));
    mainWindowWidth = storedGeometry(QStringLiteral("MAINWINDOWWIDTH"));
    mainWindowHeight = storedGeometry(QStringLiteral("MAINWINDOWHEIGHT"));

    const QString updateKey = QStringLiteral("CHECKFORUPDATE");
    checkForUpdate = CommonPreferencesModule::isValueOfVariableDefined(updateKey) &&
                     CommonPreferencesModule::getBooleanOfVariable(updateKey);
}

void savePreferences()
{
    Shell *shell = Shell::instance();
    const QString folder = preferencesFolder();
    if (folder.isEmpty()) {
        shell->displayMessage(folderMissingMessage);
        return;
    }
    const QString path = preferencesFilePath(folder);
    if (path.isEmpty()) {
        shell->displayMessage(fileMissingMessage);
        return;
    }

    // The new content goes to a temporary file that replaces the earlier one
    // only once every byte is written: a failure never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        shell->displayMessage(fileNotCreatedMessage);
        return;
    }
    stampFileCodes(file);
    const QByteArray content = resetPreferences ? QByteArray() : preferencesContent();
    // Flushed here because commit() does not report a failed final flush: it
    // would put a truncated file in place and call it a success.
    if (file.write(content) != content.size() || !file.flush()) {
        file.cancelWriting();
        shell->displayMessage(fileNotCreatedMessage);
        return;
    }
    if (!file.commit())
        shell->displayMessage(fileNotCreatedMessage);
}

} // namespace PreferencesModule
