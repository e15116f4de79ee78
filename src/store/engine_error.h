#pragma once

#include <QString>
#include <exception>
#include <string>

// Error numbers that screens test for, and the others the store raises. Each error carries a
// description written for the program's users.
namespace engine {
enum Number : int {
    BadFileName = 52,
    MissingValue = 94,
    Reserved = 3000,
    InvalidArgument = 3001,
    FileNotFound = 3024,
    AlreadyExists = 3204,
    NoCurrentRecord = 3021,
    DiskFull = 3026,
    NotValidPassword = 3031,
    DiskError = 3043,
    CannotReach = 3044,
    InUse = 3045,
    Damaged = 3049,
    ReadOnly = 3051,
    BadCriteria = 3077,
    NoSuchTable = 3078,
    FieldTooSmall = 3163,
    ColumnNotFound = 3265,
    ZeroLength = 3315,
    RequiredValue = 3314,
};
} // namespace engine

class EngineError : public std::exception {
public:
    EngineError(int number, QString description)
        : m_number(number)
        , m_description(std::move(description))
        , m_what(m_description.toStdString()) {}
    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};
