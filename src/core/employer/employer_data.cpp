#include "core/employer/employer_data.h"

#include <array>

namespace {

struct Member {
    QString EmployerData::*text;
    const char* column;
};

constexpr std::array members{
    Member{&EmployerData::version, "Version"},
    Member{&EmployerData::returnYear, "ReturnYear"},
    Member{&EmployerData::section, "Session"},
    Member{&EmployerData::fileNumber, "BRN"},
    Member{&EmployerData::name, "Name"},
    Member{&EmployerData::designation, "Designation"},
    Member{&EmployerData::submissionDate, "SubmissionDate"},
};

int indexOf(const Member& member) {
    return columnIndex(employerColumns(), QLatin1String(member.column));
}

} // namespace

EmployerData EmployerData::fromRow(const RowValues& row) {
    EmployerData data;
    for (const Member& member : members)
        data.*member.text = row.value(indexOf(member)).toString();
    return data;
}

RowValues EmployerData::toRow() const {
    RowValues row(static_cast<qsizetype>(employerColumns().size()));
    for (const Member& member : members) {
        const QString& text = this->*member.text;
        row[indexOf(member)] = text.isEmpty() ? QVariant() : QVariant(text);
    }
    return row;
}
