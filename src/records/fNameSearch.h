#pragma once

#include <QWidget>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class fXW73D;

// "Name Search": every employee under the initial letter of the surname. Choosing a name shows
// that record in the editor. The list is rebuilt each time the window is activated.
class fNameSearch : public QWidget {
    Q_OBJECT
public:
    explicit fNameSearch(fXW73D& editor);

    QTreeWidget* Outline1;
    QPushButton* cExit;

    void FillNameList();
    void ExpandNameList();
    // Removes the shown record's entry: the selected name, or the first entry with its text
    // after the selected letter.
    void removeEntry(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Outline1_Click(QTreeWidgetItem* item);
    void toggle(QTreeWidgetItem* item);

    fXW73D& m_editor;
};
