#pragma once

#include "core/reports/page.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

// "reportPreview": shows a report one page at a time. A page is drawn only when it is shown, so
// a report of every record opens at once and stays light however many pages it has. From here
// the user prints all pages or a range, or saves them as a PDF file, offered under the suggested
// path.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(std::shared_ptr<const report::Report> report, QString suggestedPdfPath,
                  QWidget* parent = nullptr);

    int pageCount() const { return m_report->pageCount(); }
    // The page shown, from 0; -1 for a report without pages.
    int currentPage() const { return m_current; }
    void showPage(int index);
    // Pixels to the millimetre at the chosen zoom.
    double scale() const;

signals:
    // Pages were saved as a PDF file, from Save as PDF or from Print without a printer.
    void pdfSaved(const QString& path, int pages);

private:
    QWidget* buildPaging();
    QWidget* buildOutput();
    void wire();
    void displayPage(int page);
    void redraw();
    void updatePaging();
    report::PageRange chosenRange() const;
    void print();
    void save();

    std::shared_ptr<const report::Report> m_report;
    QString m_suggestedPdfPath;
    int m_current = -1;

    QPushButton* m_firstButton = nullptr;
    QPushButton* m_previousButton = nullptr;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_lastButton = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_pageCountLabel = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QSpinBox* m_fromBox = nullptr;
    QSpinBox* m_toBox = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QScrollArea* m_scroller = nullptr;
    QLabel* m_pageImage = nullptr;
};
