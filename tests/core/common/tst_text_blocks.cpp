#include "core/common/text_blocks.h"

#include <QTest>

class TestTextBlocks : public QObject {
    Q_OBJECT
private slots:
    void textsReadBackAsAdded_data();
    void textsReadBackAsAdded();
};

void TestTextBlocks::textsReadBackAsAdded_data() {
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("none") << QList<int>{};
    QTest::newRow("empty texts among others") << QList<int>{0, 5, 0, 0, 7, 0};
    // 4 MiB blocks: texts that fill one exactly, run past its end, or need one of their own.
    QTest::newRow("a block filled exactly, then more") << QList<int>{4 << 20, 1, 2};
    QTest::newRow("a text just too long for the rest") << QList<int>{(4 << 20) - 3, 4, 3};
    QTest::newRow("a text longer than a block") << QList<int>{10, (9 << 20) + 17, 10};
    QTest::newRow("many short texts over several blocks") << QList<int>(60'000, 230);
}

// Every text reads back as it was added, in order, however the blocks fall; texts already added
// stay where they are when later ones open new blocks.
void TestTextBlocks::textsReadBackAsAdded() {
    QFETCH(QList<int>, lengths);
    TextBlocks blocks;
    QList<QByteArray> added;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        QByteArray text(lengths[i], Qt::Uninitialized);
        for (qsizetype at = 0; at < text.size(); ++at)
            text[at] = static_cast<char>('a' + (i * 7 + at) % 26);
        blocks.add(text);
        added << text;
    }
    QCOMPARE(blocks.count(), std::size_t(added.size()));
    for (qsizetype i = 0; i < added.size(); ++i)
        QVERIFY2(blocks.at(std::size_t(i)) == added[i], qPrintable(QString::number(i)));
}

QTEST_APPLESS_MAIN(TestTextBlocks)
#include "tst_text_blocks.moc"
