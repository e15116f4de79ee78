#include "core/platform/allocator.h"

#include <QTest>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Where each block goes while held, so that the compiler keeps its allocation.
void* volatile held = nullptr;

// The bytes the allocator has mapped from the system on their own, beside its heap.
std::size_t mappedBytes() {
#if defined(__GLIBC__)
    return mallinfo2().hblkhd;
#else
    return 0;
#endif
}

// Whether a block of this size is mapped on its own while it is held.
bool isMapped(std::size_t size) {
    const std::size_t before = mappedBytes();
    held = std::malloc(size);
    static_cast<char*>(held)[size - 1] = 1;
    const bool mapped = mappedBytes() >= before + size;
    std::free(held);
    held = nullptr;
    return mapped;
}

} // namespace

class TestAllocator : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void largeBlocksStayMappedAfterALargerOneIsFreed_data();
    void largeBlocksStayMappedAfterALargerOneIsFreed();
};

void TestAllocator::initTestCase() {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    QSKIP("the allocator's figures are the C library's own");
#endif
    QVERIFY(allocator::mapLargeBlocks());
    // A freed block of 16 MB would raise the bound to 16 MB if it were not fixed.
    QVERIFY(isMapped(16 * 1024 * 1024));
}

void TestAllocator::largeBlocksStayMappedAfterALargerOneIsFreed_data() {
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<bool>("mapped");
    const auto large = static_cast<qsizetype>(allocator::largeBlockBytes);
    QTest::newRow("the bound itself") << large << true;
    QTest::newRow("a list of many rows") << qsizetype(9 * 1024 * 1024) << true;
    QTest::newRow("a part's text") << qsizetype(3 * 1024 * 1024) << false;
    QTest::newRow("just under the bound") << large - 64 * 1024 << false;
    QTest::newRow("a row's buffer") << qsizetype(64 * 1024) << false;
}

void TestAllocator::largeBlocksStayMappedAfterALargerOneIsFreed() {
    QFETCH(qsizetype, size);
    QFETCH(bool, mapped);
    QCOMPARE(isMapped(static_cast<std::size_t>(size)), mapped);
}

QTEST_GUILESS_MAIN(TestAllocator)
#include "tst_allocator.moc"
