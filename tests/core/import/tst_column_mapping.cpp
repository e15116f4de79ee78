#include "core/common/columns.h"
#include "core/common/engine_error.h"
#include "core/import/column_mapping.h"
#include "core/import/record_import.h"

#include <QTest>

namespace {

int columnNamed(const char* name) {
    return columnIndex(employeeColumns(), QLatin1String(name));
}

QString nameOf(int column) {
    return column < 0 ? QStringLiteral("(none)")
                      : QLatin1String(employeeColumns()[static_cast<std::size_t>(column)].name);
}

} // namespace

class TestColumnMapping : public QObject {
    Q_OBJECT
private slots:
    void proposals_data();
    void proposals();
    void aFieldIsProposedForItsFirstColumnOnly();
    void twoColumnsOnOneFieldAreRefused();
    void mappingFitsTheSameHeaderWrittenOtherwise_data();
    void mappingFitsTheSameHeaderWrittenOtherwise();
    void mappingsReadBackAsWritten();
    void mappingFilesThatCannotBeUsed_data();
    void mappingFilesThatCannotBeUsed();
    void aKeptMappingTakesThePlaceOfTheOldOne();
    void theFileIsReadThroughTheMappingThatFitsItsHeader();
};

void TestColumnMapping::proposals_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("column");
    QTest::newRow("a label as it stands") << "Other Names in Full"
                                          << "FirstName";
    QTest::newRow("a column name in another case") << "aincome"
                                                   << "aIncome";
    QTest::newRow("a label without its punctuation") << "h k identity card number check character"
                                                     << "ChkDigit";
    QTest::newRow("spaces and a colon around a label") << "  Surname: "
                                                       << "Surname";
    QTest::newRow("employee surname") << "Employee surname"
                                      << "Surname";
    QTest::newRow("last name") << "Last name"
                               << "Surname";
    QTest::newRow("family name in capitals") << "FAMILY NAME"
                                             << "Surname";
    QTest::newRow("given names") << "Given names"
                                 << "FirstName";
    QTest::newRow("first name written with an underscore") << "first_name"
                                                           << "FirstName";
    QTest::newRow("HKID") << "HKID"
                          << "HKID";
    QTest::newRow("ID card") << "ID card"
                             << "HKID";
    QTest::newRow("H.K.I.D. No.") << "H.K.I.D. No."
                                  << "HKID";
    QTest::newRow("salary") << "Salary"
                            << "aIncome";
    QTest::newRow("wages") << "Wages"
                           << "aIncome";
    QTest::newRow("bonus") << "Bonus"
                           << "eIncome";
    QTest::newRow("sex") << "sex"
                         << "Sex";
    QTest::newRow("gender") << "Gender"
                            << "Sex";
    QTest::newRow("the record identifier is never filled") << "ID"
                                                           << "(none)";
    QTest::newRow("nor the sheet number") << "Sheet Number"
                                          << "(none)";
    QTest::newRow("a word no field answers to") << "Favourite colour"
                                                << "(none)";
    QTest::newRow("an empty header cell") << ""
                                          << "(none)";
}

void TestColumnMapping::proposals() {
    QFETCH(QString, header);
    QFETCH(QString, column);
    QCOMPARE(nameOf(proposedColumn(header)), column);
}

void TestColumnMapping::aFieldIsProposedForItsFirstColumnOnly() {
    const ColumnMapping proposal = proposedMapping({"Last name", "Surname", "Wages", "Notes"});
    QCOMPARE(proposal.header, (QStringList{"Last name", "Surname", "Wages", "Notes"}));
    QCOMPARE(proposal.columnOfField, (QList<int>{columnNamed("Surname"), -1, columnNamed("aIncome"),
                                                 columnNamed("Remark")}));
    QVERIFY(!mappingRefusal(proposal));
}

void TestColumnMapping::twoColumnsOnOneFieldAreRefused() {
    const ColumnMapping twice{{"Name", "Notes", "Family"},
                              {columnNamed("Surname"), -1, columnNamed("Surname")}};
    QCOMPARE(mappingRefusal(twice).value_or(QString()),
             "The columns \"Name\" and \"Family\" of the file both go to the field \"Surname\". "
             "Choose one field for each column, or none.");
    const ColumnMapping noneTwice{{"A", "B"}, {-1, -1}};
    QVERIFY(!mappingRefusal(noneTwice));
}

void TestColumnMapping::mappingFitsTheSameHeaderWrittenOtherwise_data() {
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<bool>("fits");
    QTest::newRow("the same") << QStringList{"Last name", "HKID no."} << true;
    QTest::newRow("case and punctuation") << QStringList{"LAST_NAME", "hkid no"} << true;
    QTest::newRow("another order") << QStringList{"HKID no.", "Last name"} << false;
    QTest::newRow("one column more") << QStringList{"Last name", "HKID no.", "Notes"} << false;
    QTest::newRow("another word") << QStringList{"Last name", "Passport"} << false;
}

