#pragma once

#include <QWidget>
#include <array>

class FieldBinder;
class IdentityPage;
class IncomePage;
class QLabel;
class QStackedWidget;
class RecordPage;

// The record editor's four pages one above the other, with the page tabs over them: the
// captions "Page 1" to "Page 4", which a click chooses, and the picture of the visible one.
class PageFrame : public QWidget {
    Q_OBJECT
public:
    explicit PageFrame(FieldBinder& binder, QWidget* parent);

    IdentityPage& identityPage() const { return *m_identityPage; }
    IncomePage& incomePage() const { return *m_incomePage; }
    // Shows the page (1 to 4) and gives the focus to its first field; page 2's year labels
    // show the years that bound the return year.
    void switchTo(int page, int returnYear);
    int visiblePage() const;
    // Off while a save runs; the tabs stay usable.
    void setPagesEnabled(bool enabled);

signals:
    void tabClicked(int page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 4> m_tabs{};
    QLabel* m_tabPicture;
    QStackedWidget* m_stack;
    std::array<RecordPage*, 4> m_pages{};
    IdentityPage* m_identityPage;
    IncomePage* m_incomePage;
};
