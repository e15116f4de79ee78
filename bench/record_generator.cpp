#include "record_generator.h"

#include "core/common/amounts.h"
#include "core/common/columns.h"
#include "store/common/schema.h"
#include "store/startup/startup.h"

#include <QDate>
#include <QStringList>
#include <span>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

namespace generator {
namespace {

// A romanised syllable or surname with the character it is usually written with, so that an
// employee called CHAN TAI MAN gets the Chinese name 陳大文.
struct Romanised {
    const char* roman;
    const char* chinese;
};

// Common surnames appear more than once: they are that much more frequent.
constexpr Romanised chineseSurnames[] = {
    {"CHAN", "陳"},  {"CHAN", "陳"},    {"CHAN", "陳"},       {"WONG", "黃"},   {"WONG", "黃"},
    {"WONG", "黃"},  {"LEE", "李"},     {"LEE", "李"},        {"CHEUNG", "張"}, {"CHEUNG", "張"},
    {"LAU", "劉"},   {"LAU", "劉"},     {"NG", "吳"},         {"LAM", "林"},    {"HO", "何"},
    {"LEUNG", "梁"}, {"TSANG", "曾"},   {"CHOW", "周"},       {"YEUNG", "楊"},  {"TANG", "鄧"},
    {"FUNG", "馮"},  {"KWOK", "郭"},    {"CHU", "朱"},        {"MAK", "麥"},    {"YIP", "葉"},
    {"SO", "蘇"},    {"LAW", "羅"},     {"LO", "盧"},         {"TSE", "謝"},    {"LUI", "呂"},
    {"SIU", "蕭"},   {"TAM", "譚"},     {"CHIU", "趙"},       {"KWAN", "關"},   {"LAI", "黎"},
    {"CHING", "程"}, {"TO", "杜"},      {"MA", "馬"},         {"HUI", "許"},    {"KO", "高"},
    {"YU", "余"},    {"CHENG", "鄭"},   {"POON", "潘"},       {"WU", "胡"},     {"CHOI", "蔡"},
    {"YUEN", "袁"},  {"TAI", "戴"},     {"FONG", "方"},       {"KAM", "甘"},    {"CHONG", "莊"},
    {"MOK", "莫"},   {"SZETO", "司徒"}, {"AU-YEUNG", "歐陽"},
};

// Given-name syllables by the sex they are usually given to; a few serve both.
constexpr Romanised maleSyllables[] = {
    {"TAI", "大"},   {"MAN", "文"},  {"MING", "明"}, {"CHI", "志"},  {"KEUNG", "強"},
    {"WAI", "偉"},   {"KWOK", "國"}, {"WAH", "華"},  {"CHUN", "俊"}, {"KIN", "健"},
    {"TAK", "德"},   {"HO", "浩"},   {"KIT", "傑"},  {"HANG", "恆"}, {"FAI", "輝"},
    {"SHING", "成"}, {"HUNG", "雄"}, {"LOK", "樂"},  {"ON", "安"},   {"LONG", "朗"},
    {"CHEUK", "卓"}, {"KA", "家"},   {"TSZ", "子"},  {"HEI", "希"},
};

constexpr Romanised femaleSyllables[] = {
    {"SIU", "小"},  {"MEI", "美"}, {"LING", "玲"}, {"YAN", "欣"}, {"WING", "詠"},
    {"SZE", "詩"},  {"SUK", "淑"}, {"YEE", "儀"},  {"LAI", "麗"}, {"FONG", "芳"},
    {"TING", "婷"}, {"YUK", "玉"}, {"PING", "萍"}, {"YIN", "燕"}, {"KWAN", "君"},
    {"SUM", "心"},  {"MAN", "敏"}, {"KA", "家"},   {"TSZ", "子"}, {"HEI", "希"},
};

constexpr const char* englishSurnames[] = {
    "SMITH",        "JONES",   "WILLIAMS",  "BROWN",    "TAYLOR",     "DAVIES",      "EVANS",
    "WILSON",       "THOMAS",  "JOHNSON",   "ROBERTS",  "ROBINSON",   "THOMPSON",    "WRIGHT",
    "WALKER",       "WHITE",   "EDWARDS",   "HUGHES",   "GREEN",      "HALL",        "WOOD",
    "HARRIS",       "LEWIS",   "MARTIN",    "JACKSON",  "CLARKE",     "O'BRIEN",     "O'CONNOR",
    "O'NEILL",      "D'SOUZA", "MACDONALD", "MCKENZIE", "FITZGERALD", "SMITH-JONES", "BURTON-HILL",
    "PRICE-DAVIES", "PEREIRA", "FERNANDES", "SILVA",
};

constexpr const char* maleNames[] = {
    "JOHN",    "PETER",  "DAVID",   "MICHAEL", "JAMES",   "PAUL",        "ANDREW",
    "RICHARD", "THOMAS", "WILLIAM", "STEPHEN", "MARK",    "CHRISTOPHER", "KEVIN",
    "ALAN",    "ERIC",   "RAYMOND", "KENNETH", "PATRICK", "VINCENT",
};

constexpr const char* femaleNames[] = {
    "MARY",   "SUSAN",    "ELIZABETH", "JENNIFER", "MARGARET", "SARAH",     "HELEN",
    "KAREN",  "ANNE",     "CATHERINE", "JANE",     "RACHEL",   "EMILY",     "GRACE",
    "LOUISE", "VICTORIA", "JOANNE",    "MICHELLE", "WINNIE",   "CHRISTINE",
};

constexpr const char* identityPrefixes[] = {"A", "C", "D", "E", "G",  "H",  "K",  "P",
                                            "R", "V", "Y", "Z", "XA", "XB", "XD", "WX"};

constexpr const char* countries[] = {"UNITED KINGDOM", "AUSTRALIA", "CANADA", "PHILIPPINES",
                                     "UNITED STATES",  "INDIA",     "JAPAN",  "SINGAPORE",
                                     "NEW ZEALAND",    "INDONESIA"};

constexpr const char* buildings[] = {"WAH FU",  "KING'S",  "GOLDEN",   "FORTUNE", "PEACE",
                                     "OCEAN",   "SUNRISE", "LOK FU",   "MEI FOO", "CITY",
                                     "HARBOUR", "GARDEN",  "SUN HING", "ON YAM",  "TAI HANG"};

constexpr const char* buildingKinds[] = {"HOUSE",  "COURT",  "BUILDING", "MANSION",
                                         "ESTATE", "GARDEN", "TOWER",    "CENTRE"};

// Districts and streets by the area code of the address.
struct Area {
    char16_t code;
    std::span<const char* const> districts;
    std::span<const char* const> streets;
};

constexpr const char* hongKongDistricts[] = {"CENTRAL",     "WAN CHAI",     "CAUSEWAY BAY",
                                             "NORTH POINT", "QUARRY BAY",   "CHAI WAN",
                                             "ABERDEEN",    "HAPPY VALLEY", "SHAU KEI WAN"};
constexpr const char* hongKongStreets[] = {"KING'S ROAD",   "HENNESSY ROAD", "DES VOEUX ROAD",
                                           "JOHNSTON ROAD", "ELECTRIC ROAD", "SHAU KEI WAN ROAD"};
constexpr const char* kowloonDistricts[] = {"MONG KOK",     "KWUN TONG",    "TSIM SHA TSUI",
                                            "SHAM SHUI PO", "KOWLOON TONG", "HUNG HOM",
                                            "YAU MA TEI",   "LAM TIN",      "WONG TAI SIN"};
constexpr const char* kowloonStreets[] = {"NATHAN ROAD",      "WATERLOO ROAD", "CHATHAM ROAD",
                                          "LAI CHI KOK ROAD", "CANTON ROAD",   "KWUN TONG ROAD"};
constexpr const char* newTerritoriesDistricts[] = {"SHA TIN",    "TSUEN WAN",     "TUEN MUN",
                                                   "YUEN LONG",  "TAI PO",        "FANLING",
                                                   "MA ON SHAN", "TSEUNG KWAN O", "TUNG CHUNG"};
constexpr const char* newTerritoriesStreets[] = {"CASTLE PEAK ROAD", "SHA TIN ROAD",
                                                 "TAI PO ROAD",      "TUEN MUN ROAD",
                                                 "SAI SHA ROAD",     "ON CHIT STREET"};
constexpr const char* foreignCities[] = {"LONDON, UNITED KINGDOM", "MANCHESTER, UNITED KINGDOM",
                                         "SYDNEY, AUSTRALIA",      "TORONTO, CANADA",
                                         "VANCOUVER, CANADA",      "SINGAPORE",
                                         "MANILA, PHILIPPINES",    "OSAKA, JAPAN",
                                         "AUCKLAND, NEW ZEALAND"};
constexpr const char* foreignStreets[] = {"HIGH STREET", "ELM STREET",   "GEORGE STREET",
                                          "PARK AVENUE", "QUEEN STREET", "MAIN ROAD"};

// Weighted as the employees' homes are: most in Kowloon and the New Territories, a few abroad.
constexpr Area areas[] = {
    {u'H', hongKongDistricts, hongKongStreets},
    {u'K', kowloonDistricts, kowloonStreets},
    {u'N', newTerritoriesDistricts, newTerritoriesStreets},
    {u'F', foreignCities, foreignStreets},
};

struct Job {
    const char* title;
    int lowestMonthly;
    int highestMonthly;
    bool earnsCommission;
    bool isDirector;
};

constexpr Job jobs[] = {
    {"CLERK", 9000, 16000, false, false},
    {"ACCOUNTS CLERK", 10000, 18000, false, false},
    {"ACCOUNTANT", 20000, 45000, false, false},
    {"SENIOR ACCOUNTS OFFICER", 25000, 50000, false, false},
    {"SALES EXECUTIVE", 12000, 25000, true, false},
    {"SALES MANAGER", 30000, 70000, true, false},
    {"SOFTWARE ENGINEER", 22000, 60000, false, false},
    {"PROJECT MANAGER", 40000, 90000, false, false},
    {"SECRETARY", 14000, 28000, false, false},
    {"DRIVER", 11000, 17000, false, false},
    {"WAREHOUSE ASSISTANT", 9000, 14000, false, false},
    {"RECEPTIONIST", 10000, 15000, false, false},
    {"MERCHANDISER", 15000, 30000, true, false},
    {"CUSTOMER SERVICE OFFICER", 12000, 20000, false, false},
    {"TECHNICIAN", 13000, 24000, false, false},
    {"CHEF", 15000, 35000, false, false},
    {"WAITER", 9000, 13000, false, false},
    {"SECURITY GUARD", 9000, 13000, false, false},
    {"MARKETING EXECUTIVE", 16000, 32000, false, false},
    {"GENERAL MANAGER", 60000, 150000, false, false},
    {"DIRECTOR", 80000, 200000, false, true},
};

constexpr const char* companies[] = {"GOLDEN DRAGON TRADING LIMITED", "ASIA PACIFIC LOGISTICS LTD",
                                     "HARBOUR VIEW RESTAURANT LTD",   "KOWLOON TUTORIAL CENTRE",
                                     "SUNRISE PROPERTY AGENCY",       "ORIENT SECURITY LIMITED"};

constexpr const char* allowances[] = {
    "HOUSING ALLOWANCE", "TRAVEL ALLOWANCE", "MEAL ALLOWANCE",  "OVERTIME ALLOWANCE",
    "ACTING ALLOWANCE",  "CAR ALLOWANCE",    "SHIFT ALLOWANCE", "EDUCATION ALLOWANCE FOR CHILDREN"};

constexpr const char* residenceNatures[] = {"FLAT", "HOUSE", "SERVICED APARTMENT", "HOTEL ROOM",
                                            "QUARTERS"};

constexpr const char* overseasCompanies[] = {"PACIFIC RIM HOLDINGS LIMITED", "NORTHERN STAR INC.",
                                             "SOUTHERN CROSS PTY. LTD.", "LION CITY PTE. LTD.",
                                             "ATLANTIC TRADING PLC"};

constexpr const char* remarks[] = {"JOINED ON TRANSFER FROM AN ASSOCIATED COMPANY",
                                   "LEFT HONG KONG PERMANENTLY", "ON NO-PAY LEAVE FOR TWO MONTHS",
                                   "SALARY INCLUDES ACTING ALLOWANCE",
                                   "EMPLOYMENT TO CONTINUE AFTER THE YEAR END"};

constexpr const char* employerNames[] = {
    "WING ON TRADING COMPANY LIMITED", "PEARL RIVER GARMENT MANUFACTURING LIMITED",
    "VICTORIA HARBOUR ENGINEERING CONSULTANTS LIMITED",
    "KOWLOON BAY ELECTRONICS (HOLDINGS) LIMITED", "SUN HING FOOD PRODUCTS COMPANY LIMITED"};

constexpr const char* designations[] = {"DIRECTOR", "SECRETARY",  "MANAGER",
                                        "PARTNER",  "PROPRIETOR", "PRINCIPAL OFFICER"};

class Dice {
public:
    explicit Dice(QRandomGenerator& random)
        : m_random(random) {}
    int below(int bound) { return static_cast<int>(m_random.bounded(bound)); }
    int between(int lowest, int highest) { return lowest + below(highest - lowest + 1); }
    bool percent(int chance) { return below(100) < chance; }
    template <typename T> const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }
    template <typename T, std::size_t N> const T& pick(const T (&items)[N]) {
        return pick(std::span<const T>(items));
    }
    QString digits(int count) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + below(10));
        return text;
    }

