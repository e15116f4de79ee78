// Construction of the editor's four pages and its command buttons. Fields are created in
// reading order, which is the order the Tab key follows.
#include "gui/records/record_editor.h"

#include "core/records/editor_fields.h"
#include "core/records/income_lines.h"
#include "gui/records/navigator.h"
#include "gui/startup/default_password_notes.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using widgets::named;

namespace {

const std::array<const char*, 4> rentNames{
    "Rent paid to landlord by employer", "Rent paid to landlord by employee",
    "Rent refunded to employee", "Rent paid to employer by employee"};

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
    return QLatin1String(name) + QStringLiteral(" ") + QString(12, u'.');
}

} // namespace

// A field of the editor's field table: its column, character limit and spoken name all come
// from that one table.
FieldEdit* RecordEditor::boundField(QWidget* parent, const char* control, int element) {
    const EditorField* entry = findField(QLatin1String(control), element);
    Q_ASSERT(entry);
    const QString name = element < 0
                             ? QLatin1String(control)
                             : QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(element);
    auto* edit = new FieldEdit(parent);
    edit->setObjectName(name);
    if (entry->limit > 0)
        edit->setMaxLength(entry->limit);
    edit->setAccessibleName(QLatin1String(entry->accessibleName));
    m_bound.insert(QString::fromLatin1(entry->column).toLower(), edit);
    return edit;
}

void RecordEditor::buildScreen() {
    m_navigator = named(new Navigator(this), "Data1");
    auto* tabs = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_pageTabs[i] = new QLabel(QStringLiteral("Page %1").arg(i + 1), this);
        m_pageTabs[i]->setObjectName(QStringLiteral("lPage(%1)").arg(i));
        m_pageTabs[i]->setAlignment(Qt::AlignCenter);
        m_pageTabs[i]->setCursor(Qt::PointingHandCursor);
        m_pageTabs[i]->installEventFilter(this);
        tabs->addWidget(m_pageTabs[i]);
    }
    m_pageTabPicture = named(new QLabel(this), "Picture4");
    m_pageTabPicture->setScaledContents(true);
    m_pageTabPicture->setFixedHeight(6);

    m_pageStack = named(new QStackedWidget(this), "pages");
    const std::array<QWidget*, 4> built{buildPage1(), buildPage2(), buildPage3(), buildPage4()};
    for (int i = 0; i < 4; ++i) {
        m_pages[i] = built[i];
        m_pages[i]->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        m_pageStack->addWidget(m_pages[i]);
    }
    m_statusEdit = boundField(this, "tStatus");
    m_idEdit = boundField(this, "tID");
    m_statusEdit->hide();
    m_idEdit->hide();

    auto* tabStrip = new QVBoxLayout; // the tab picture right under its captions
    tabStrip->setSpacing(0);
    tabStrip->addLayout(tabs);
    tabStrip->addWidget(m_pageTabPicture);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tabStrip);
    layout->addWidget(m_pageStack, 1);
    layout->addWidget(m_navigator);
    layout->addWidget(buildCommands());
    if (defaultpassword::inUse(m_state))
        layout->addWidget(defaultpassword::editorLine(this));
}

QGroupBox* RecordEditor::buildRecordTypeBox(QWidget* page) {
    m_recordTypeBox = named(new QGroupBox(QStringLiteral("Record Type"), page), "fraEntry");
    auto* types = new QHBoxLayout(m_recordTypeBox);
    const std::array<const char*, 3> typeNames{"Original", "Replacement", "Supplementary"};
    for (int i = 0; i < 3; ++i) {
        m_statusOptions[i] = new QRadioButton(QLatin1String(typeNames[i]), m_recordTypeBox);
        m_statusOptions[i]->setObjectName(QStringLiteral("optStatus(%1)").arg(i));
        m_statusOptions[i]->installEventFilter(this);
        types->addWidget(m_statusOptions[i]);
    }
    return m_recordTypeBox;
}

// An identity card number with its check character in brackets after it.
QWidget* RecordEditor::buildIdentityNumber(QWidget* page, int index) {
    m_identityNumberEdits[index] = boundField(page, "tHKID", index);
    m_checkDigitEdits[index] = boundField(page, "tChkDigit", index);
    m_checkDigitEdits[index]->setMaximumWidth(30);
    auto* box = new QWidget(page);
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(m_identityNumberEdits[index]);
    line->addWidget(text(box, QStringLiteral("(")));
    line->addWidget(m_checkDigitEdits[index]);
    line->addWidget(text(box, QStringLiteral(")")));
    line->addStretch();
    return box;
}

