#pragma once
// The interruptions that end an operation; the general error handler shows their message.

#include <QCoreApplication>
#include <QString>
#include <exception>

class AppError : public std::exception {
  public:
    explicit AppError(QString message) : message_(std::move(message)) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return "application error"; }

  private:
    QString message_;
};

// A text that is not a number.
class ConversionError : public AppError {
  public:
    explicit ConversionError(const QString& text)
        : AppError(QCoreApplication::translate("Errors", "'%1' is not a valid floating point value")
                       .arg(text)),
          text_(text) {}
    const QString& text() const { return text_; }

  private:
    QString text_;
};

class DivisionByZero : public AppError {
  public:
    DivisionByZero()
        : AppError(QCoreApplication::translate("Errors", "Floating point division by zero")) {}
};

// 0/0 and a mean over no values.
class InvalidOperation : public AppError {
  public:
    InvalidOperation()
        : AppError(QCoreApplication::translate("Errors", "Invalid floating point operation")) {}
};

// A result that is not a finite number.
class Overflow : public AppError {
  public:
    Overflow() : AppError(QCoreApplication::translate("Errors", "Floating point overflow")) {}
};

// A file that could not be opened, created, read or written.
class FileError : public AppError {
  public:
    using AppError::AppError;
};

// What interrupted, so that a message words it by its kind, never by its message.
enum class ErrorKind { NotANumber, DivisionByZero, InvalidOperation, Overflow, Other };
ErrorKind kindOf(const AppError& error);

namespace Arithmetic {
// a / b, raising the error a plain division would hide in inf or nan.
double divide(double a, double b);
// x itself when finite; a result beyond the double range raises Overflow.
double checked(double x);
} // namespace Arithmetic