private:
    QRandomGenerator& m_random;
};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QString amount(qint64 dollars) {
    return formatAmount(QString::number(dollars));
}

// How some users type names and addresses: "Chan", "Tai-Man", "Flat A, 3/F".
QString titleCase(const QString& text) {
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar& c : result) {
        if (wordStart && c.isLetter())
            c = c.toUpper();
        wordStart = !c.isLetter() && c != u'\''; // O'Brien, King's
    }
    return result;
}

// The identity card's check character: letters count 10 to 35, a missing second letter 36;
// weights 9 down to 2; 11 minus the remainder modulo 11, with 10 written as "A".
QString identityCheckCharacter(const QString& number) {
    const QString padded = number.size() == 7 ? u' ' + number : number;
    int sum = 0;
    for (int i = 0; i < 8; ++i) {
        const QChar c = padded[i];
        const int value = c == u' ' ? 36 : c.isLetter() ? c.unicode() - u'A' + 10 : c.digitValue();
        sum += value * (9 - i);
    }
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? QStringLiteral("A") : QString::number(check);
}

QString fileNumberCheckDigit(const QString& sevenDigits) {
    constexpr int weights[] = {8, 1, 2, 3, 6, 7, 8};
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += weights[i] * sevenDigits[i].digitValue();
    return QString::number(sum % 10);
}

