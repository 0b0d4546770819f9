#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <exception>
#include <string>

// What the unhandled-exception report knows about an exception.
struct ExceptionInfo {
    std::int32_t number = 0;
    QString message;
    QStringList stack;
};

// The program's own exception: an error number, a message, and the call
// stack of the place that threw it.
class AppException : public std::exception {
public:
    AppException(std::int32_t number, QString message);

    const char *what() const noexcept override { return what_.c_str(); }
    const ExceptionInfo &info() const { return info_; }

private:
    ExceptionInfo info_;
    std::string what_;
};

// The calling thread's stack, innermost first, without this function's own
// frame.
QStringList currentStack();

// Describes an exception caught as `exception`:
// - AppException: its own number, message and stack;
// - std::system_error: the error code's value and what();
// - any other std::exception: number 0, what(), and `catchContext` as stack;
// - anything else: false, nothing is known about it.
bool describeException(const std::exception_ptr &exception, const QStringList &catchContext,
                       ExceptionInfo *info);

// "Unhandled exception", then "Number: ", "Message: " (only when there is a
// message) and at most four stack entries, the first after "Stack: ", the
// others after "- ". A null `info` gives "Unhandled exception" alone.
QString unhandledExceptionReport(const ExceptionInfo *info);
