#include "app/ExceptionReport.h"

#include <QRegularExpression>

#include <cxxabi.h>
#include <execinfo.h>

#include <cstdlib>
#include <memory>
#include <system_error>

namespace {

// backtrace_symbols gives "binary(mangled+0x12) [0xaddress]"; show the
// function's C++ name where there is one.
QString readableFrame(const char *symbol)
{
    const QString text = QString::fromLocal8Bit(symbol);
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype plus = text.indexOf(QLatin1Char('+'), open);
    if (open < 0 || plus <= open + 1)
        return text;
    const QByteArray mangled = text.mid(open + 1, plus - open - 1).toLocal8Bit();
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled.constData(), nullptr, nullptr, nullptr), &std::free);
    if (!demangled)
        return text;
    return QString::fromLocal8Bit(demangled.get());
}

} // namespace

AppException::AppException(std::int32_t number, QString message)
    : info_{number, std::move(message), currentStack()}
    , what_(info_.message.toStdString())
{
    // The stack starts where the exception was made, not in the code that
    // captured it (which sanitizers may wrap in frames of their own).
    static const QRegularExpression constructorFrame(
        QStringLiteral("AppException::AppException\\(.*"));
    // lastIndexOf() with an expression looks for a whole-entry match.
    const qsizetype constructor = info_.stack.lastIndexOf(constructorFrame);
    info_.stack.remove(0, constructor >= 0 ? constructor + 1 : 1);
}

QStringList currentStack()
{
    constexpr int maximumFrames = 64;
    void *frames[maximumFrames];
    const int count = backtrace(frames, maximumFrames);
    std::unique_ptr<char *, decltype(&std::free)> symbols(backtrace_symbols(frames, count),
                                                          &std::free);
    QStringList stack;
    if (!symbols)
        return stack;
    for (int index = 1; index < count; ++index)
        stack.append(readableFrame(symbols.get()[index]));
    return stack;
}

bool describeException(const std::exception_ptr &exception, const QStringList &catchContext,
                       ExceptionInfo *info)
{
    if (!exception)
        return false;
    try {
        std::rethrow_exception(exception);
    } catch (const AppException &appException) {
        *info = appException.info();
    } catch (const std::system_error &systemError) {
        *info = {systemError.code().value(), QString::fromLocal8Bit(systemError.what()),
                 catchContext};
    } catch (const std::exception &standardException) {
        *info = {0, QString::fromLocal8Bit(standardException.what()), catchContext};
    } catch (...) {
        return false;
    }
    return true;
}

QString unhandledExceptionReport(const ExceptionInfo *info)
{
    QString report = QStringLiteral("Unhandled exception");
    if (!info)
        return report;
    report += QStringLiteral("\nNumber: ") + QString::number(info->number);
    if (!info->message.isEmpty())
        report += QStringLiteral("\nMessage: ") + info->message;
    const qsizetype last = std::min<qsizetype>(3, info->stack.size() - 1);
    for (qsizetype index = 0; index <= last; ++index) {
        report += index == 0 ? QStringLiteral("\nStack: ") : QStringLiteral("\n- ");
        report += info->stack.at(index);
    }
    return report;
}