void TestColumnMapping::mappingFitsTheSameHeaderWrittenOtherwise() {
    QFETCH(QStringList, header);
    QFETCH(bool, fits);
    const ColumnMapping mapping{{"Last name", "HKID no."}, {columnNamed("Surname"), -1}};
    QCOMPARE(mappingFits(mapping, header), fits);
}

void TestColumnMapping::mappingsReadBackAsWritten() {
    const QList<ColumnMapping> mappings{
        {{"Last name", "Notes", "Salary"}, {columnNamed("Surname"), -1, columnNamed("aIncome")}},
        {{"陳", "ID card"}, {columnNamed("ChineseName"), columnNamed("HKID")}}};
    const QByteArray json = mappingsJson(mappings);
    QVERIFY(json.contains("\"field\": \"aIncome\""));
    QVERIFY(json.contains("\"field\": null"));
    QCOMPARE(mappingsFromJson(json), mappings);
    // A file of one mapping alone, with fields named by their labels as well.
    const QList<ColumnMapping> one = mappingsFromJson(
        R"({"columns": [{"header": "Nom", "field": "Surname"},
                        {"header": "Paye", "field": "a. Salary/Wages, amount"},
                        {"header": "X", "field": ""}]})");
    QCOMPARE(one, (QList<ColumnMapping>{{{"Nom", "Paye", "X"},
                                         {columnNamed("Surname"), columnNamed("aIncome"), -1}}}));
}

void TestColumnMapping::mappingFilesThatCannotBeUsed_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no JSON") << QByteArray("Surname,FirstName") << "illegal value";
    QTest::newRow("a list at the top") << QByteArray("[]") << "it is no object.";
    QTest::newRow("neither list") << QByteArray(R"({"map": []})")
                                  << "it holds neither \"mappings\" nor \"columns\".";
    QTest::newRow("a column without header")
        << QByteArray(R"({"columns": [{"field": "Surname"}]})") << "a column has no \"header\".";
    QTest::newRow("a field that is no column")
        << QByteArray(R"({"columns": [{"header": "A", "field": "Colour"}]})")
        << "no import fills the field \"Colour\".";
    QTest::newRow("the record identifier")
        << QByteArray(R"({"columns": [{"header": "A", "field": "ID"}]})")
        << "no import fills the field \"ID\".";
    QTest::newRow("two columns on one field")
        << QByteArray(R"({"columns": [{"header": "A", "field": "Sex"},
                                      {"header": "B", "field": "sex"}]})")
        << "The columns \"A\" and \"B\" of the file both go to the field \"Sex (M or F)\".";
}

void TestColumnMapping::mappingFilesThatCannotBeUsed() {
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    try {
        mappingsFromJson(json);
        QFAIL("a mapping that cannot be used was read");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().startsWith("The column mapping cannot be read: "),
                 qPrintable(error.description()));
        QVERIFY2(error.description().contains(reason), qPrintable(error.description()));
    }
}

void TestColumnMapping::aKeptMappingTakesThePlaceOfTheOldOne() {
    const ColumnMapping first{{"Name", "Pay"}, {columnNamed("Surname"), columnNamed("aIncome")}};
    const ColumnMapping other{{"Name"}, {columnNamed("FirstName")}};
    const ColumnMapping again{{"NAME", "pay"}, {columnNamed("Surname"), columnNamed("eIncome")}};
    const QList<ColumnMapping> kept = withMapping(withMapping({first, other}, again), other);
    QCOMPARE(kept, (QList<ColumnMapping>{again, other}));
    QCOMPARE(mappingFor(kept, {"name", "PAY"}), std::optional<ColumnMapping>(again));
    QVERIFY(!mappingFor(kept, {"Pay", "Name"}));
}

// The columns of a mapped header fill the fields the user chose; a column set to none is
// ignored as an unknown one is, and the plan tells that a mapping was used.
void TestColumnMapping::theFileIsReadThroughTheMappingThatFitsItsHeader() {
    const QString text = "Last name,Given names,Notes\r\nchan,tai man,x\r\n";
    const ColumnMapping mapping{{"Last name", "Given names", "Notes"},
                                {columnNamed("Surname"), columnNamed("FirstName"), -1}};
    ImportSettings settings;
    settings.mappings = {mapping};
    const ImportPlan mapped = planImport(text, EmployerData{}, {}, settings);
    QVERIFY(mapped.mapped);
    QCOMPARE(mapped.unknownColumns, QStringList{"Notes"});
    const RowValues row = unpackRow(mapped.rows.at(0).values);
    QCOMPARE(row.at(columnNamed("Surname")).toString(), "CHAN");
    QCOMPARE(row.at(columnNamed("FirstName")).toString(), "tai man");
    const ImportPlan unmapped = planImport(text, EmployerData{}, {});
    QVERIFY(!unmapped.mapped);
    QCOMPARE(unmapped.header, (QStringList{"Last name", "Given names", "Notes"}));
    QCOMPARE(unmapped.unknownColumns, unmapped.header);
}

QTEST_GUILESS_MAIN(TestColumnMapping)
#include "tst_column_mapping.moc"
