#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

// Latin words of two letters or more left in a text shown in Chinese, other than the program's
// and the authority's names, file formats, keys, the default password, and the names and codes
// the test typed. A path
// is a name: it is left out whole.
inline QStringList englishLeft(const QString& shown, const QStringList& typed = {}) {
    static const QStringList allowed{
        QStringLiteral("XWD"),      QStringLiteral("CSV"),   QStringLiteral("PDF"),
        QStringLiteral("MB"),       QStringLiteral("CD"),    QStringLiteral("ZIP"),
        QStringLiteral("UTF"),      QStringLiteral("HKSCS"), QStringLiteral("SQLite"),
        QStringLiteral("DDMMYYYY"), QStringLiteral("Enter"), QStringLiteral("Tab"),
        QStringLiteral("Escape"),   QStringLiteral("ID"),    QStringLiteral("xwd"),
        QStringLiteral("ini"),      QStringLiteral("mdb"),   QStringLiteral("English"),
        QStringLiteral("Alt"),      QStringLiteral("Ctrl"),  QStringLiteral("Shift"),
        QStringLiteral("qvz")};
    QString text = shown;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.remove(QRegularExpression(QStringLiteral("\\S*[/\\\\]\\S*")));
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    QStringList left;
    for (const QRegularExpressionMatch& word :
         QRegularExpression(QStringLiteral("\\b[A-Za-z]{2,}\\b")).globalMatch(text))
        if (!allowed.contains(word.captured(0)) && !typed.contains(word.captured(0)))
            left << word.captured(0);
    return left;
}

// The texts of a window a user reads: its title, labels, buttons, group titles and menu titles.
inline QStringList shownTexts(const QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(child))
            texts << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            texts << button->text() << button->toolTip();
        else if (const auto* box = qobject_cast<const QGroupBox*>(child))
            texts << box->title();
    }
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (const QAction* menu : bar->actions()) {
            texts << menu->text();
            if (menu->menu())
                for (const QAction* item : menu->menu()->actions())
                    texts << item->text();
        }
    texts.removeAll(QString());
    return texts;
}

// Alt letters of a window's captions that do not work: a caption whose "&" gives no key, or two
// visible captions that share one.
inline QStringList mnemonicClashes(const QWidget* window) {
    QHash<QString, QString> owners;
    QStringList clashes;
    const auto take = [&](const QString& caption) {
        if (!caption.contains(u'&') ||
            caption.count(QStringLiteral("&&")) * 2 == caption.count(u'&'))
            return;
        const QString key = QKeySequence::mnemonic(caption).toString();
        if (key.isEmpty())
            clashes << QStringLiteral("no Alt letter: %1").arg(caption);
        else if (owners.contains(key) && owners.value(key) != caption)
            clashes
                << QStringLiteral("%1 on \"%2\" and \"%3\"").arg(key, owners.value(key), caption);
        else
            owners.insert(key, caption);
    };
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            take(button->text());
        else if (const auto* label = qobject_cast<const QLabel*>(child); label && label->buddy())
            take(label->text());
    }
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (const QAction* menu : bar->actions())
            take(menu->text());
    return clashes;
}
