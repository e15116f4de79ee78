// The user guide in English and in Chinese: the same pages in both, every link of every page
// leads to a page and a place that exist, each page links to itself in the other language and
// keeps the places F1 opens, and Help opens the pages of the language chosen.
#include "gui/common/user_guide.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString source = QStringLiteral(XW73D_GUIDE_DIR);

QString pageText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString& html, const QString& pattern) {
    QStringList found;
    for (auto it = QRegularExpression(pattern).globalMatch(html); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

QStringList pagesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

} // namespace

class TestUserGuide : public QObject {
    Q_OBJECT
private slots:
    void bothLanguagesHoldTheSamePages();
    void everyLinkLeadsSomewhere_data();
    void everyLinkLeadsSomewhere();
    void helpOpensTheChosenLanguage_data();
    void helpOpensTheChosenLanguage();
};

void TestUserGuide::bothLanguagesHoldTheSamePages() {
    QVERIFY(pagesIn(source).size() >= 10);
    QCOMPARE(pagesIn(source + "/zh_HK"), pagesIn(source));
}

void TestUserGuide::everyLinkLeadsSomewhere_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("other"); // the same page in the other language
    QTest::addColumn<QString>("lang");
    for (const QString& name : pagesIn(source)) {
        QTest::newRow(qPrintable("English " + name))
            << source + "/" + name << source + "/zh_HK/" + name << "en";
        QTest::newRow(qPrintable("Chinese " + name))
            << source + "/zh_HK/" + name << source + "/" + name << "zh-HK";
    }
}

void TestUserGuide::everyLinkLeadsSomewhere() {
    QFETCH(QString, page);
    QFETCH(QString, other);
    QFETCH(QString, lang);
    const QString html = pageText(page);
    QVERIFY2(html.contains("<html lang=\"" + lang + "\">"), qPrintable(page));
    const QDir folder = QFileInfo(page).dir();
    QStringList targets;
    for (const QString& href : matches(html, QStringLiteral("href=\"([^\"]+)\""))) {
        const QString file = href.section(u'#', 0, 0);
        const QString anchor = href.section(u'#', 1);
        const QString target =
            QFileInfo(folder.filePath(file.isEmpty() ? page : file)).canonicalFilePath();
        QVERIFY2(!target.isEmpty(), qPrintable(page + " links to a missing " + href));
        if (!anchor.isEmpty())
            QVERIFY2(pageText(target).contains("id=\"" + anchor + "\""),
                     qPrintable(page + " links to a missing place " + href));
        targets << target;
    }
    QVERIFY2(targets.contains(QFileInfo(other).canonicalFilePath()),
             qPrintable(page + " does not link to " + other));
    // F1 opens the places of the English pages in the Chinese ones as well.
    const QStringList places = matches(html, QStringLiteral("id=\"([^\"]+)\""));
    QCOMPARE(places, matches(pageText(other), QStringLiteral("id=\"([^\"]+)\"")));
}

void TestUserGuide::helpOpensTheChosenLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("folder"); // under the guide's folder
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << "en"
                             << ""
                             << "<h2 id=\"page-2\">Page 2: the period and the income";
    QTest::newRow("Chinese, Hong Kong") << "zh_HK"
                                        << "/zh_HK"
                                        << "<h2 id=\"page-2\">第 2 頁";
    QTest::newRow("Chinese, Taiwan") << "zh_TW"
                                     << "/zh_HK"
                                     << "<h2 id=\"page-2\">第 2 頁";
    QTest::newRow("another language") << "fr"
                                      << ""
                                      << "<h2 id=\"page-2\">Page 2";
}

void TestUserGuide::helpOpensTheChosenLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, folder);
    QFETCH(QString, heading);
    ScriptedServices services;
    userguide::setLanguage(language);
    userguide::open(userguide::editorPage(2));
    userguide::setLanguage(QStringLiteral("en"));
    QCOMPARE(services.openedUrls.size(), 1);
    const QUrl url = services.openedUrls.first();
    QCOMPARE(url.fragment(), QStringLiteral("page-2"));
    QCOMPARE(QFileInfo(url.toLocalFile()).absolutePath(),
             QFileInfo(userguide::folderFor("en") + folder + "/entering.html").absolutePath());
    QVERIFY2(pageText(url.toLocalFile()).contains(heading), qPrintable(url.toLocalFile()));
    QVERIFY(services.boxes.isEmpty());
}

QTEST_MAIN(TestUserGuide)
#include "tst_user_guide.moc"
