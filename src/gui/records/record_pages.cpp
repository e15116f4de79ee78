#include "gui/records/record_pages.h"

#include "core/records/income_lines.h"
#include "core/records/record_types.h"
#include "gui/records/field_binder.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QObject>
#include <QRadioButton>
#include <algorithm>

using widgets::named;

namespace {

QLabel* text(QWidget* parent, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setWordWrap(true);
    return label;
}

// A caption beside its field, forwarding the mnemonic and naming the field for screen readers.
QLabel* caption(QWidget* parent, const QString& words, QWidget* field) {
    QLabel* label = widgets::labelFor(parent, words, field);
    label->setWordWrap(true);
    return label;
}

QString withDots(const char* name) {
    return QCoreApplication::translate("IncomeLine", name) + QStringLiteral(" ") +
           QString(12, u'.');
}

} // namespace

IdentityPage::IdentityPage(FieldBinder& binder) {
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2); // the window then fits a 1366x768 screen
    int row = 0;
    grid->addWidget(recordTypeBox(), row, 0, 1, 2);
    FieldEdit* sheetNumber = binder.create(this, "tSheetNo");
    grid->addWidget(caption(this, QObject::tr("Sheet Number"), sheetNumber), row, 2);
    grid->addWidget(sheetNumber, row++, 3);

    auto addRow = [&](const QString& words, QWidget* field) {
        grid->addWidget(caption(this, words, field), row, 0);
        grid->addWidget(field, row++, 1, 1, 3);
    };
    auto addText = [&](int element, const QString& words) {
        addRow(words, binder.create(this, "tPage1", element));
    };
    auto identity = [&](int index, const QString& words) {
        QWidget* box = identityNumber(binder, index);
        grid->addWidget(caption(this, words, binder.element("tHKID", index)), row, 0);
        grid->addWidget(box, row++, 1, 1, 3);
    };
    addText(0, QObject::tr("Surname"));
    addText(1, QObject::tr("Other Names in Full"));
    identity(0, QObject::tr("H.K. Identity Card Number"));
    addText(2, QObject::tr("Passport No. && Country of Issue"));
    grid->addWidget(text(this, QObject::tr("(if Employee has no H.K. Identity Card)")), row++, 1, 1,
                    3);
    addRow(QObject::tr("Sex (M or F)"), binder.create(this, "tSex"));
    addRow(QObject::tr("Marital Status (1=Single/Widowed/Divorced/Separated, 2=Married)"),
           binder.create(this, "tMStatus"));
    addText(3, QObject::tr("If married, full name of spouse"));
    identity(1, QObject::tr("Spouse's H.K. Identity Card Number"));
    addText(4, QObject::tr("Passport Number && Country of Issue"));
    addRow(QObject::tr("Full Name in Chinese"), binder.create(this, "tChineseName"));
    addText(5, QObject::tr("Residential Address (HK,KLN, NT not required)"));
    grid->addWidget(binder.create(this, "tPage1", 6), row++, 1, 1, 3);
    addRow(QObject::tr("Area Code (H=HK, K=KLN, N-NT F-Foreign)"),
           binder.create(this, "tAreaCode"));
    addText(7, QObject::tr("Correspondence Address"));
    addText(8, QObject::tr("Capacity in which employed"));
    addText(9, QObject::tr("If part time, the name of his/her principal employer"));
    for (const char* single : {"tSex", "tMStatus", "tAreaCode"})
        binder.element(single)->setMaximumWidth(30);
    grid->setRowStretch(row, 1);
}

QWidget* IdentityPage::recordTypeBox() {
    auto* box = named(new QGroupBox(QObject::tr("Record Type"), this), "fraEntry");
    auto* types = new QHBoxLayout(box);
    for (int i = 0; i < 3; ++i) {
        m_recordTypes[i] = new QRadioButton(
            QCoreApplication::translate("RecordListModel",
                                        recordtype::recordTypeNames[static_cast<std::size_t>(i)]),
            box);
        m_recordTypes[i]->setObjectName(QStringLiteral("optStatus(%1)").arg(i));
        m_recordTypes[i]->installEventFilter(this);
        types->addWidget(m_recordTypes[i]);
    }
    return box;
}

