#pragma once

#include <QString>

#include <span>

// Every problem the check of a return can report has a code of its own that never changes, so a
// clerk can look it up in the user guide and an accountant can filter a report by it.
namespace validation {

// An error stops the save: the return must not go out as it is. A warning is very likely a
// mistake, and the user decides. A hint is worth a look.
enum class Severity { Error, Warning, Hint };

struct ProblemRule {
    const char* code;
    Severity severity;
    // The message as the check writes it; where a value is put into it, the text before the
    // value, ending at "%1".
    const char* message;
    const char* fix; // one sentence that says how to put it right
};

std::span<const ProblemRule> problemRules();

// The rule with this code; nullptr when there is none.
const ProblemRule* ruleOf(const QString& code);

// The rule of a refusal of the editor on this page (1 to 4): its page check or a field's leave
// check, found by the message they show; the page's rule for other refused values when the
// message is none of the known ones.
const ProblemRule& ruleForMessage(int page, const QString& message);

// "error", "warning", "hint": the words of the reports and of the command line.
QString severityName(Severity severity);
// The severity of a code; a code without a rule counts as an error.
Severity severityOf(const QString& code);
QString fixOf(const QString& code);

namespace code {
// The codes the checks assign themselves.
inline constexpr char checkCharacter[] = "XW-P1-020";
inline constexpr char spouseCheckCharacter[] = "XW-P1-021";
inline constexpr char repeatedIdentity[] = "XW-P1-030";
inline constexpr char identityOtherName[] = "XW-P1-031";
inline constexpr char nameOtherIdentity[] = "XW-P1-032";
inline constexpr char unknownType[] = "XW-P1-040";
inline constexpr char amountWithoutPeriod[] = "XW-P2-020";
inline constexpr char periodWithoutAmount[] = "XW-P2-021";
inline constexpr char largeAmount[] = "XW-P2-022";
inline constexpr char largeTotal[] = "XW-P2-023";
inline constexpr char periodOutsideEmployment[] = "XW-P2-024";
inline constexpr char leftOutBySave[] = "XW-P2-030";
inline constexpr char rentWithoutPeriod[] = "XW-P3-020";
inline constexpr char periodWithoutRent[] = "XW-P3-021";
inline constexpr char employerMissing[] = "XW-E-001";
inline constexpr char employerYear[] = "XW-E-002";
inline constexpr char employerSection[] = "XW-E-003";
inline constexpr char employerFileNumber[] = "XW-E-004";
inline constexpr char employerDate[] = "XW-E-005";
inline constexpr char missingFromLastYear[] = "XW-R-001";
inline constexpr char categoryChanged[] = "XW-R-002";
inline constexpr char cannotStore[] = "XW-I-001";
} // namespace code

} // namespace validation
