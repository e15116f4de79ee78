#pragma once

#include <QStatusBar>

class QLabel;
struct EmployerData;

// The record editor's status bar: what the last command did, the shown record's place among the
// records, and the employer the return is for. When a command wrote a file, "Open folder" opens
// the folder it went to.
class EditorStatus : public QStatusBar {
    Q_OBJECT
public:
    explicit EditorStatus(QWidget* parent = nullptr);

    void showEmployer(const EmployerData& employer);
    void showPosition(const QString& position);
    void showResult(const QString& text, const QString& folder);

private:
    void openFolder();

    QLabel* m_result;
    QLabel* m_openFolder; // a link, no taller than the texts beside it
    QLabel* m_position;
    QLabel* m_employer;
    QString m_folder;
};