int employeePosition(std::string_view name) {
    static const std::unordered_map<std::string_view, int> positions = [] {
        std::unordered_map<std::string_view, int> map;
        const Columns columns = employeeColumns();
        for (std::size_t i = 0; i < columns.size(); ++i)
            map.emplace(columns[i].name, static_cast<int>(i));
        return map;
    }();
    const auto found = positions.find(name);
    if (found == positions.end())
        throw std::out_of_range("no employee column " + std::string(name));
    return found->second;
}

struct Person {
    QString surname;
    QString otherNames;
    QString chineseName; // empty when none is given
    bool hongKongChinese = false;
};

// Builds one employee row page by page, as the record editor would have saved it.
class EmployeeBuilder {
public:
    EmployeeBuilder(QRandomGenerator& random, int returnYear)
        : m_dice(random)
        , m_returnYear(returnYear)
        , m_row(emptyRow(employeeColumns())) {}

    RowValues build(int id) {
        set("ID", id);
        recordType();
        identity();
        maritalStatus();
        addresses();
        employment();
        income();
        residence();
        overseasAndRemarks();
        return m_row;
    }

private:
    void set(std::string_view column, const QVariant& value) {
        m_row[employeePosition(column)] = value;
    }

    Person person(bool male) {
        Person someone = m_dice.percent(78) ? hongKongPerson(male) : englishPerson(male);
        if (m_dice.percent(4)) {
            someone.surname = titleCase(someone.surname);
            someone.otherNames = titleCase(someone.otherNames);
        } else if (m_dice.percent(1)) {
            someone.surname = someone.surname.toLower();
            someone.otherNames = someone.otherNames.toLower();
        }
        return someone;
    }

