#pragma once

#include "core/records/field_rules.h"

#include <QString>

// The pieces the field rules build their verdicts from, shared by the files that hold the rules.
namespace fieldrules::verdicts {

inline const QString notNumericMessage =
    QStringLiteral("Value must be numeric. Please enter again.");
inline const QString tooLargeMessage = QStringLiteral("Value too large!");

inline bool isLetter(char32_t key) {
    return (key >= U'a' && key <= U'z') || (key >= U'A' && key <= U'Z');
}

inline bool isDigit(char32_t key) {
    return key >= U'0' && key <= U'9';
}

inline KeyVerdict accepted() {
    return {};
}

inline KeyVerdict refused() {
    KeyVerdict verdict;
    verdict.accept = false;
    verdict.beep = true;
    return verdict;
}

inline KeyVerdict refusedWith(const QString& message) {
    KeyVerdict verdict;
    verdict.accept = false;
    verdict.message = message;
    return verdict;
}

inline KeyVerdict acceptIf(bool ok) {
    return ok ? accepted() : refused();
}

inline LeaveVerdict passed(const QString& text, const QString& normalised) {
    LeaveVerdict verdict;
    verdict.newText = normalised;
    verdict.textChanged = normalised != text;
    return verdict;
}

inline LeaveVerdict failed(const QString& text, const QString& message, int page,
                           LeaveVerdict::Restore restore, const QString& finalText) {
    LeaveVerdict verdict = passed(text, finalText);
    verdict.ok = false;
    verdict.message = message;
    verdict.page = page;
    verdict.restore = restore;
    return verdict;
}

inline LeaveVerdict restoringEntryValue(const QString& text, const QString& message, int page,
                                        const QString& entryValue) {
    return failed(text, message, page, LeaveVerdict::Restore::EntryValue, entryValue);
}

} // namespace fieldrules::verdicts
