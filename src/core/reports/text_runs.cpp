#include "core/reports/text_runs.h"

#include <QStringView>

namespace report {

bool isChineseCodePoint(char32_t codePoint) {
    switch (QChar::script(codePoint)) {
    case QChar::Script_Han:
    case QChar::Script_Bopomofo:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
        return true;
    default:
        break;
    }
    return (codePoint >= 0x2E80 && codePoint <= 0x303F)     // radicals, ideographic punctuation
           || (codePoint >= 0x3200 && codePoint <= 0x33FF)  // enclosed letters, compatibility
           || (codePoint >= 0xFE30 && codePoint <= 0xFE4F)  // compatibility forms
           || (codePoint >= 0xFF00 && codePoint <= 0xFFEF); // full-width forms
}

QList<TextRun> scriptRuns(const QString& text) {
    QList<TextRun> runs;
    qsizetype at = 0;
    while (at < text.size()) {
        const char32_t codePoint = text.at(at).isHighSurrogate() && at + 1 < text.size()
                                       ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1))
                                       : text.at(at).unicode();
        const qsizetype length = codePoint > 0xFFFF ? 2 : 1;
        const bool chinese = isChineseCodePoint(codePoint);
        if (runs.isEmpty() || runs.last().chinese != chinese)
            runs.append({QString(), chinese});
        runs.last().text += QStringView(text).mid(at, length);
        at += length;
    }
    return runs;
}

} // namespace report