QWidget* RecordEditor::buildPage1() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(2); // the window then fits a 1366x768 screen
    int row = 0;
    grid->addWidget(buildRecordTypeBox(page), row, 0, 1, 2);
    m_sheetNumberEdit = boundField(page, "tSheetNo");
    grid->addWidget(caption(page, QStringLiteral("Sheet Number"), m_sheetNumberEdit), row, 2);
    grid->addWidget(m_sheetNumberEdit, row++, 3);

    auto addRow = [&](const QString& words, QWidget* field) {
        grid->addWidget(caption(page, words, field), row, 0);
        grid->addWidget(field, row++, 1, 1, 3);
    };
    auto identity = [&](int index, const QString& words) {
        QWidget* box = buildIdentityNumber(page, index);
        grid->addWidget(caption(page, words, m_identityNumberEdits[index]), row, 0);
        grid->addWidget(box, row++, 1, 1, 3);
    };

    m_identityPageTexts[0] = boundField(page, "tPage1", 0);
    addRow(QStringLiteral("Surname"), m_identityPageTexts[0]);
    m_identityPageTexts[1] = boundField(page, "tPage1", 1);
    addRow(QStringLiteral("Other Names in Full"), m_identityPageTexts[1]);
    identity(0, QStringLiteral("H.K. Identity Card Number"));
    m_identityPageTexts[2] = boundField(page, "tPage1", 2);
    addRow(QStringLiteral("Passport No. && Country of Issue"), m_identityPageTexts[2]);
    grid->addWidget(text(page, QStringLiteral("(if Employee has no H.K. Identity Card)")), row++, 1,
                    1, 3);
    m_sexEdit = boundField(page, "tSex");
    addRow(QStringLiteral("Sex (M or F)"), m_sexEdit);
    m_maritalStatusEdit = boundField(page, "tMStatus");
    addRow(QStringLiteral("Marital Status (1=Single/Widowed/Divorced/Separated, 2=Married)"),
           m_maritalStatusEdit);
    m_identityPageTexts[3] = boundField(page, "tPage1", 3);
    addRow(QStringLiteral("If married, full name of spouse"), m_identityPageTexts[3]);
    identity(1, QStringLiteral("Spouse's H.K. Identity Card Number"));
    m_identityPageTexts[4] = boundField(page, "tPage1", 4);
    addRow(QStringLiteral("Passport Number && Country of Issue"), m_identityPageTexts[4]);
    m_chineseNameEdit = boundField(page, "tChineseName");
    addRow(QStringLiteral("Full Name in Chinese"), m_chineseNameEdit);
    const QString address = QStringLiteral("Residential Address (HK,KLN, NT not required)");
    m_identityPageTexts[5] = boundField(page, "tPage1", 5);
    addRow(address, m_identityPageTexts[5]);
    m_identityPageTexts[6] = boundField(page, "tPage1", 6);
    grid->addWidget(m_identityPageTexts[6], row++, 1, 1, 3);
    m_areaCodeEdit = boundField(page, "tAreaCode");
    addRow(QStringLiteral("Area Code (H=HK, K=KLN, N-NT F-Foreign)"), m_areaCodeEdit);
    m_identityPageTexts[7] = boundField(page, "tPage1", 7);
    addRow(QStringLiteral("Correspondence Address"), m_identityPageTexts[7]);
    m_identityPageTexts[8] = boundField(page, "tPage1", 8);
    addRow(QStringLiteral("Capacity in which employed"), m_identityPageTexts[8]);
    m_identityPageTexts[9] = boundField(page, "tPage1", 9);
    addRow(QStringLiteral("If part time, the name of his/her principal employer"),
           m_identityPageTexts[9]);
    for (FieldEdit* single : {m_sexEdit, m_maritalStatusEdit, m_areaCodeEdit})
        single->setMaximumWidth(30);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget* RecordEditor::buildPage2() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i) {
        m_yearLabels[i] = new QLabel(page);
        m_yearLabels[i]->setObjectName(QStringLiteral("lYear1(%1)").arg(i));
    }
    auto yearLine = [&](const QString& words, QLabel* from, QLabel* to) {
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        line->addWidget(new QLabel(words, page));
        line->addWidget(from);
        line->addWidget(new QLabel(QStringLiteral("to 31 March"), page));
        line->addWidget(to);
        line->addStretch();
        return line;
    };
    int row = 0;
    grid->addLayout(yearLine(QStringLiteral("Period of employment for the year from 1 April"),
                             m_yearLabels[0], m_yearLabels[1]),
                    row++, 0, 1, 4);

    grid->addLayout(buildPeriodDates(page), row++, 0, 1, 4);
    grid->addLayout(yearLine(QStringLiteral("Particulars of Income accruing for the year from 1 "
                                            "April"),
                             m_yearLabels[2], m_yearLabels[3]),
                    row++, 0, 1, 4);
    grid->addWidget(text(page, QStringLiteral("Particulars")), row, 0);
    grid->addWidget(text(page, QStringLiteral("Period")), row, 1);
    grid->addWidget(text(page, QStringLiteral("Amount (HK$)")), row, 2);
    grid->addWidget(text(page, QStringLiteral("EXCLUDE CENTS")), row++, 3);

    row = addIncomeLines(page, grid, row);
    m_totalIncomeEdit = named(new FieldEdit(page), "tTotal");
    m_totalIncomeEdit->setReadOnly(true);
    m_totalIncomeEdit->setFocusPolicy(Qt::NoFocus);
    m_totalIncomeEdit->setAlignment(Qt::AlignRight);
    grid->addWidget(caption(page, QStringLiteral("Total"), m_totalIncomeEdit), row, 1,
                    Qt::AlignRight);
    grid->addWidget(m_totalIncomeEdit, row++, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    return page;
}