    Person hongKongPerson(bool male) {
        const Romanised& surname = m_dice.pick(chineseSurnames);
        QStringList roman;
        QString chinese = utf8(surname.chinese);
        for (int i = m_dice.percent(85) ? 2 : 1; i > 0; --i) {
            const Romanised& syllable =
                male ? m_dice.pick(maleSyllables) : m_dice.pick(femaleSyllables);
            roman << utf8(syllable.roman);
            chinese += utf8(syllable.chinese);
        }
        QString given = roman.join(m_dice.percent(12) ? u'-' : u' ');
        if (m_dice.percent(25))
            given = utf8(male ? m_dice.pick(maleNames) : m_dice.pick(femaleNames)) + u' ' + given;
        return {utf8(surname.roman), given, m_dice.percent(92) ? chinese : QString(), true};
    }

    Person englishPerson(bool male) {
        const auto firstName = [&] {
            return utf8(male ? m_dice.pick(maleNames) : m_dice.pick(femaleNames));
        };
        QString given = firstName();
        const int roll = m_dice.below(10);
        const QString second = firstName();
        if (roll < 3 && second != given)
            given += u' ' + second;
        else if (roll < 4)
            given += u' ' + QChar(u'A' + m_dice.below(26)) + u'.';
        return {utf8(m_dice.pick(englishSurnames)), given, QString(), false};
    }

