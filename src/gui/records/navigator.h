#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QToolButton;

// The record control's face: first, previous, the caption naming the current record, next and
// last. It only asks for moves; the editor moves its record set and sets the caption.
class Navigator : public QWidget {
    Q_OBJECT
public:
    explicit Navigator(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const;

    // First, previous, next and last, as they stand: the editor puts them in its Tab order.
    std::array<QWidget*, 4> buttons() const;

signals:
    void firstRequested();
    void previousRequested();
    void nextRequested();
    void lastRequested();

private:
    QToolButton* m_firstButton;
    QToolButton* m_previousButton;
    QToolButton* m_nextButton;
    QToolButton* m_lastButton;
    QLabel* m_caption;
};
