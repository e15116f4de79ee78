#pragma once

#include <QWidget>
#include <array>
#include <functional>

class FieldBinder;
class FieldEdit;
class QGridLayout;
class QLabel;
class QRadioButton;

// The record editor's four pages, each built from the field table in reading order, which is
// the order the Tab key follows. The fields are made through the binder, which owns their
// binding; a page owns only its layout and the few controls that are not bound.
class RecordPage : public QWidget {
public:
    using QWidget::QWidget;
    // The field that takes the focus when the page is shown, or null.
    virtual QWidget* firstField() const { return nullptr; }
};

// Page 1: the record type, the sheet number, names, identity numbers, addresses and capacity.
class IdentityPage : public RecordPage {
public:
    explicit IdentityPage(FieldBinder& binder);
    // "Original", "Replacement" and "Supplementary".
    QRadioButton* recordTypeOption(int index) const { return m_recordTypes[index]; }
    // Page Up and Page Down in an option page as in every field of page 1.
    void setPaging(std::function<void(int page)> showPage) { m_showPage = std::move(showPage); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* recordTypeBox();
    QWidget* identityNumber(FieldBinder& binder, int index);
    std::array<QRadioButton*, 3> m_recordTypes{};
    std::function<void(int)> m_showPage;
};

// Page 2: the period of employment, the income lines and their total.
class IncomePage : public RecordPage {
public:
    explicit IncomePage(FieldBinder& binder);
    QWidget* firstField() const override { return m_firstDate; }
    FieldEdit* total() const { return m_total; }
    // The years of 1 April and 31 March that bound the return year.
    void showYears(int returnYear);

private:
    void addPeriodDates(FieldBinder& binder, QGridLayout* grid, int row);
    int addIncomeLines(FieldBinder& binder, QGridLayout* grid, int row);
    QWidget* m_firstDate = nullptr;
    FieldEdit* m_total = nullptr;
    std::array<QLabel*, 4> m_yearLabels{};
};

// Page 3: up to two places of residence with their rents.
class ResidencePage : public RecordPage {
public:
    explicit ResidencePage(FieldBinder& binder);
    QWidget* firstField() const override { return m_indicator; }

private:
    int addPlace(FieldBinder& binder, QGridLayout* grid, int row, int place);
    QWidget* m_indicator = nullptr;
};

// Page 4: payment by an overseas company, the employee's file number and remarks.
class OverseasPage : public RecordPage {
public:
    explicit OverseasPage(FieldBinder& binder);
    QWidget* firstField() const override { return m_indicator; }

private:
    QWidget* m_indicator = nullptr;
};
