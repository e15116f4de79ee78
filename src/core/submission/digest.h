#pragma once

#include <QString>

// The digest of the return text image: MD5 of the file's bytes as 32 lower-case hexadecimal
// characters, the same digits md5sum prints. Result 0 means success; any other value is a
// failure code that the save reports to the user.
struct FileDigest {
    int result = 0;
    QString digest;
};

namespace digestfailure {
inline constexpr int cannotOpen = 1;
inline constexpr int cannotRead = 2;
} // namespace digestfailure

FileDigest fileDigest(const QString& path);