    QString identityNumber() { return utf8(m_dice.pick(identityPrefixes)) + m_dice.digits(6); }

    QString passport() {
        return QChar(u'A' + m_dice.below(26)) + m_dice.digits(8) + u' ' +
               utf8(m_dice.pick(countries));
    }

    void recordType() {
        const int roll = m_dice.below(100);
        if (roll < 94) {
            set("Status", QStringLiteral("O"));
            set("SheetNo", QStringLiteral(" ")); // numbered by the sort
            return;
        }
        set("Status", roll < 98 ? QStringLiteral("R") : QStringLiteral("S"));
        set("SheetNo", QString::number(m_dice.between(1, 99999)));
    }

    void identity() {
        m_male = m_dice.percent(50);
        const Person employee = person(m_male);
        set("Surname", employee.surname);
        set("FirstName", employee.otherNames);
        if (!employee.chineseName.isEmpty())
            set("ChineseName", employee.chineseName);
        set("Sex", m_male ? QStringLiteral("M") : QStringLiteral("F"));
        identityOrPassport(!employee.hongKongChinese && m_dice.percent(30), "HKID", "ChkDigit",
                           "Passport");
    }

    // An identity card number with its check character, or a passport for someone without one.
    void identityOrPassport(bool passportOnly, std::string_view numberColumn,
                            std::string_view checkColumn, std::string_view passportColumn) {
        if (passportOnly) {
            set(passportColumn, passport());
            return;
        }
        const QString number = identityNumber();
        set(numberColumn, number);
        set(checkColumn, identityCheckCharacter(number));
    }

