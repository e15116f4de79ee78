#include "gui/reports/preview_window.h"

#include "core/common/engine_error.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/window_place.h"
#include "gui/reports/page_painter.h"
#include "gui/reports/print_flow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr double millimetresPerInch = 25.4;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QLatin1String(name));
    created->setAutoDefault(false);
    return created;
}

QSpinBox* pageNumberBox(QWidget* parent, const char* name, int pages) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(pages > 0 ? 1 : 0, pages);
    return box;
}

} // namespace

PreviewWindow::PreviewWindow(std::shared_ptr<const report::Report> report, QString suggestedPdfPath,
                             QWidget* parent)
    : QDialog(parent)
    , m_report(std::move(report))
    , m_suggestedPdfPath(std::move(suggestedPdfPath)) {
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(QObject::tr("XW73D - Preview"));
    m_scroller = new QScrollArea(this);
    m_pageImage = new QLabel(m_scroller);
    m_pageImage->setObjectName(QStringLiteral("pageImage"));
    m_scroller->setWidget(m_pageImage);
    m_scroller->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPaging());
    layout->addWidget(m_scroller, 1);
    layout->addWidget(buildOutput());
    wire();
    platform::keepWindowPlace(this, objectName(), QSize(900, 1000));
    displayPage(pageCount() > 0 ? 0 : -1);
}

QWidget* PreviewWindow::buildPaging() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    m_firstButton = button(bar, "firstPage", QStringLiteral("|<"));
    m_previousButton = button(bar, "previousPage", QStringLiteral("<"));
    m_pageBox = pageNumberBox(bar, "pageNumber", pageCount());
    m_pageCountLabel = new QLabel(QObject::tr("of %1").arg(pageCount()), bar);
    m_nextButton = button(bar, "nextPage", QStringLiteral(">"));
    m_lastButton = button(bar, "lastPage", QStringLiteral(">|"));
    m_zoomBox = new QComboBox(bar);
    m_zoomBox->setObjectName(QStringLiteral("zoom"));
    for (int percent : {50, 75, 100, 125, 150, 200})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent);
    m_zoomBox->setCurrentIndex(2);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_firstButton, m_previousButton, m_pageBox,
                                         m_pageCountLabel, m_nextButton, m_lastButton, m_zoomBox})
        row->addWidget(widget);
    row->addStretch();
    return bar;
}

QWidget* PreviewWindow::buildOutput() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    m_fromBox = pageNumberBox(bar, "printFrom", pageCount());
    m_toBox = pageNumberBox(bar, "printTo", pageCount());
    m_fromBox->setValue(m_fromBox->minimum());
    m_toBox->setValue(m_toBox->maximum());
    m_printButton = button(bar, "printPages", QObject::tr("&Print"));
    m_saveButton = button(bar, "saveAsPdf", QObject::tr("Save as P&DF"));
    auto* closeButton = button(bar, "closePreview", QObject::tr("&Close"));
    row->addWidget(new QLabel(QObject::tr("Pages"), bar));
    row->addWidget(m_fromBox);
    row->addWidget(new QLabel(QStringLiteral("to"), bar));
    row->addWidget(m_toBox);
    row->addWidget(m_printButton);
    row->addWidget(m_saveButton);
    row->addStretch();
    row->addWidget(closeButton);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    const bool hasPages = pageCount() > 0;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_fromBox, m_toBox, m_printButton, m_saveButton})
        widget->setEnabled(hasPages);
    return bar;
}

void PreviewWindow::wire() {
    connect(m_firstButton, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(m_previousButton, &QPushButton::clicked, this, [this] { showPage(m_current - 1); });
    connect(m_nextButton, &QPushButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(m_lastButton, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int number) {
        if (number > 0)
            showPage(number - 1);
    });
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this, &PreviewWindow::redraw);
    connect(m_printButton, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(m_saveButton, &QPushButton::clicked, this, &PreviewWindow::save);
}

double PreviewWindow::scale() const {
    return logicalDpiX() / millimetresPerInch * m_zoomBox->currentData().toInt() / 100.0;
}

void PreviewWindow::showPage(int index) {
    const int page = pageCount() > 0 ? std::clamp(index, 0, pageCount() - 1) : -1;
    if (page != m_current)
        displayPage(page);
}

void PreviewWindow::displayPage(int page) {
    m_current = page;
    redraw();
    updatePaging();
}

void PreviewWindow::redraw() {
    if (m_current < 0) {
        m_pageImage->setText(QObject::tr("There are no pages to show."));
        m_pageImage->adjustSize();
        return;
    }
    // A page that cannot be drawn says why in its place; the other pages stay at hand.
    try {
        m_pageImage->setPixmap(
            QPixmap::fromImage(report::pageImage(m_report->page(m_current), scale())));
    } catch (const EngineError& error) {
        m_pageImage->setText(error.description());
    }
    m_pageImage->adjustSize();
}

void PreviewWindow::updatePaging() {
    const QSignalBlocker blocker(m_pageBox);
    m_pageBox->setValue(m_current + 1);
    m_firstButton->setEnabled(m_current > 0);
    m_previousButton->setEnabled(m_current > 0);
    m_nextButton->setEnabled(m_current + 1 < pageCount());
    m_lastButton->setEnabled(m_current + 1 < pageCount());
}

report::PageRange PreviewWindow::chosenRange() const {
    const int from = std::min(m_fromBox->value(), m_toBox->value());
    return {from - 1, std::max(m_fromBox->value(), m_toBox->value()) - 1};
}

void PreviewWindow::print() {
    const report::PageRange range = chosenRange();
    const QString saved = report::printOrOfferPdf(*m_report, range, m_suggestedPdfPath).savedPdf;
    if (!saved.isEmpty())
        emit pdfSaved(saved, range.count());
}

void PreviewWindow::save() {
    const report::PageRange range = chosenRange();
    const QString saved = report::savePdf(*m_report, range, m_suggestedPdfPath, this);
    if (!saved.isEmpty())
        emit pdfSaved(saved, range.count());
}
