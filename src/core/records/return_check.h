#pragma once

#include "core/common/column_values.h"
#include "core/employer/employer_data.h"
#include "core/records/page_checks.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// The check of the whole return: every record through the rules the editor applies while typing
// and on Update, plus what only a view of all records shows. It never stops at the first problem
// and never changes a record.

struct ReturnProblem {
    enum class Kind {
        PageCheck,   // what Update would refuse, one at most per page
        FieldCheck,  // what leaving a field would refuse
        WholeReturn, // what only all records together show, and the employer's data
        CannotStore, // a row of an imported file that no column could hold, or no row at all
    };
    std::optional<qint64> record; // the record's ID (or the file's row); none for the employer
    QString surname;
    QString firstName;
    int page = 0;   // 1 to 4; 0 for the employer's data
    QString column; // the column of the field to focus; an employer column for the employer
    QString message;
    Kind kind = Kind::PageCheck;
    QString sheetNumber; // the record's, when it has one
    QString code;        // the rule's stable code ("XW-P1-002"), which gives severity and fix
    QString status;      // the record type, "O", "R" or "S"
    QString identity;    // "A123456(3)", the identity number with its check character
    QString value;       // what the field holds, as stored
    bool operator==(const ReturnProblem&) const = default;
};
// Tens of thousands are listed: a longer list moves them as bytes.
Q_DECLARE_TYPEINFO(ReturnProblem, Q_RELOCATABLE_TYPE);

// The texts the editor's fields show for a row of employeeColumns().
FieldTexts recordTexts(const RowValues& row);

// The problems of one record on its own: the page checks (in page order, each page's first) and
// the leave checks of its fields (one per field).
QList<ReturnProblem> recordProblems(FieldView fields, const QString& returnYear);

// A whole return is checked one record at a time, so that a large table need not be held.
// A record of a whole-return check that carries an identity number; without a name of its own
// (`where`), it is named by the check's record label. Its surname, first names, sheet number
// and name are kept end to end in one text, as one is kept for each record of a large return.
class IdentityCarrier {
public:
    IdentityCarrier(const QString& identity, const QString& where, std::optional<qint64> record,
                    FieldView fields);
    QString identity;
    std::optional<qint64> record() const {
        return m_hasRecord ? std::optional<qint64>(m_record) : std::nullopt;
    }
    QString surname() const { return m_texts.first(m_surnameLength); }
    QString firstName() const { return m_texts.sliced(m_surnameLength, m_firstNameLength); }
    QString sheetNumber() const {
        return m_texts.sliced(m_surnameLength + m_firstNameLength, m_sheetLength);
    }
    QString where() const {
        return m_texts.sliced(m_surnameLength + m_firstNameLength + m_sheetLength);
    }

private:
    QString m_texts;
    qint64 m_record = 0;
    qint32 m_surnameLength = 0;
    qint32 m_firstNameLength = 0;
    qint32 m_sheetLength = 0;
    bool m_hasRecord = false;
};
// One for each record of a large return: its list grows in place.
Q_DECLARE_TYPEINFO(IdentityCarrier, Q_RELOCATABLE_TYPE);

class ReturnCheck {
public:
    // recordLabel names a record in messages, "%1" standing for its number ("record %1").
    explicit ReturnCheck(const EmployerData& employer,
                         const QString& recordLabel = QStringLiteral("record %1"));

    // record is the record's ID, or the row of a file being imported; `where` names it in the
    // problems of the records that share its identity number (recordLabel when empty).
    void addRecord(std::optional<qint64> record, FieldView fields,
                   const QString& where = QString());
    // The same, but the record's own problems are handed to the caller instead of being kept,
    // so that a large file's findings are held once, beside its rows.
    QList<ReturnProblem> checkRecord(std::optional<qint64> record, FieldView fields,
                                     const QString& where = QString());
    // Makes room at once for this many records with identity numbers, when about as many are
    // coming; the check holds a few words for each.
    void expectRecords(qsizetype count);
    // Identity numbers of "O" records checked elsewhere (the database, when a file is imported),
    // with the record's ID; a record added later that repeats one is reported against that
    // record ("record with ID 7").
    void addKnownIdentity(const QString& identity, qint64 id);

    // The employer's problems, then every record's in the order added, then one problem for each
    // record whose identity number another "O" record carries too, naming the first other
    // holder and, when there are more than two, how many carry it.
    QList<ReturnProblem> problems() const;
    // The problems of repeated identity numbers alone, one at a time in the order the records
    // were added; every record told of the same first holder shares one message text.
    void forEachRepeatedIdentity(const std::function<void(const ReturnProblem&)>& take) const;

private:
    // Who carries one identity number: the first two holders and how many there are, so that
    // each repeat is told in words of its own length, however often the number repeats.
    // One holder: a carrier among m_carriers, whose names tell a repeat from a mistyped number,
    // or, for a number known from elsewhere, the ID of the record there. Neither keeps a name,
    // so that a large return does not hold one for each record.
    struct Holder {
        qsizetype carrier = -1;
        qint64 knownId = 0;
    };
    struct Holders {
        Holder first;
        Holder second;
        qint64 count = 0;
    };
    // The number as the list of numbers holds it.
    const QString& addHolder(const QString& identity, Holder holder);
    QString nameOf(const Holder& holder) const;
    QString nameOf(const IdentityCarrier& carrier) const;
    static QString personNames(const IdentityCarrier& carrier);
    QList<ReturnProblem> duplicateProblems() const;

    EmployerData m_employer;
    QString m_recordLabel;
    QList<ReturnProblem> m_problems;
    QHash<QString, Holders> m_identities; // "A123456(7)" of "O" records
    QList<IdentityCarrier> m_carriers;
};

// A record as the user knows it: "CHAN, TAI MAN (sheet 3)"; its names alone without a sheet
// number.
QString recordName(FieldView fields);

// The save copies an original record only when its period lies within the return year.
bool leftOutBySave(FieldView fields, const QString& returnYear);

// "A123456(7)": the identity number with its check character; empty without a number.
QString identityText(FieldView fields);

// "A123456(7)": an "O" record's identity number with its check character; empty when the record
// is no original or has no identity number.
QString originalIdentity(FieldView fields);

// The employer row's own problems: missing items and values its screen would refuse.
QList<ReturnProblem> employerProblems(const EmployerData& employer);
