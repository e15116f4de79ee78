// The Chinese translation file: every text the sources give to the translator is in it and
// translated, nothing in it is left over from texts the sources no longer have, and each
// translation keeps the values and the Alt letter of its English text.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

// Reads a source or translation element whole, with the bytes lupdate writes as elements.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    const QString name = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text +=
                QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() == name)
            break;
    }
    return text;
}

QList<Message> readMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages << Message{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = elementText(xml);
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = elementText(xml);
        }
    }
    return messages;
}

QString mnemonicLetter(QString text) {
    text.remove(QStringLiteral("&&"));
    const QRegularExpressionMatch found = QRegularExpression(QStringLiteral("&(\\S)")).match(text);
    return found.hasMatch() ? found.captured(1).toUpper() : QString();
}

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("%(\\d|n)")).globalMatch(text))
        found << match.captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

// What is wrong with one translation, empty when nothing is.
QStringList translationProblems(const QString& source, const QString& translation) {
    QStringList problems;
    if (translation.trimmed().isEmpty() && !source.trimmed().isEmpty())
        problems << QStringLiteral("not translated");
    if (placeholders(source) != placeholders(translation))
        problems << QStringLiteral("values %1 become %2")
                        .arg(placeholders(source).join(u' '), placeholders(translation).join(u' '));
    if (mnemonicLetter(source) != mnemonicLetter(translation))
        problems << QStringLiteral("Alt letter '%1' becomes '%2'")
                        .arg(mnemonicLetter(source), mnemonicLetter(translation));
    return problems;
}

QSet<QString> keys(const QList<Message>& messages) {
    QSet<QString> found;
    for (const Message& message : messages)
        found << message.context + u'|' + message.source;
    return found;
}

} // namespace

class TestTranslationFile : public QObject {
    Q_OBJECT
private slots:
    void findsWhatIsWrong_data();
    void findsWhatIsWrong();
    void everyTextIsTranslated();
    void fileHoldsTheSourcesTexts();
};

void TestTranslationFile::findsWhatIsWrong_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("problems");
    QTest::newRow("good caption") << "&Update"
                                  << "更新(&U)" << 0;
    QTest::newRow("good message") << "Record %1 of %2"
                                  << "第 %1 筆紀錄，共 %2 筆" << 0;
    QTest::newRow("ampersand as text") << "Passport No. && Country"
                                       << "護照號碼及簽發國家" << 0;
    QTest::newRow("empty") << "&Delete"
                           << "" << 2;
    QTest::newRow("value lost") << "Record %1 of %2"
                                << "第 %1 筆紀錄" << 1;
    QTest::newRow("value added") << "No record"
                                 << "沒有紀錄 %1" << 1;
    QTest::newRow("alt letter lost") << "&Quit"
                                     << "結束" << 1;
    QTest::newRow("other alt letter") << "Sor&t"
                                      << "排序(&S)" << 1;
    QTest::newRow("alt letter in other case") << "Chec&k all records"
                                              << "檢查全部紀錄(&K)" << 0;
}

void TestTranslationFile::findsWhatIsWrong() {
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(int, problems);
    QCOMPARE(translationProblems(source, translation).size(), problems);
}

void TestTranslationFile::everyTextIsTranslated() {
    const QList<Message> messages = readMessages(QStringLiteral(XW73D_TRANSLATION));
    QVERIFY(messages.size() > 500);
    QStringList wrong;
    for (const Message& message : messages) {
        QStringList problems = translationProblems(message.source, message.translation);
        if (!message.type.isEmpty())
            problems << message.type;
        if (!problems.isEmpty())
            wrong << QStringLiteral("%1 \"%2\": %3")
                         .arg(message.context, message.source, problems.join(QStringLiteral(", ")));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

// lupdate over the sources, into a copy of the file: it finds no new text and none gone.
void TestTranslationFile::fileHoldsTheSourcesTexts() {
    QTemporaryDir work;
    const QString copy = work.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(QStringLiteral(XW73D_TRANSLATION), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(XW73D_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-ui-lines"), QStringLiteral(XW73D_SOURCES),
                   QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QList<Message> updated = readMessages(copy);
    QStringList untranslated;
    for (const Message& message : updated)
        if (!message.type.isEmpty())
            untranslated << QStringLiteral("%1 \"%2\": %3")
                                .arg(message.context, message.source, message.type);
    QVERIFY2(untranslated.isEmpty(),
             qPrintable(QStringLiteral("Run the target update_translations and translate:\n") +
                        untranslated.join(u'\n')));
    QCOMPARE(keys(updated), keys(readMessages(QStringLiteral(XW73D_TRANSLATION))));
}

QTEST_GUILESS_MAIN(TestTranslationFile)
#include "tst_translation_file.moc"
