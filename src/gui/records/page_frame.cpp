#include "gui/records/page_frame.h"

#include "gui/records/record_pages.h"
#include "gui/widgets/widgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QObject>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The page-tab picture: four tabs with the visible page's one raised.
QPixmap tabPicture(int visible) {
    QPixmap picture(400, 6);
    picture.fill(QColor(160, 160, 160));
    QPainter painter(&picture);
    painter.fillRect(visible * 100, 0, 100, 6, QColor(0, 0, 128));
    return picture;
}

} // namespace

// The pages are built parentless in reading order and then put into the stack, so Tab follows
// them from field to field.
PageFrame::PageFrame(FieldBinder& binder, QWidget* parent)
    : QWidget(parent) {
    auto* tabs = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_tabs[i] = new QLabel(QObject::tr("Page %1").arg(i + 1), this);
        m_tabs[i]->setObjectName(QStringLiteral("lPage(%1)").arg(i));
        m_tabs[i]->setAlignment(Qt::AlignCenter);
        m_tabs[i]->setCursor(Qt::PointingHandCursor);
        m_tabs[i]->installEventFilter(this);
        tabs->addWidget(m_tabs[i]);
    }
    m_tabPicture = widgets::named(new QLabel(this), "Picture4");
    m_tabPicture->setScaledContents(true);
    m_tabPicture->setFixedHeight(6);
    m_stack = widgets::named(new QStackedWidget(this), "pages");
    m_identityPage = new IdentityPage(binder);
    m_incomePage = new IncomePage(binder);
    m_pages = {m_identityPage, m_incomePage, new ResidencePage(binder), new OverseasPage(binder)};
    for (int i = 0; i < 4; ++i) {
        m_pages[i]->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        m_stack->addWidget(m_pages[i]);
    }
    auto* tabStrip = new QVBoxLayout; // the tab picture right under its captions
    tabStrip->setSpacing(0);
    tabStrip->addLayout(tabs);
    tabStrip->addWidget(m_tabPicture);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(tabStrip);
    layout->addWidget(m_stack, 1);
}

void PageFrame::switchTo(int page, int returnYear) {
    m_tabPicture->setPixmap(tabPicture(page - 1));
    m_stack->setCurrentIndex(page - 1);
    for (int i = 0; i < 4; ++i) {
        QFont font = m_tabs[i]->font();
        font.setBold(i == page - 1);
        m_tabs[i]->setFont(font);
    }
    if (page == 2)
        m_incomePage->showYears(returnYear);
    if (QWidget* first = m_pages[page - 1]->firstField())
        first->setFocus();
}

void PageFrame::setPagesEnabled(bool enabled) {
    m_stack->setEnabled(enabled);
}

int PageFrame::visiblePage() const {
    return m_stack->currentIndex() + 1;
}

bool PageFrame::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 4; ++i)
        if (watched == m_tabs[i] && event->type() == QEvent::MouseButtonRelease) {
            emit tabClicked(i + 1);
            return true;
        }
    return QWidget::eventFilter(watched, event);
}
