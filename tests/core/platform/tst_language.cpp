// Which language the program speaks: the command line's --lang, then the choice kept in the
// settings, then the system's locale (Hong Kong, Taiwan and Macau read Traditional Chinese).
#include "core/platform/language.h"

#include <QTest>

using language::Language;
Q_DECLARE_METATYPE(Language)

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void choosesTheLanguage_data();
    void choosesTheLanguage();
    void readsTheCodes_data();
    void readsTheCodes();
};

void TestLanguage::choosesTheLanguage_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Language>("expected");
    const Language en = Language::English;
    const Language zh = Language::Chinese;
    QTest::newRow("hong kong locale") << ""
                                      << ""
                                      << "zh_HK" << zh;
    QTest::newRow("taiwan locale") << ""
                                   << ""
                                   << "zh_TW" << zh;
    QTest::newRow("macau locale") << ""
                                  << ""
                                  << "zh_MO" << zh;
    QTest::newRow("locale with encoding") << ""
                                          << ""
                                          << "zh_HK.UTF-8" << zh;
    QTest::newRow("locale with script") << ""
                                        << ""
                                        << "zh_Hant_HK" << zh;
    QTest::newRow("locale with a dash") << ""
                                        << ""
                                        << "zh-TW" << zh;
    QTest::newRow("mainland locale") << ""
                                     << ""
                                     << "zh_CN" << en;
    QTest::newRow("singapore locale") << ""
                                      << ""
                                      << "zh_SG" << en;
    QTest::newRow("english hong kong locale") << ""
                                              << ""
                                              << "en_HK" << en;
    QTest::newRow("british locale") << ""
                                    << ""
                                    << "en_GB" << en;
    QTest::newRow("c locale") << ""
                              << ""
                              << "C" << en;
    QTest::newRow("empty locale") << ""
                                  << ""
                                  << "" << en;
    QTest::newRow("kept english beats locale") << ""
                                               << "en"
                                               << "zh_HK" << en;
    QTest::newRow("kept chinese beats locale") << ""
                                               << "zh_HK"
                                               << "en_GB" << zh;
    QTest::newRow("kept nonsense ignored") << ""
                                           << "fr"
                                           << "zh_MO" << zh;
    QTest::newRow("option english beats kept") << "en"
                                               << "zh_HK"
                                               << "zh_HK" << en;
    QTest::newRow("option chinese beats kept") << "zh_HK"
                                               << "en"
                                               << "en_GB" << zh;
    QTest::newRow("option in other case") << "ZH_hk"
                                          << ""
                                          << "en_GB" << zh;
    QTest::newRow("unknown option ignored") << "de"
                                            << "zh_HK"
                                            << "en_GB" << zh;
}

void TestLanguage::choosesTheLanguage() {
    QFETCH(QString, option);
    QFETCH(QString, kept);
    QFETCH(QString, locale);
    QFETCH(Language, expected);
    QCOMPARE(language::choose(option, kept, locale), expected);
}

void TestLanguage::readsTheCodes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("known");
    QTest::addColumn<Language>("expected");
    QTest::newRow("english") << "en" << true << Language::English;
    QTest::newRow("chinese") << "zh_HK" << true << Language::Chinese;
    QTest::newRow("chinese with a dash") << "zh-HK" << true << Language::Chinese;
    QTest::newRow("spaces around") << " en " << true << Language::English;
    QTest::newRow("taiwan is no code") << "zh_TW" << false << Language::English;
    QTest::newRow("english region is no code") << "en_GB" << false << Language::English;
    QTest::newRow("empty") << "" << false << Language::English;
}

void TestLanguage::readsTheCodes() {
    QFETCH(QString, code);
    QFETCH(bool, known);
    QFETCH(Language, expected);
    const std::optional<Language> read = language::fromCode(code);
    QCOMPARE(read.has_value(), known);
    if (known) {
        QCOMPARE(*read, expected);
        // What is kept in the settings reads back as the same language.
        QCOMPARE(language::fromCode(language::code(*read)), read);
    }
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
