#include "records/navigator.h"

#include "platform/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

QToolButton* arrow(QWidget* parent, const char* name, const QString& text, const QString& spoken) {
    auto* button = widgets::named(new QToolButton(parent), name);
    button->setText(text);
    button->setAccessibleName(spoken);
    button->setToolTip(spoken);
    button->setAutoRaise(false);
    return button;
}

} // namespace

Navigator::Navigator(QWidget* parent)
    : QWidget(parent) {
    firstButton = arrow(this, "firstButton", QStringLiteral("|<"), tr("First record"));
    previousButton = arrow(this, "previousButton", QStringLiteral("<"), tr("Previous record"));
    nextButton = arrow(this, "nextButton", QStringLiteral(">"), tr("Next record"));
    lastButton = arrow(this, "lastButton", QStringLiteral(">|"), tr("Last record"));
    m_caption = widgets::named(new QLabel(this), "caption");
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);
    m_caption->setMinimumWidth(240);
    // The caption is the label's own text, so screen readers speak the record's name; what
    // the label is for goes into its description.
    m_caption->setAccessibleDescription(tr("Current record"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(firstButton);
    layout->addWidget(previousButton);
    layout->addWidget(m_caption, 1);
    layout->addWidget(nextButton);
    layout->addWidget(lastButton);

    connect(firstButton, &QToolButton::clicked, this, &Navigator::firstRequested);
    connect(previousButton, &QToolButton::clicked, this, &Navigator::previousRequested);
    connect(nextButton, &QToolButton::clicked, this, &Navigator::nextRequested);
    connect(lastButton, &QToolButton::clicked, this, &Navigator::lastRequested);
}

void Navigator::setCaption(const QString& caption) {
    m_caption->setText(caption);
}

QString Navigator::caption() const {
    return m_caption->text();
}
