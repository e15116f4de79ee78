#pragma once

#include "core/common/engine_error.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

// Rows copied so far of all the old employee rows (the placeholder included).
using ConversionProgress = std::function<void(qint64 done, qint64 total)>;

// A value of an old employee record, named for the user by the record's identifier, surname and
// other names (no value where the old row holds none) and by our column.
struct OldValue {
    QVariant id;
    QVariant surname;
    QVariant otherNames;
    QString column;
    int width = 0;  // our column's, in code-page bytes
    QString text;   // the old value
    QString stored; // what went in, for a value cut to the column's width
};

// The conversion stopped at an old value that our column refuses. `mayBeCut` when cutting it to
// the column's width would let it in (a free text that is too long).
class ValueRefused : public EngineError {
public:
    ValueRefused(const EngineError& why, OldValue value, bool mayBeCut)
        : EngineError(why)
        , m_value(std::move(value))
        , m_mayBeCut(mayBeCut) {}
    const OldValue& value() const { return m_value; }
    bool mayBeCut() const { return m_mayBeCut; }

private:
    OldValue m_value;
    bool m_mayBeCut;
};

struct ConversionOptions {
    // Free texts too long for our column are cut to its width instead of stopping the
    // conversion; only when the user has agreed.
    bool cutTooLongTexts = false;
};

struct ConversionResult {
    QList<OldValue> cut; // in the order of the old rows
};

// Converts the working database left by an earlier version (a file without a password) in the
// program folder, all or nothing. A fresh "xw73dnew.mdb" is filled in one transaction and read
// back; only then does the old file take the name "1999a.xwd" and the new one "xw73d.mdb". On
// any failure the error is raised (ValueRefused for an old value our column refuses),
// "xw73dnew.mdb" is gone and "xw73d.mdb" is the old file with its bytes unchanged. A column the
// old table lacks stays without a value.
ConversionResult convertDatabase(const QString& folder, const ConversionProgress& progress,
                                 const ConversionOptions& options = {});

// A conversion stopped between its two renames leaves the old file as "1999a.xwd" and the
// complete new one as "xw73dnew.mdb", without "xw73d.mdb". When the new one reads back whole
// with the default password, it takes the name "xw73d.mdb" and this returns true; otherwise
// nothing is changed and this returns false. Raises when the rename fails.
bool finishInterruptedConversion(const QString& folder);
