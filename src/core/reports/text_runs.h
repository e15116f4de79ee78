#pragma once

#include <QList>
#include <QString>

// Chinese characters are drawn in a Chinese font and everything else (letters, digits,
// punctuation) in a Latin one. Digits drawn in a Chinese font cannot be read back out of a PDF,
// so each line is cut into runs that each take one font.
namespace report {

struct TextRun {
    QString text;
    bool chinese = false;
};

// True for ideographs, CJK punctuation, full-width forms and the other East Asian scripts.
bool isChineseCodePoint(char32_t codePoint);

// The text cut into maximal runs of Chinese and of other characters, in order.
QList<TextRun> scriptRuns(const QString& text);

} // namespace report