bool IdentityPage::eventFilter(QObject* watched, QEvent* event) {
    // With Ctrl held the key was a page shortcut of the window, already carried out.
    if (event->type() == QEvent::KeyRelease && m_showPage &&
        !static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::ControlModifier) &&
        std::ranges::find(m_recordTypes, watched) != m_recordTypes.end()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp)
            m_showPage(4);
        else if (key == Qt::Key_PageDown)
            m_showPage(2);
    }
    return RecordPage::eventFilter(watched, event);
}

// An identity card number with its check character in brackets after it.
QWidget* IdentityPage::identityNumber(FieldBinder& binder, int index) {
    FieldEdit* number = binder.create(this, "tHKID", index);
    FieldEdit* checkCharacter = binder.create(this, "tChkDigit", index);
    checkCharacter->setMaximumWidth(30);
    auto* box = new QWidget(this);
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(number);
    line->addWidget(text(box, QStringLiteral("(")));
    line->addWidget(checkCharacter);
    line->addWidget(text(box, QStringLiteral(")")));
    line->addStretch();
    return box;
}

IncomePage::IncomePage(FieldBinder& binder) {
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i) {
        m_yearLabels[i] = new QLabel(this);
        m_yearLabels[i]->setObjectName(QStringLiteral("lYear1(%1)").arg(i));
    }
    auto yearLine = [&](const QString& words, QLabel* from, QLabel* to) {
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        line->addWidget(new QLabel(words, this));
        line->addWidget(from);
        line->addWidget(new QLabel(QObject::tr("to 31 March"), this));
        line->addWidget(to);
        line->addStretch();
        return line;
    };
    int row = 0;
    grid->addLayout(yearLine(QObject::tr("Period of employment for the year from 1 April"),
                             m_yearLabels[0], m_yearLabels[1]),
                    row++, 0, 1, 4);
    addPeriodDates(binder, grid, row++);
    grid->addLayout(yearLine(QObject::tr("Particulars of Income accruing for the year from 1 "
                                         "April"),
                             m_yearLabels[2], m_yearLabels[3]),
                    row++, 0, 1, 4);
    grid->addWidget(text(this, QObject::tr("Particulars")), row, 0);
    grid->addWidget(text(this, QObject::tr("Period")), row, 1);
    grid->addWidget(text(this, QObject::tr("Amount (HK$)")), row, 2);
    grid->addWidget(text(this, QObject::tr("EXCLUDE CENTS")), row++, 3);

    row = addIncomeLines(binder, grid, row);
    m_total = named(new FieldEdit(this), "tTotal");
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_total->setAlignment(Qt::AlignRight);
    grid->addWidget(caption(this, QObject::tr("Total"), m_total), row, 1, Qt::AlignRight);
    grid->addWidget(m_total, row++, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
}

void IncomePage::showYears(int returnYear) {
    for (int i = 0; i < 4; ++i)
        m_yearLabels[i]->setText(QString::number(i % 2 == 0 ? returnYear - 1 : returnYear));
}

void IncomePage::addPeriodDates(FieldBinder& binder, QGridLayout* grid, int row) {
    auto* dates = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        FieldEdit* part = binder.create(this, "tddmmyy", i);
        part->setMaximumWidth(i % 3 == 2 ? 60 : 36);
        dates->addWidget(part);
        if (i % 3 != 2)
            dates->addWidget(text(this, QStringLiteral("/")));
        else
            dates->addWidget(text(this, QObject::tr("(Day/Month/Year)")));
        if (i == 2)
            dates->addWidget(text(this, QObject::tr("to")));
    }
    dates->addStretch();
    grid->addLayout(dates, row, 0, 1, 4);
    m_firstDate = binder.element("tddmmyy", 0);
}

// The fourteen income lines from the grid's row on, each with its period and amount; the three
// other rewards carry their nature under one heading. Returns the row after them.
int IncomePage::addIncomeLines(FieldBinder& binder, QGridLayout* grid, int row) {
    int i = 0;
    for (const IncomeLine& line : incomeLines()) {
        const int periodElement = i < 9 ? i : i + 1;
        const int item = otherRewardOf(line);
        if (item >= 0) {
            if (item == 0)
                grid->addWidget(
                    text(this, QCoreApplication::translate("IncomeLine", line.editorLabel)), row++,
                    0, 1, 4);
            FieldEdit* natureField = binder.create(this, "tNature", item);
            auto* nature = new QHBoxLayout;
            nature->addWidget(text(this, QObject::tr("Nature")));
            nature->addWidget(natureField);
            grid->addLayout(nature, row, 0);
        } else {
            grid->addWidget(text(this, withDots(line.editorLabel)), row, 0);
        }
        FieldEdit* period = binder.create(this, "tPeriod", periodElement);
        FieldEdit* amount = binder.create(this, "tIncome", i++);
        amount->setAlignment(Qt::AlignRight);
        grid->addWidget(period, row, 1);
        grid->addWidget(amount, row++, 2);
    }
    return row;
}