    void maritalStatus() {
        const int roll = m_dice.below(100);
        if (roll >= 90)
            return; // not given
        set("MStatus", roll < 45 ? QStringLiteral("1") : QStringLiteral("2"));
        if (roll < 45)
            return;
        const Person spouse = person(!m_male);
        set("SpouseName", spouse.surname + u' ' + spouse.otherNames);
        identityOrPassport(m_dice.percent(10), "SpouseHKID", "SpouseChkDigit", "SpousePassport");
    }

    QString flatLine() {
        return QStringLiteral("FLAT %1, %2/F, %3 %4")
            .arg(QChar(u'A' + m_dice.below(8)))
            .arg(m_dice.between(1, 45))
            .arg(utf8(m_dice.pick(buildings)), utf8(m_dice.pick(buildingKinds)));
    }

    QString streetLine(const Area& area) {
        return QStringLiteral("%1 %2, %3")
            .arg(m_dice.between(1, 999))
            .arg(utf8(m_dice.pick(area.streets)), utf8(m_dice.pick(area.districts)));
    }

    const Area& homeArea() {
        const int roll = m_dice.below(100);
        return areas[roll < 30 ? 0 : roll < 62 ? 1 : roll < 97 ? 2 : 3];
    }

    const Area& localArea() {
        const int roll = m_dice.below(97);
        return areas[roll < 30 ? 0 : roll < 62 ? 1 : 2];
    }

    void addresses() {
        const Area& home = homeArea();
        set("RAreaCode", QString(QChar(home.code)));
        QString line1 = flatLine();
        QString line2 = streetLine(home);
        if (home.code == u'F') {
            line1 = QStringLiteral("%1 %2")
                        .arg(m_dice.between(1, 300))
                        .arg(utf8(m_dice.pick(home.streets)));
            line2 = utf8(m_dice.pick(home.districts));
        }
        if (m_dice.percent(5)) {
            line1 = titleCase(line1);
            line2 = titleCase(line2);
        }
        set("RAddress1", line1);
        set("RAddress2", line2);
        if (m_dice.percent(25))
            set("CAddress", QStringLiteral("P.O. BOX %1, GENERAL POST OFFICE, HONG KONG")
                                .arg(m_dice.between(1, 99999)));

        m_job = &m_dice.pick(jobs);
        m_partTime = m_dice.percent(4);
        set("Capacity",
            m_partTime ? QStringLiteral("PART-TIME ") + utf8(m_job->title) : utf8(m_job->title));
        if (m_partTime)
            set("PEmployer", utf8(m_dice.pick(companies)));
    }

    // A period inside the return year (1 April to 31 March) whose start is before its end.
    void employment() {
        const QDate yearStart(m_returnYear - 1, 4, 1);
        const QDate yearEnd(m_returnYear, 3, 31);
        m_start = yearStart;
        m_end = yearEnd;
        if (m_dice.percent(18))
            m_start = yearStart.addDays(
                m_dice.between(1, static_cast<int>(yearStart.daysTo(yearEnd)) - 1));
        if (m_dice.percent(15))
            m_end = m_start.addDays(m_dice.between(1, static_cast<int>(m_start.daysTo(yearEnd))));
        m_left = m_end < yearEnd;
        m_yearFraction = (m_start.daysTo(m_end) + 1) / double(yearStart.daysTo(yearEnd) + 1);
        setDate("EDay1", "EMonth1", "EYear1", m_start);
        setDate("EDay2", "EMonth2", "EYear2", m_end);
    }

