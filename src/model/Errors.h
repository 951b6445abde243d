#pragma once

#include <QString>

#include <exception>

// Every failure the operator is told about carries its own message text. A running operation throws
// it; the event boundary (RunGuarded) catches it once and shows the text in a message box.
class DoravelError : public std::exception {
public:
    explicit DoravelError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that had to be a number and was not.
class EConvertError : public DoravelError {
public:
    using DoravelError::DoravelError;
};

// A command's own check that stops it before it starts ("Lütfen  Dolap Eni ve Boyunu Giriniz !"):
// the event boundary shows it as a plain message, the sheet tool writes it to standard error.
class TRefusal : public DoravelError {
public:
    using DoravelError::DoravelError;
};
