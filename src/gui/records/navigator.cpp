#include "gui/records/navigator.h"

#include "gui/widgets/widgets.h"

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
    m_firstButton = arrow(this, "firstButton", QStringLiteral("|<"), tr("First record"));
    m_previousButton = arrow(this, "previousButton", QStringLiteral("<"), tr("Previous record"));
    m_nextButton = arrow(this, "nextButton", QStringLiteral(">"), tr("Next record"));
    m_lastButton = arrow(this, "lastButton", QStringLiteral(">|"), tr("Last record"));
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
    layout->addWidget(m_firstButton);
    layout->addWidget(m_previousButton);
    layout->addWidget(m_caption, 1);
    layout->addWidget(m_nextButton);
    layout->addWidget(m_lastButton);

    connect(m_firstButton, &QToolButton::clicked, this, &Navigator::firstRequested);
    connect(m_previousButton, &QToolButton::clicked, this, &Navigator::previousRequested);
    connect(m_nextButton, &QToolButton::clicked, this, &Navigator::nextRequested);
    connect(m_lastButton, &QToolButton::clicked, this, &Navigator::lastRequested);
}

void Navigator::setCaption(const QString& caption) {
    m_caption->setText(caption);
}

QString Navigator::caption() const {
    return m_caption->text();
}

std::array<QWidget*, 4> Navigator::buttons() const {
    return {m_firstButton, m_previousButton, m_nextButton, m_lastButton};
}
