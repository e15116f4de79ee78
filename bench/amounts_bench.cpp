// Times the amount formatting on pasted digit runs of growing length. The time should grow in
// step with the length (linear), not with its square: 2 million digits well under a second.
#include "core/common/amounts.h"
#include "core/platform/allocator.h"

#include <QElapsedTimer>
#include <cstdio>

int main() {
    allocator::mapLargeBlocks(); // as the program does
    for (const qsizetype digits : {125'000, 250'000, 500'000, 1'000'000, 2'000'000}) {
        const QString text = QString(digits, u'7');
        QElapsedTimer timer;
        timer.start();
        const QString formatted = formatAmount(text);
        std::printf("%9lld digits: %6lld ms (%lld characters)\n", static_cast<long long>(digits),
                    static_cast<long long>(timer.elapsed()),
                    static_cast<long long>(formatted.size()));
    }
    return 0;
}
