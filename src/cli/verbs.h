#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

inline constexpr VerbOption dataDirOption{"data-dir", "DIR",
                                          "Program folder holding the database."};
inline constexpr VerbOption returnOption{"return", "NAME",
                                         "Open the workspace's return of that name."};
inline constexpr VerbOption mediumOption{"medium", "DIR", "Folder of the removable medium."};
inline constexpr VerbOption dryRunOption{
    "dry-run", nullptr, "Check every row and report what would be imported, storing nothing."};
inline constexpr VerbOption mappingOption{
    "mapping", "FILE", "Column mapping (JSON) for a file whose header is not the labels."};
inline constexpr VerbOption addOption{"add", nullptr,
                                      "Add the rows that match no original record."};
inline constexpr VerbOption updateOption{
    "update", nullptr, "Update the original records whose identity numbers the rows carry."};
inline constexpr VerbOption clearEmptyOption{
    "clear-empty", nullptr, "Empty cells clear the fields of the records they update."};

inline constexpr VerbOption formatOption{"format", "FORMAT",
                                         "Report as text (the default), csv or json."};

inline constexpr char checkSynopsis[] = "xw73d check [--data-dir DIR] [--format text|csv|json]";
inline constexpr char verifySynopsis[] = "xw73d verify FILE";
inline constexpr char archiveSynopsis[] = "xw73d archive list [--data-dir DIR]";
inline constexpr char importSynopsis[] =
    "xw73d import FILE [--dry-run] [--add] [--update] [--clear-empty] [--mapping FILE] "
    "[--data-dir DIR]";
inline constexpr char exportSynopsis[] = "xw73d export FILE [--data-dir DIR]";

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
