#include "core/common/columns.h"
#include "core/records/editor_fields.h"

#include <QSet>
#include <QTest>

namespace {

QString columnOf(const char* control, int element) {
    const EditorField* field = findField(control, element);
    return field ? QString::fromLatin1(field->column) : QString();
}

QSet<QString> columnsOf(const std::vector<const EditorField*>& fields) {
    QSet<QString> columns;
    for (const EditorField* field : fields)
        columns << field->column;
    return columns;
}

} // namespace

class TestEditorFields : public QObject {
    Q_OBJECT
private slots:
    void eachFieldAgreesWithItsColumn();
    void columnsOfTheControlArrays();
    void indicatorsGovernTheirFields();
};

// Each column is bound to one field, which takes as many characters as its column holds bytes
// (the indicators are one-digit byte columns, the record identifier is set by the program only),
// sits on pages 2 to 4 when the column depends on the return year, is byte-guarded when it holds
// free text and has a spoken name of its own.
void TestEditorFields::eachFieldAgreesWithItsColumn() {
    QSet<QString> yearDependent;
    for (const ColumnDef& column : yearDependentColumns())
        yearDependent.insert(column.name);
    const QSet<QString> guarded{"tChineseName", "tPage1", "tPage3", "tPage4", "tNature"};
    QSet<QString> columns;
    QSet<QString> names;
    for (const EditorField& field : editorFields()) {
        QVERIFY2(columnIndex(employeeColumns(), field.column) >= 0, field.column);
        const ColumnDef& def = column(employeeColumns(), field.column);
        const int limit =
            def.type == ColumnType::Text ? def.width : int(def.type == ColumnType::Byte);
        QVERIFY2(field.limit == limit, field.column);
        QCOMPARE(findField(field.control, field.element), &field);
        QVERIFY2((field.page >= 2) == yearDependent.contains(def.name), field.column);
        QVERIFY2(usesByteGuard(field.rule) == guarded.contains(field.control), field.column);
        columns.insert(QString::fromLatin1(def.name));
        names.insert(QString::fromUtf8(field.accessibleName));
    }
    QCOMPARE(columns.size(), qsizetype(employeeColumns().size()));
    QCOMPARE(editorFields().size(), employeeColumns().size());
    QCOMPARE(names.size(), columns.size());
    QVERIFY(!names.contains(QString()));
    QCOMPARE(QString(findField("tIncome", 10)->accessibleName),
             QStringLiteral("k. Any other rewards, allowances or perquisites, amount 1"));
}

// From line j on the period element is the amount element plus one; the columns must still
// pair each amount with the period and nature of its own line; there is no period element 9.
// Rents follow their place.
void TestEditorFields::columnsOfTheControlArrays() {
    for (int line = 0; line < 14; ++line) {
        const QString amount = columnOf("tIncome", line);
        const int periodElement = line < 9 ? line : line + 1;
        QCOMPARE(columnOf("tPeriod", periodElement), QString(amount).replace("Income", "Period"));
        if (line >= 10 && line <= 12)
            QCOMPARE(columnOf("tNature", line - 10), QString(amount).replace("Income", "Nature"));
    }
    QCOMPARE(columnOf("tIncome", 9) + columnOf("tIncome", 13), QStringLiteral("jIncomelIncome"));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(columnOf("tRent1", i), QStringLiteral("Q%1Rent%2").arg(i / 4 + 1).arg(i % 4 + 1));
    QCOMPARE(columnOf("tPage3", 3) + columnOf("tPage3", 4), QStringLiteral("Q1PeriodQ2Address1"));
    QVERIFY(!findField("tPeriod", 9));
    QCOMPARE(QString(fieldForColumn("SURNAME")->control), QStringLiteral("tPage1"));
    QVERIFY(!fieldForColumn("Total"));
}

void TestEditorFields::indicatorsGovernTheirFields() {
    QCOMPARE(columnOf("tPage1", 3), QString(dependentFields(RuleKind::MaritalStatus)[0]->column));
    QCOMPARE(columnsOf(dependentFields(RuleKind::MaritalStatus)),
             QSet<QString>({"SpouseName", "SpousePassport", "SpouseHKID", "SpouseChkDigit"}));
    QCOMPARE(columnsOf(dependentFields(RuleKind::OverseasIndicator)),
             QSet<QString>({"OSeaAmount", "OSeaName", "OSeaAddress"}));
    QSet<QString> pageThree;
    for (const EditorField& field : editorFields())
        if (field.page == 3 && field.rule != RuleKind::ResidenceIndicator)
            pageThree.insert(field.column);
    QCOMPARE(dependentFields(RuleKind::ResidenceIndicator).size(), std::size_t(16));
    QCOMPARE(columnsOf(dependentFields(RuleKind::ResidenceIndicator)), pageThree);
    QVERIFY(dependentFields(RuleKind::Sex).empty());
}

QTEST_APPLESS_MAIN(TestEditorFields)
#include "tst_editor_fields.moc"