ResidencePage::ResidencePage(FieldBinder& binder) {
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2); // as on pages 1 and 2: room for the default-password line
    int row = 0;
    FieldEdit* indicator = binder.create(this, "tQFlag");
    indicator->setMaximumWidth(30);
    m_indicator = indicator;
    grid->addWidget(
        caption(this, QObject::tr("Particulars of Place of Residence provided"), indicator), row,
        0);
    grid->addWidget(indicator, row++, 1);
    grid->addWidget(text(this, QObject::tr("(0=No Place of Residence provided, 1=Place of "
                                           "Residence provided by Employer)")),
                    row++, 0, 1, 3);
    for (int place = 0; place < 2; ++place)
        row = addPlace(binder, grid, row, place);
    grid->setRowStretch(row, 1);
}

// A place's address, nature and period, then its four rents. Returns the row after them.
int ResidencePage::addPlace(FieldBinder& binder, QGridLayout* grid, int row, int place) {
    const int first = place * 4;
    std::array<FieldEdit*, 4> lines{};
    for (int line = 0; line < 4; ++line)
        lines[line] = binder.create(this, "tPage3", first + line);
    const QString heading = QObject::tr("Address %1").arg(place + 1);
    grid->addWidget(caption(this, heading, lines[0]), row, 0);
    grid->addWidget(lines[0], row++, 1, 1, 2);
    grid->addWidget(lines[1], row++, 1, 1, 2);
    grid->addWidget(caption(this, QObject::tr("Nature"), lines[2]), row, 0);
    grid->addWidget(lines[2], row++, 1, 1, 2);
    grid->addWidget(caption(this, QObject::tr("Period provided"), lines[3]), row, 0);
    grid->addWidget(lines[3], row++, 1, 1, 2);
    for (int rent = 0; rent < 4; ++rent) {
        FieldEdit* field = binder.create(this, "tRent1", first + rent);
        field->setAlignment(Qt::AlignRight);
        field->setMaximumWidth(120);
        grid->addWidget(caption(this,
                                QCoreApplication::translate(
                                    "IncomeLine", rentLabels()[static_cast<std::size_t>(rent)]),
                                field),
                        row, 0);
        auto* amount = new QHBoxLayout;
        amount->addWidget(text(this, QObject::tr("HK$")));
        amount->addWidget(field);
        amount->addStretch();
        grid->addLayout(amount, row++, 1, 1, 2);
    }
    return row;
}

OverseasPage::OverseasPage(FieldBinder& binder) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    const QString question = QObject::tr(
        "Whether the employee was wholly or partly paid by an overseas company either in Hong "
        "Kong or overseas (0=NO, 1=YES)");
    FieldEdit* indicator = binder.create(this, "tOSeaFlag");
    indicator->setMaximumWidth(30);
    m_indicator = indicator;
    grid->addWidget(caption(this, question, indicator), row, 0);
    grid->addWidget(indicator, row++, 1);
    grid->addWidget(text(this, QObject::tr("If yes, please state:")), row++, 0, 1, 2);
    const std::array<const char*, 5> captions{
        QT_TRANSLATE_NOOP("QObject",
                          "Amount (if known) (This amount must also be included in Page 2)"),
        QT_TRANSLATE_NOOP("QObject", "Name of overseas company"),
        QT_TRANSLATE_NOOP("QObject", "Address"),
        QT_TRANSLATE_NOOP("QObject", "Employee's Tax File Number in XWD"),
        QT_TRANSLATE_NOOP("QObject", "Remarks")};
    for (int i = 0; i < 5; ++i) {
        FieldEdit* field = binder.create(this, "tPage4", i);
        grid->addWidget(caption(this, QObject::tr(captions[i]), field), row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->addWidget(text(this, QObject::tr("(Please check the correctness of the information "
                                           "entered, then click the 'Update' button to save "
                                           "the record.)")),
                    row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}