    void setDate(std::string_view day, std::string_view month, std::string_view year,
                 const QDate& date) {
        set(day, date.toString(QStringLiteral("dd")));
        set(month, date.toString(QStringLiteral("MM")));
        set(year, date.toString(QStringLiteral("yyyy")));
    }

    QString period() const {
        return m_start.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(" - ") +
               m_end.toString(QStringLiteral("yyyyMMdd"));
    }

    void incomeLine(std::string_view amountColumn, std::string_view periodColumn, qint64 dollars) {
        set(amountColumn, amount(dollars));
        set(periodColumn, period());
    }

    void maybeIncome(int chance, std::string_view amountColumn, std::string_view periodColumn,
                     int lowest, int highest) {
        if (m_dice.percent(chance))
            incomeLine(amountColumn, periodColumn, m_dice.between(lowest, highest));
    }

    void income() {
        int monthly = m_dice.between(m_job->lowestMonthly, m_job->highestMonthly) / 10 * 10;
        if (m_partTime)
            monthly /= 2;
        incomeLine("aIncome", "aPeriod", qRound64(monthly * 12 * m_yearFraction));
        if (m_left && m_dice.percent(30))
            incomeLine("bIncome", "bPeriod", monthly / 2);
        if (m_job->isDirector)
            incomeLine("cIncome", "cPeriod", m_dice.between(50, 500) * 1000);
        maybeIncome(m_job->earnsCommission ? 80 : 3, "dIncome", "dPeriod", 2000, 200000);
        if (m_dice.percent(55))
            incomeLine("eIncome", "ePeriod", monthly);
        if (m_left && m_dice.percent(40))
            incomeLine("fIncome", "fPeriod", qint64(monthly) * m_dice.between(1, 3));
        maybeIncome(1, "gIncome", "gPeriod", 10000, 300000);
        maybeIncome(1, "hIncome", "hPeriod", 5000, 100000);
        maybeIncome(2, "iIncome", "iPeriod", 5000, 80000);
        maybeIncome(1, "jIncome", "jPeriod", 20000, 2000000);
        otherRewards();
        maybeIncome(1, "lIncome", "lPeriod", 20000, 200000);
    }

    void otherRewards() {
        static constexpr std::string_view natures[] = {"kNature1", "kNature2", "kNature3"};
        static constexpr std::string_view amounts[] = {"kIncome1", "kIncome2", "kIncome3"};
        static constexpr std::string_view periods[] = {"kPeriod1", "kPeriod2", "kPeriod3"};
        constexpr int kinds = static_cast<int>(std::size(allowances));
        const int first = m_dice.below(kinds);
        for (int item = 0; item < 3 && m_dice.percent(item == 0 ? 25 : 30); ++item) {
            set(natures[item], utf8(allowances[(first + item) % kinds]));
            incomeLine(amounts[item], periods[item], m_dice.between(1000, 120000));
        }
    }

    void placeOfResidence(const char* prefix) {
        const auto column = [prefix](const char* name) { return std::string(prefix) + name; };
        set(column("Address1"), flatLine());
        set(column("Address2"), streetLine(localArea()));
        set(column("Nature"), utf8(m_dice.pick(residenceNatures)));
        set(column("Period"), period());
        const int rent = qRound(m_dice.between(8000, 60000) * 12 * m_yearFraction);
        if (m_dice.percent(60)) {
            set(column("Rent1"), amount(rent)); // paid to the landlord by the employer
            if (m_dice.percent(20))
                set(column("Rent4"), amount(rent / 10)); // paid back by the employee
        } else {
            set(column("Rent2"), amount(rent)); // paid by the employee, refunded
            set(column("Rent3"), amount(m_dice.percent(70) ? rent : rent / 2));
        }
    }

    void residence() {
        const bool provided = m_dice.percent(7);
        set("QFlag", provided ? 1 : 0);
        if (!provided)
            return;
        placeOfResidence("Q1");
        if (m_dice.percent(15))
            placeOfResidence("Q2");
    }

