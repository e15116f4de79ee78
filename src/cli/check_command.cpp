#include "cli/check_command.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "cli/working_database.h"
#include "core/common/secrets.h"
#include "core/validation/report_format.h"
#include "store/archive/last_year_return.h"
#include "store/employer/employer_table.h"
#include "store/records/whole_return.h"

#include <QCommandLineParser>
#include <QObject>
#include <QScopeGuard>

namespace cli {
namespace {

enum class Format { Text, Csv, Json };

struct CheckArguments {
    QString dataDir;
    Format format = Format::Text;
};

std::optional<CheckArguments> readArguments(const QStringList& arguments, QTextStream& errors) {
    QCommandLineParser parser;
    const QCommandLineOption dataDir = parserOption(dataDirOption);
    const QCommandLineOption format = parserOption(formatOption);
    parser.addOption(dataDir);
    parser.addOption(format);
    const bool parsed = parser.parse(QStringList{QStringLiteral("xw73d")} + arguments);
    const QString formatName = parser.value(format).toLower();
    const QStringList formats{QStringLiteral("text"), QStringLiteral("csv"),
                              QStringLiteral("json")};
    if (!parsed || !parser.positionalArguments().isEmpty() ||
        (parser.isSet(format) && !formats.contains(formatName))) {
        if (!parser.errorText().isEmpty())
            errors << parser.errorText() << '\n';
        errors << QObject::tr("usage: ") << checkSynopsis << '\n';
        return std::nullopt;
    }
    return CheckArguments{parser.value(dataDir), parser.isSet(format)
                                                     ? Format(formats.indexOf(formatName))
                                                     : Format::Text};
}

void print(const validation::ReturnReport& report, const EmployerData& employer, Format format,
           QTextStream& out) {
    const validation::ReportHeading heading =
        validation::headingOf(employer, report, QDateTime::currentDateTime());
    switch (format) {
    case Format::Text:
        out << validation::plainText(heading, report);
        break;
    case Format::Csv:
        out << validation::csvText(validation::csvRows(heading, report, report.problems));
        break;
    case Format::Json:
        out << QString::fromUtf8(validation::jsonText(heading, report));
        break;
    }
}

} // namespace

int runCheck(const QStringList& arguments, QTextStream& out, QTextStream& errors,
             const std::function<QString()>& password) {
    const auto read = readArguments(arguments, errors);
    if (!read)
        return CannotCheck;
    return runReportingTo(errors, QStringLiteral("xw73d check"), CannotCheck, [&] {
        const QString folder = programFolder(read->dataDir);
        QString typed = password();
        const auto forget = qScopeGuard([&typed] { secrets::overwrite(typed); });
        Database db = openWorkingDatabase(folder, typed);
        const EmployerData employer = employertable::readEmployer(db).data;
        const validation::ReturnReport report =
            validateWholeReturn(db, archive::lastYearReturn(folder, employer, typed));
        print(report, employer, read->format, out);
        return report.hasErrors() ? ErrorsFound : NoError;
    });
}

} // namespace cli
