#include "cli/command_line.h"

#include "cli/headless.h"
#include "cli/returns_command.h"
#include "cli/verbs.h"
#include "store/returns/return_list.h"

#include <QCommandLineParser>
#include <QObject>

namespace cli {
namespace {

bool asksForHelp(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

int runWordVerb(const Verb& verb, int& argc, char** argv) {
    HeadlessRun run(argc, argv);
    const QStringList arguments = withoutLanguageOption(QCoreApplication::arguments().mid(2));
    if (asksForHelp(arguments)) {
        run.out() << verbHelp(verb);
        return 0;
    }
    const QString none;
    return verb.run(VerbCall{arguments, none, none, run.out(), run.errors()});
}

// The program's own options and those of the verbs spelled as options.
void addProgramOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(programDescription());
    parser.addOptions({parserOption(dataDirOption), parserOption(returnOption),
                       parserOption(mediumOption), parserOption(languageOption)});
    for (const Verb& verb : verbs())
        if (verb.spelling == Spelling::Option)
            parser.addOption(parserOption({verb.name, verb.valueName, verb.summary}));
}

// The first verb spelled as an option that is given, as the table orders them.
const Verb* optionVerb(const QCommandLineParser& parser) {
    for (const Verb& verb : verbs())
        if (verb.spelling == Spelling::Option && parser.isSet(QLatin1String(verb.name)))
            return &verb;
    return nullptr;
}

// Every answer is written through the run's streams, so nothing of the arguments reaches the
// terminal with its control characters.
std::variant<int, DesktopOptions> answerOptions(int& argc, char** argv) {
    HeadlessRun run(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addProgramOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        run.errors() << QCoreApplication::applicationName() << ": " << parser.errorText() << '\n';
        return 1;
    }
    if (parser.isSet(version)) {
        run.out() << QCoreApplication::applicationName() << ' '
                  << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    const Verb* verb = optionVerb(parser);
    // --help-all, which the parser adds beside --help, shows the same: the Qt options it would
    // add are not the program's.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        run.out() << (verb ? verbHelp(*verb) : parser.helpText());
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        run.errors() << QObject::tr("xw73d: unknown command '%1'; 'xw73d --help' lists the "
                                    "commands and options.\n")
                            .arg(parser.positionalArguments().first());
        return 1;
    }
    QString dataDir = parser.value(QLatin1String(dataDirOption.name));
    if (parser.isSet(QLatin1String(returnOption.name))) {
        if (parser.isSet(QLatin1String(dataDirOption.name))) {
            run.errors() << QObject::tr("xw73d: --return and --data-dir both name the folder to "
                                        "open; give one of them.\n");
            return 1;
        }
        dataDir = returnFolder(returnfiles::userWorkspace(),
                               parser.value(QLatin1String(returnOption.name)), run.errors());
        if (dataDir.isEmpty())
            return 1;
    }
    if (verb)
        return verb->run(VerbCall{
            {}, dataDir, parser.value(QLatin1String(verb->name)), run.out(), run.errors()});
    return DesktopOptions{dataDir, parser.value(QLatin1String(mediumOption.name)),
                          parser.value(QLatin1String(languageOption.name))};
}

} // namespace

std::variant<int, DesktopOptions> answerCommandLine(int& argc, char** argv) {
    if (argc > 1)
        if (const Verb* verb = wordVerb(QString::fromLocal8Bit(argv[1])))
            return runWordVerb(*verb, argc, argv);
    return answerOptions(argc, argv);
}

} // namespace cli