    void overseasAndRemarks() {
        const bool overseas = m_dice.percent(3);
        set("OSeaFlag", overseas ? 1 : 0);
        if (overseas) {
            if (m_dice.percent(70))
                set("OSeaAmount", QStringLiteral("US$") + groupDigits(m_dice.between(1000, 90000)));
            set("OSeaName", utf8(m_dice.pick(overseasCompanies)));
            set("OSeaAddress", streetLine(areas[3]));
        }
        if (m_dice.percent(35))
            set("FileNo", m_dice.digits(1) + QChar(u'A' + m_dice.below(26)) + m_dice.digits(1) +
                              u'-' + m_dice.digits(8));
        if (m_dice.percent(4))
            set("Remark", utf8(m_dice.pick(remarks)));
    }

    Dice m_dice;
    int m_returnYear;
    RowValues m_row;
    bool m_male = false;
    const Job* m_job = nullptr;
    bool m_partTime = false;
    QDate m_start;
    QDate m_end;
    bool m_left = false;
    double m_yearFraction = 1.0;
};

qint64 employerRowId(Database& db) {
    Statement query = db.prepare(QStringLiteral("select rowid from employer"));
    if (!query.next())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("The working database has no employer row."));
    return query.value(0).toLongLong();
}

void requireNoRecords(Database& db) {
    Statement query = db.prepare(QStringLiteral("select count(*) from employee where Status <> ?"));
    query.bind(1, QStringLiteral("H"));
    if (query.next() && query.value(0).toLongLong() > 0)
        throw EngineError(engine::AlreadyExists,
                          QObject::tr("The working database already holds employee records; "
                                      "records are generated only into a new one."));
}

} // namespace

RecordGenerator::RecordGenerator(quint32 seed, int returnYear)
    : m_random(seed)
    , m_returnYear(returnYear) {}

RowValues RecordGenerator::employerRow() {
    Dice dice(m_random);
    const QString sevenDigits =
        QStringLiteral("%1").arg(dice.between(1, 9999999), 7, 10, QChar(u'0'));
    const QDate submitted = QDate(m_returnYear, 4, 1).addDays(dice.between(0, 60));
    return {schema::currentVersion,
            QString::number(m_returnYear),
            QString(QChar(u'A' + dice.below(26))),
            sevenDigits + fileNumberCheckDigit(sevenDigits),
            utf8(dice.pick(employerNames)),
            utf8(dice.pick(designations)),
            submitted.toString(QStringLiteral("ddMMyyyy"))};
}

RowValues RecordGenerator::employeeRow(int id) {
    return EmployeeBuilder(m_random, m_returnYear).build(id);
}

void fillDatabase(Database& db, int records, quint32 seed, int returnYear) {
    if (records < 0)
        throw EngineError(engine::InvalidArgument,
                          QObject::tr("The number of records cannot be negative."));
    RecordGenerator generator(seed, returnYear);
    Transaction transaction(db);
    requireNoRecords(db);
    updateRow(db, table::employer, employerColumns(), employerRowId(db), generator.employerRow());
    for (int id = 1; id <= records; ++id)
        insertRow(db, table::employee, employeeColumns(), generator.employeeRow(id));
    transaction.commit();
}

QString makeWorkingDatabase(const QString& programFolder, int records, quint32 seed,
                            int returnYear) {
    if (prepareWorkingDatabase(programFolder) != StartupPath::Created)
        throw EngineError(engine::AlreadyExists,
                          QObject::tr("The folder '%1' already holds a working database; records "
                                      "are generated only into a new one.")
                              .arg(programFolder));
    Database db = Database::open(databasePath(programFolder, DatabaseFile::Working),
                                 OpenOptions{.password = schema::defaultPassword});
    fillDatabase(db, records, seed, returnYear);
    return db.path();
}

} // namespace generator
