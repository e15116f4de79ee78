#pragma once

#include <QProcess>
#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process can grow beyond the given size: writes past it fail
// as they would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit tight = m_previous;
        tight.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
};

// Runs a program whose files cannot grow beyond the limit; the limit's signal is left as it is,
// so the program ends by it unless the program ignores it.
inline void startLimited(QProcess& process, const QString& program, const QStringList& arguments,
                         rlim_t limit) {
    process.setChildProcessModifier([limit] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit tight{limit, limit};
        setrlimit(RLIMIT_FSIZE, &tight);
    });
    process.start(program, arguments);
}