QHBoxLayout* RecordEditor::buildPeriodDates(QWidget* page) {
    auto* dates = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        m_periodDateEdits[i] = boundField(page, "tddmmyy", i);
        m_periodDateEdits[i]->setMaximumWidth(i % 3 == 2 ? 60 : 36);
        dates->addWidget(m_periodDateEdits[i]);
        if (i % 3 != 2)
            dates->addWidget(text(page, QStringLiteral("/")));
        else
            dates->addWidget(text(page, QStringLiteral("(Day/Month/Year)")));
        if (i == 2)
            dates->addWidget(text(page, QStringLiteral("to")));
    }
    dates->addStretch();
    return dates;
}

// The fourteen income lines from the grid's row on, each with its period and amount; the three
// other rewards carry their nature under one heading. Returns the row after them.
int RecordEditor::addIncomeLines(QWidget* page, QGridLayout* grid, int row) {
    int i = 0;
    for (const IncomeLine& line : incomeLines()) {
        const int periodElement = i < 9 ? i : i + 1;
        const int item = otherRewardOf(line);
        if (item >= 0) {
            if (item == 0)
                grid->addWidget(text(page, QLatin1String(line.editorLabel)), row++, 0, 1, 4);
            m_otherRewardNatureEdits[item] = boundField(page, "tNature", item);
            auto* nature = new QHBoxLayout;
            nature->addWidget(text(page, QStringLiteral("Nature")));
            nature->addWidget(m_otherRewardNatureEdits[item]);
            grid->addLayout(nature, row, 0);
        } else {
            grid->addWidget(text(page, withDots(line.editorLabel)), row, 0);
        }
        m_incomePeriodEdits[periodElement] = boundField(page, "tPeriod", periodElement);
        m_incomeEdits[i] = boundField(page, "tIncome", i);
        m_incomeEdits[i]->setAlignment(Qt::AlignRight);
        grid->addWidget(m_incomePeriodEdits[periodElement], row, 1);
        grid->addWidget(m_incomeEdits[i++], row++, 2);
    }
    return row;
}

