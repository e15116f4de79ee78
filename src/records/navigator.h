#pragma once

#include <QWidget>

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

    QToolButton* firstButton;
    QToolButton* previousButton;
    QToolButton* nextButton;
    QToolButton* lastButton;

signals:
    void firstRequested();
    void previousRequested();
    void nextRequested();
    void lastRequested();

private:
    QLabel* m_caption;
};
