#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QCommandLineOption;
class QTextStream;

// The command line's verbs as one table, from which both the help and the dispatch are made.
// A verb is spelled as a word after the program's name ("xw73d verify FILE") or, for the
// backup commands, as an option of the program's own command line ("xw73d --list-backups").
namespace cli {

struct VerbOption {
    const char* name;      // without the dashes
    const char* valueName; // nullptr for a switch
    const char* description;
};

inline constexpr VerbOption dataDirOption{
    "data-dir", "DIR", QT_TRANSLATE_NOOP("Verb", "Program folder holding the database.")};
inline constexpr VerbOption returnOption{
    "return", "NAME", QT_TRANSLATE_NOOP("Verb", "Open the workspace's return of that name.")};
inline constexpr VerbOption mediumOption{
    "medium", "DIR", QT_TRANSLATE_NOOP("Verb", "Folder of the removable medium.")};
inline constexpr VerbOption languageOption{
    "lang", "LANGUAGE",
    QT_TRANSLATE_NOOP("Verb",
                      "Speak English (en) or Traditional Chinese (zh_HK), whatever is chosen.")};
inline constexpr VerbOption dryRunOption{
    "dry-run", nullptr,
    QT_TRANSLATE_NOOP("Verb",
                      "Check every row and report what would be imported, storing nothing.")};
inline constexpr VerbOption mappingOption{
    "mapping", "FILE",
    QT_TRANSLATE_NOOP("Verb", "Column mapping (JSON) for a file whose header is not the labels.")};
inline constexpr VerbOption addOption{
    "add", nullptr, QT_TRANSLATE_NOOP("Verb", "Add the rows that match no original record.")};
inline constexpr VerbOption updateOption{
    "update", nullptr,
    QT_TRANSLATE_NOOP("Verb",
                      "Update the original records whose identity numbers the rows carry.")};
inline constexpr VerbOption clearEmptyOption{
    "clear-empty", nullptr,
    QT_TRANSLATE_NOOP("Verb", "Empty cells clear the fields of the records they update.")};

inline constexpr VerbOption sheetOption{
    "sheet", "NAME",
    QT_TRANSLATE_NOOP("Verb",
                      "The sheet of an .xlsx or .ods workbook to read; the first when not given.")};

inline constexpr VerbOption formatOption{
    "format", "FORMAT", QT_TRANSLATE_NOOP("Verb", "Report as text (the default), csv or json.")};

inline constexpr char checkSynopsis[] = "xw73d check [--data-dir DIR] [--format text|csv|json]";
inline constexpr char verifySynopsis[] = "xw73d verify FILE";
inline constexpr char archiveSynopsis[] = "xw73d archive list [--data-dir DIR]";
inline constexpr char importSynopsis[] =
    "xw73d import FILE [--dry-run] [--sheet NAME] [--add] [--update] [--clear-empty] "
    "[--mapping FILE] [--data-dir DIR]";
inline constexpr char exportSynopsis[] = "xw73d export FILE [--data-dir DIR]";
inline constexpr char templateSynopsis[] = "xw73d template FILE [--data-dir DIR]";

QCommandLineOption parserOption(const VerbOption& option);

// What a verb is given to run with.
struct VerbCall {
    const QStringList& arguments; // those after the verb's word
    const QString& dataDir;       // the program's --data-dir, for a verb spelled as an option
    const QString& value;         // the value of a verb spelled as an option, if it takes one
    QTextStream& out;
    QTextStream& errors;
};

enum class Spelling { Word, Option };

struct Verb {
    const char* name; // the word, or the option without its dashes
    Spelling spelling;
    const char* valueName; // a verb spelled as an option that takes a value; otherwise nullptr
    const char* synopsis;
    const char* summary;
    QList<VerbOption> options;
    int (*run)(const VerbCall& call); // gives the exit code
};

const QList<Verb>& verbs();

// The verb spelled as this word, or nullptr.
const Verb* wordVerb(const QString& word);

// "xw73d VERB --help": the synopsis, what the verb does and its options.
QString verbHelp(const Verb& verb);

// The program's description for "xw73d --help": what it is for and every verb with its
// synopsis, what it does and its options.
QString programDescription();

} // namespace cli
