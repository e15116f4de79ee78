#pragma once

#include "core/records/name_list.h"

#include <QAbstractItemModel>
#include <array>

// The name search's outline as a model of two levels: the letters A to Z, and under each the
// names listed there in name order. A name is held as its entry's text, its record's row key and
// the length of its surname, no more: at 100,000 records a tree of items cost about 90 MB.
class NameTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    using QAbstractItemModel::QAbstractItemModel;

    // Replaces every name by those of a freshly built list.
    void setNames(const NameList& list);
    // Puts a saved record's entry at its place, or takes a deleted one's out; a record that is
    // not listed (no other names, a surname not beginning with A to Z) changes nothing.
    void insertName(const NameEntry& names);
    void removeName(const NameEntry& names);

    QModelIndex letterIndex(int letter) const { return index(letter, 0); }
    static bool isName(const QModelIndex& index) { return index.parent().isValid(); }
    // The first name whose entry begins with the text (case ignored); the letter itself when
    // none of its names does; invalid for a text that does not begin with a letter A to Z.
    QModelIndex firstMatch(const QString& text) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Name {
        QString text;
        qint64 rowId;
        qint32 surnameLength;
    };
    static NameEntry namesOf(const Name& name);
    // The place of a record's entry under its letter, or where it would go.
    int placeUnder(int letter, const NameEntry& names) const;

    std::array<QList<Name>, 26> m_names;
};
