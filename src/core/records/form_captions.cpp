#include "core/records/form_captions.h"

#include "core/reports/printed_texts.h"

#include <QHash>
#include <array>
#include <utility>

namespace formcaptions {

namespace {

using Pair = std::pair<const char*, const char*>;

// English as the form and the control list print it, and its Chinese.
const auto captions = std::to_array<Pair>({
    // The form's heading and the employer.
    {"XW73D  Return of Remuneration and Pensions", "XW73D  報酬及退休金申報表"},
    {"Name of employer", "僱主名稱"},
    {"Employer's file number", "僱主檔案號碼"},
    {"Sheet number", "表格編號"},
    {"Record type", "紀錄類別"},
    // The employee.
    {"1. Particulars of the employee", "1. 僱員資料"},
    {"Surname", "姓氏"},
    {"Other names in full", "名字（全寫）"},
    {"Full name in Chinese", "中文姓名"},
    {"Identity card number", "香港身份證號碼"},
    {"Sex", "性別"},
    {"Marital status", "婚姻狀況"},
    {"Passport number and country of issue (if the employee has no identity card)",
     "護照號碼及簽發國家（如僱員沒有香港身份證）"},
    {"Full name of spouse", "配偶全名"},
    {"Spouse's identity card number", "配偶的香港身份證號碼"},
    {"Spouse's passport number and country of issue", "配偶的護照號碼及簽發國家"},
    {"Residential address", "住址"},
    {"Area", "地區"},
    {"Correspondence address", "通訊地址"},
    {"Capacity in which employed", "受僱職位"},
    {"If part time, the name of the principal employer", "如屬兼職，主要僱主的名稱"},
    {"Period of employment: from", "受僱期間：由"},
    {"to", "至"},
    // The income.
    {"2. Income", "2. 入息詳情"},
    {"Category", "項目"},
    {"Nature", "性質"},
    {"Period", "期間"},
    {"Amount ($)", "款額（$）"},
    {"a. Salary or wages", "a. 薪金／工資"},
    {"b. Leave pay", "b. 假期工資"},
    {"c. Director's fee", "c. 董事袍金"},
    {"d. Commission or fees", "d. 佣金／費用"},
    {"e. Bonus", "e. 花紅"},
    {"f. Back pay, terminal awards and gratuities", "f. 欠薪、離職補償及酬金等"},
    {"g. Certain payments from retirement schemes", "g. 退休計劃的若干付款"},
    {"h. Salaries tax paid by the employer", "h. 僱主代付的薪俸稅"},
    {"i. Education benefits", "i. 教育福利"},
    {"j. Gain realized under a share option scheme", "j. 根據認購股權計劃而獲得的收益"},
    {"k. Other rewards, allowances or perquisites (1)", "k. 其他獎賞、津貼或額外賞賜 (1)"},
    {"k. Other rewards, allowances or perquisites (2)", "k. 其他獎賞、津貼或額外賞賜 (2)"},
    {"k. Other rewards, allowances or perquisites (3)", "k. 其他獎賞、津貼或額外賞賜 (3)"},
    {"l. Pensions", "l. 退休金"},
    {"Total income", "入息總額"},
    // The places of residence.
    {"3. Places of residence provided by the employer", "3. 僱主提供的居所"},
    {"Place of residence provided", "提供居所"},
    {"Place %1: address", "居所 %1：地址"},
    {"Period provided", "提供期間"},
    {"Rent paid to landlord by employer", "僱主付給業主的租金"},
    {"Rent paid to landlord by employee", "僱員付給業主的租金"},
    {"Rent refunded to employee", "發還給僱員的租金"},
    {"Rent paid to employer by employee", "僱員付給僱主的租金"},
    // The overseas company, the remarks and the signatory.
    {"4. Overseas company, file number and remarks", "4. 海外公司、檔案號碼及備註"},
    {"Paid by an overseas company", "由海外公司支付"},
    {"Amount paid", "支付款額"},
    {"Name of the overseas company", "海外公司名稱"},
    {"Address of the overseas company", "海外公司地址"},
    {"Employee's tax file number", "僱員的稅務檔案號碼"},
    {"Remarks", "備註"},
    {"Designation of the signatory", "簽署人職位"},
    {"Date of submission", "提交日期"},
    {"Signature", "簽署"},
    // The control list.
    {"XW73D  Control List", "XW73D  控制清單"},
    {"Return year", "報稅年度"},
    {"Log of the saved file", "已儲存檔案的日誌"},
    {"File name", "檔案名稱"},
    {"Size (bytes)", "大小（位元組）"},
    {"Date", "日期"},
    {"Time", "時間"},
    {"Digest", "摘要碼"},
    {"Version", "版本"},
    {"Records", "紀錄"},
    {"No.", "序號"},
    {"Sheet No.", "表格編號"},
    {"Identity number", "身份證明文件號碼"},
    {"Names", "姓名"},
    {"Chinese name", "中文姓名"},
    {"Total of this page (%1 records)", "本頁總額（%1 份紀錄）"},
    {"Control totals by income category", "按入息項目劃分的控制總額"},
    {"Income category", "入息項目"},
    {"Total", "總額"},
    {"Sum of the categories", "各項目的總和"},
    {"Grand total (%1 records)", "總計（%1 份紀錄）"},
    {"Total income in the log", "日誌所載的入息總額"},
    {"The categories, the grand total and the record count agree with the log.",
     "各入息項目、總計及紀錄數目均與日誌相符。"},
    {"THE CATEGORIES, THE GRAND TOTAL OR THE RECORD COUNT DO NOT AGREE WITH THE LOG: DO NOT "
     "SUBMIT THIS MEDIUM.",
     "各入息項目、總計或紀錄數目與日誌不符：切勿提交此儲存媒體。"},
    {"I certify that the above list agrees with the return saved on the medium.",
     "本人證明上列清單與儲存媒體內的報表相符。"},
    {"Page %1 of %2", "第 %1 頁，共 %2 頁"},
});

const QHash<QString, QString>& table() {
    static const QHash<QString, QString> made = [] {
        QHash<QString, QString> byEnglish;
        for (const auto& [english, chinese] : captions)
            byEnglish.insert(QString::fromUtf8(english), QString::fromUtf8(chinese));
        return byEnglish;
    }();
    return made;
}

} // namespace

QString chineseOf(const QString& english) {
    return table().value(english);
}

report::Caption caption(const QString& english) {
    return {english, chineseOf(english)};
}

report::Caption yearHeading(const QString& returnYear) {
    const QString english = printedtext::yearHeading(returnYear);
    if (english.isEmpty())
        return {};
    const int year = returnYear.toInt();
    return {english, QStringLiteral("由%1年4月1日至%2年3月31日止年度").arg(year - 1).arg(year)};
}

} // namespace formcaptions