QWidget* RecordEditor::buildPage3() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(2); // as on pages 1 and 2: room for the default-password line
    int row = 0;
    m_residenceFlagEdit = boundField(page, "tQFlag");
    m_residenceFlagEdit->setMaximumWidth(30);
    grid->addWidget(caption(page, QStringLiteral("Particulars of Place of Residence provided"),
                            m_residenceFlagEdit),
                    row, 0);
    grid->addWidget(m_residenceFlagEdit, row++, 1);
    grid->addWidget(text(page, QStringLiteral("(0=No Place of Residence provided, 1=Place of "
                                              "Residence provided by Employer)")),
                    row++, 0, 1, 3);
    for (int place = 0; place < 2; ++place) {
        const QString heading = QStringLiteral("Address %1").arg(place + 1);
        const int first = place * 4;
        for (int line = first; line < first + 4; ++line)
            m_residenceTexts[line] = boundField(page, "tPage3", line);
        grid->addWidget(caption(page, heading, m_residenceTexts[first]), row, 0);
        grid->addWidget(m_residenceTexts[first], row++, 1, 1, 2);
        grid->addWidget(m_residenceTexts[first + 1], row++, 1, 1, 2);
        grid->addWidget(caption(page, QStringLiteral("Nature"), m_residenceTexts[first + 2]), row,
                        0);
        grid->addWidget(m_residenceTexts[first + 2], row++, 1, 1, 2);
        grid->addWidget(
            caption(page, QStringLiteral("Period provided"), m_residenceTexts[first + 3]), row, 0);
        grid->addWidget(m_residenceTexts[first + 3], row++, 1, 1, 2);
        for (int rent = 0; rent < 4; ++rent) {
            FieldEdit* field = m_rentEdits[first + rent] = boundField(page, "tRent1", first + rent);
            field->setAlignment(Qt::AlignRight);
            field->setMaximumWidth(120);
            grid->addWidget(caption(page, QLatin1String(rentNames[rent]), field), row, 0);
            auto* amount = new QHBoxLayout;
            amount->addWidget(text(page, QStringLiteral("HK$")));
            amount->addWidget(field);
            amount->addStretch();
            grid->addLayout(amount, row++, 1, 1, 2);
        }
    }
    grid->setRowStretch(row, 1);
    return page;
}

QWidget* RecordEditor::buildPage4() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    int row = 0;
    const QString question = QStringLiteral(
        "Whether the employee was wholly or partly paid by an overseas company either in Hong "
        "Kong or overseas (0=NO, 1=YES)");
    m_overseasFlagEdit = boundField(page, "tOSeaFlag");
    m_overseasFlagEdit->setMaximumWidth(30);
    grid->addWidget(caption(page, question, m_overseasFlagEdit), row, 0);
    grid->addWidget(m_overseasFlagEdit, row++, 1);
    grid->addWidget(text(page, QStringLiteral("If yes, please state:")), row++, 0, 1, 2);
    const std::array<const char*, 5> captions{
        "Amount (if known) (This amount must also be included in Page 2)",
        "Name of overseas company", "Address", "Employee's Tax File Number in XWD", "Remarks"};
    for (int i = 0; i < 5; ++i) {
        m_overseasTexts[i] = boundField(page, "tPage4", i);
        grid->addWidget(caption(page, QLatin1String(captions[i]), m_overseasTexts[i]), row, 0);
        grid->addWidget(m_overseasTexts[i], row++, 1);
    }
    grid->addWidget(text(page, QStringLiteral("(Please check the correctness of the information "
                                              "entered, then click the 'Update' button to save "
                                              "the record.)")),
                    row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* RecordEditor::buildCommands() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_newRecordButton = widgets::button(box, "cNew", QStringLiteral("&Create new    record"));
    m_updateButton = widgets::button(box, "cUpdate", QStringLiteral("&Update"));
    m_deleteButton = widgets::button(box, "cDelete", QStringLiteral("&Delete"));
    m_quitButton = widgets::button(box, "cExit", QStringLiteral("&Quit"));
    m_nameSearchButton = widgets::button(box, "cNameSearch", QStringLiteral("Name &Search"));
    m_sortButton = widgets::button(box, "cSort", QStringLiteral("Sor&t"));
    m_printButton = widgets::button(box, "cPrint", QStringLiteral("&Print"));
    m_printAllButton = widgets::button(box, "cPrintAll", QStringLiteral("Print &All"));
    m_saveToMediumButton = widgets::button(box, "cSaveFloppy", QStringLiteral("Save to &Floppy"));
    const std::array<QPushButton*, 9> order{
        m_newRecordButton, m_updateButton,     m_deleteButton,
        m_quitButton,      m_nameSearchButton, m_sortButton,
        m_printButton,     m_printAllButton,   m_saveToMediumButton};
    for (int i = 0; i < 9; ++i) {
        order[i]->setAccessibleName(widgets::spokenText(order[i]->text()));
        grid->addWidget(order[i], i / 5, i % 5);
    }
    addReturnCommands(box, grid, 2);
    return box;
}
