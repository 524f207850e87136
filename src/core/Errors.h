#pragma once
// Error types raised by the system's own code. Each carries the exact text the
// user sees; the handler guard shows it in the default error dialog.
#include <QString>
#include <exception>

class EError : public std::exception {
public:
    explicit EError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that does not convert to a number or date.
class EConvertError : public EError {
public:
    using EError::EError;
};

// Anything the database engine refuses: missing table, duplicate key, bad statement.
class EDatabaseError : public EError {
public:
    using EError::EError;
};

// A picture file that cannot be read.
class EInvalidGraphic : public EError {
public:
    using EError::EError;
};

// A unique key already holds the value a post stores.
class EDuplicateKey : public EDatabaseError {
public:
    using EDatabaseError::EDatabaseError;
};

// The record was changed by another program since it was read.
class ERecordChanged : public EDatabaseError {
public:
    using EDatabaseError::EDatabaseError;
};

// Another program held the database longer than a write waits for it: nothing
// was stored, and trying again later may succeed.
class EDatabaseBusy : public EDatabaseError {
public:
    using EDatabaseError::EDatabaseError;
};
