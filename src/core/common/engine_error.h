#pragma once

#include <QString>
#include <exception>
#include <string>

// The program's own error: a number and a description written for the program's users. The
// store raises it for every engine failure; the file, amount and code-page routines raise it too,
// so that a screen has one kind of error to show.
namespace engine {
enum Number : int {
    Overflow = 6,          // a number too large for its type
    TypeMismatch = 13,     // a text that is not the number it should be
    LibraryNotLoaded = 48, // a system library the program needs is missing
    BadFileName = 52,
    PathFileAccess = 75, // a file or folder that cannot be deleted, written or created
    PathNotFound = 76,   // a folder that does not exist and cannot be made
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
