<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Saved submissions</source>
        <translation>已儲存的申報檔案</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>儲存時間</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>紀錄</translation>
    </message>
    <message>
        <source>Total income</source>
        <translation>入息總額</translation>
    </message>
    <message>
        <source>Verifies</source>
        <translation>核實結果</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>核實(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Show control list</source>
        <translation>顯示控制清單(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy to a medium</source>
        <translation>複製至儲存媒體(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>開啟資料夾(&amp;O)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The saved submission and its log were copied to &apos;%1&apos; and verified.</source>
        <translation>已儲存的申報檔案及其記錄檔已複製至「%1」，並已核實。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be opened.</source>
        <translation>無法開啟資料夾「%1」。</translation>
    </message>
</context>
<context>
    <name>ColumnMappingWindow</name>
    <message>
        <source>Import: columns of the file</source>
        <translation>匯入：檔案的欄</translation>
    </message>
    <message>
        <source>Choose the field each column of %1 goes to, or none; the program&apos;s guess is chosen at first. The choice is kept with this return for the next file with the same header.</source>
        <translation>請為%1的每一欄選擇對應的欄位，或選「無」；程式已先選上推測的欄位。所作選擇會與本報表一併保存，供下次匯入標題相同的檔案時使用。</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>檔案的欄</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>欄位</translation>
    </message>
    <message>
        <source>Columns of the file and their fields</source>
        <translation>檔案的欄及其欄位</translation>
    </message>
    <message>
        <source>Field of the column %1</source>
        <translation>欄「%1」的欄位</translation>
    </message>
    <message>
        <source>&amp;Use these fields</source>
        <translation>使用這些欄位(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（無）</translation>
    </message>
</context>
<context>
    <name>EditorMenu</name>
    <message>
        <source>&amp;Open return…</source>
        <translation>開啟報表(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;New return…</source>
        <translation>新增報表(&amp;N)…</translation>
    </message>
    <message>
        <source>Next &amp;year&apos;s return…</source>
        <translation>下一報稅年度的報表(&amp;Y)…</translation>
    </message>
    <message>
        <source>&amp;Recent returns</source>
        <translation>最近開啟的報表(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
</context>
<context>
    <name>FieldName</name>
    <message>
        <source>Record Type</source>
        <translation>紀錄類別</translation>
    </message>
    <message>
        <source>Record identifier</source>
        <translation>紀錄識別碼</translation>
    </message>
    <message>
        <source>Sheet Number</source>
        <translation>表格編號</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Other Names in Full</source>
        <translation>名字（全寫）</translation>
    </message>
    <message>
        <source>H.K. Identity Card Number</source>
        <translation>香港身份證號碼</translation>
    </message>
    <message>
        <source>H.K. Identity Card Number, check character</source>
        <translation>香港身份證號碼，核對字元</translation>
    </message>
    <message>
        <source>Full Name in Chinese</source>
        <translation>中文姓名</translation>
    </message>
    <message>
        <source>Sex (M or F)</source>
        <translation>性別（M 男或 F 女）</translation>
    </message>
    <message>
        <source>Passport No. &amp; Country of Issue (if Employee has no H.K. Identity Card)</source>
        <translation>護照號碼及簽發國家（如僱員沒有香港身份證）</translation>
    </message>
    <message>
        <source>Marital Status (1=Single/Widowed/Divorced/Separated, 2=Married)</source>
        <translation>婚姻狀況 (1=單身/喪偶/離婚/分居, 2=已婚)</translation>
    </message>
    <message>
        <source>If married, full name of spouse</source>
        <translation>如已婚，配偶的全名</translation>
    </message>
    <message>
        <source>Spouse&apos;s H.K. Identity Card Number</source>
        <translation>配偶的香港身份證號碼</translation>
    </message>
    <message>
        <source>Spouse&apos;s H.K. Identity Card Number, check character</source>
        <translation>配偶的香港身份證號碼，核對字元</translation>
    </message>
    <message>
        <source>Passport Number &amp; Country of Issue, spouse</source>
        <translation>配偶的護照號碼及簽發國家</translation>
    </message>
    <message>
        <source>Residential Address (HK,KLN, NT not required), line 1</source>
        <translation>住址（無須填寫香港、九龍、新界），第 1 行</translation>
    </message>
    <message>
        <source>Residential Address (HK,KLN, NT not required), line 2</source>
        <translation>住址（無須填寫香港、九龍、新界），第 2 行</translation>
    </message>
    <message>
        <source>Area Code (H=HK, K=KLN, N-NT F-Foreign)</source>
        <translation>地區代碼 (H=香港, K=九龍, N=新界, F=外地)</translation>
    </message>
    <message>
        <source>Correspondence Address</source>
        <translation>通訊地址</translation>
    </message>
    <message>
        <source>Capacity in which employed</source>
        <translation>受僱職位</translation>
    </message>
    <message>
        <source>If part time, the name of his/her principal employer</source>
        <translation>如屬兼職，其主要僱主的名稱</translation>
    </message>
    <message>
        <source>Period of employment from, day</source>
        <translation>受僱期間由，日</translation>
    </message>
    <message>
        <source>Period of employment from, month</source>
        <translation>受僱期間由，月</translation>
    </message>
    <message>
        <source>Period of employment from, year</source>
        <translation>受僱期間由，年</translation>
    </message>
    <message>
        <source>Period of employment to, day</source>
        <translation>受僱期間至，日</translation>
    </message>
    <message>
        <source>Period of employment to, month</source>
        <translation>受僱期間至，月</translation>
    </message>
    <message>
        <source>Period of employment to, year</source>
        <translation>受僱期間至，年</translation>
    </message>
    <message>
        <source>a. Salary/Wages, amount</source>
        <translation>a. 薪金／工資，款額</translation>
    </message>
    <message>
        <source>a. Salary/Wages, period</source>
        <translation>a. 薪金／工資，期間</translation>
    </message>
    <message>
        <source>b. Leave Pay, amount</source>
        <translation>b. 假期工資，款額</translation>
    </message>
    <message>
        <source>b. Leave Pay, period</source>
        <translation>b. 假期工資，期間</translation>
    </message>
    <message>
        <source>c. Director&apos;s Fee, amount</source>
        <translation>c. 董事袍金，款額</translation>
    </message>
    <message>
        <source>c. Director&apos;s Fee, period</source>
        <translation>c. 董事袍金，期間</translation>
    </message>
    <message>
        <source>d. Commission/Fees, amount</source>
        <translation>d. 佣金／費用，款額</translation>
    </message>
    <message>
        <source>d. Commission/Fees, period</source>
        <translation>d. 佣金／費用，期間</translation>
    </message>
    <message>
        <source>e. Bonus, amount</source>
        <translation>e. 花紅，款額</translation>
    </message>
    <message>
        <source>e. Bonus, period</source>
        <translation>e. 花紅，期間</translation>
    </message>
    <message>
        <source>f. Back pay, Terminal Awards, and Gratuities, etc., amount</source>
        <translation>f. 欠薪、離職補償及酬金等，款額</translation>
    </message>
    <message>
        <source>f. Back pay, Terminal Awards, and Gratuities, etc., period</source>
        <translation>f. 欠薪、離職補償及酬金等，期間</translation>
    </message>
    <message>
        <source>g. Certain Payments from Retirement Schemes, amount</source>
        <translation>g. 退休計劃的若干付款，款額</translation>
    </message>
    <message>
        <source>g. Certain Payments from Retirement Schemes, period</source>
        <translation>g. 退休計劃的若干付款，期間</translation>
    </message>
    <message>
        <source>h. Salaries Tax paid by Employer, amount</source>
        <translation>h. 僱主代付的薪俸稅，款額</translation>
    </message>
    <message>
        <source>h. Salaries Tax paid by Employer, period</source>
        <translation>h. 僱主代付的薪俸稅，期間</translation>
    </message>
    <message>
        <source>i. Education Benefits, amount</source>
        <translation>i. 教育福利，款額</translation>
    </message>
    <message>
        <source>i. Education Benefits, period</source>
        <translation>i. 教育福利，期間</translation>
    </message>
    <message>
        <source>j. Gain realized under share option scheme, amount</source>
        <translation>j. 根據認購股權計劃而獲得的收益，款額</translation>
    </message>
    <message>
        <source>j. Gain realized under share option scheme, period</source>
        <translation>j. 根據認購股權計劃而獲得的收益，期間</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, amount 1</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，款額 1</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, period 1</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，期間 1</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, nature 1</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，性質 1</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, amount 2</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，款額 2</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, period 2</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，期間 2</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, nature 2</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，性質 2</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, amount 3</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，款額 3</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, period 3</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，期間 3</translation>
    </message>
    <message>
        <source>k. Any other rewards, allowances or perquisites, nature 3</source>
        <translation>k. 其他獎賞、津貼或額外賞賜，性質 3</translation>
    </message>
    <message>
        <source>l. Pensions, amount</source>
        <translation>l. 退休金，款額</translation>
    </message>
    <message>
        <source>l. Pensions, period</source>
        <translation>l. 退休金，期間</translation>
    </message>
    <message>
        <source>Particulars of Place of Residence provided (0=No Place of Residence provided, 1=Place of Residence provided by Employer)</source>
        <translation>提供居所詳情（0=沒有提供居所，1=由僱主提供居所）</translation>
    </message>
    <message>
        <source>Address 1, line 1</source>
        <translation>地址 1，第 1 行</translation>
    </message>
    <message>
        <source>Address 1, line 2</source>
        <translation>地址 1，第 2 行</translation>
    </message>
    <message>
        <source>Address 1, nature</source>
        <translation>地址 1，性質</translation>
    </message>
    <message>
        <source>Address 1, period provided</source>
        <translation>地址 1，提供期間</translation>
    </message>
    <message>
        <source>Address 1, rent paid to landlord by employer</source>
        <translation>地址 1，僱主付給業主的租金</translation>
    </message>
    <message>
        <source>Address 1, rent paid to landlord by employee</source>
        <translation>地址 1，僱員付給業主的租金</translation>
    </message>
    <message>
        <source>Address 1, rent refunded to employee</source>
        <translation>地址 1，發還給僱員的租金</translation>
    </message>
    <message>
        <source>Address 1, rent paid to employer by employee</source>
        <translation>地址 1，僱員付給僱主的租金</translation>
    </message>
    <message>
        <source>Address 2, line 1</source>
        <translation>地址 2，第 1 行</translation>
    </message>
    <message>
        <source>Address 2, line 2</source>
        <translation>地址 2，第 2 行</translation>
    </message>
    <message>
        <source>Address 2, nature</source>
        <translation>地址 2，性質</translation>
    </message>
    <message>
        <source>Address 2, period provided</source>
        <translation>地址 2，提供期間</translation>
    </message>
    <message>
        <source>Address 2, rent paid to landlord by employer</source>
        <translation>地址 2，僱主付給業主的租金</translation>
    </message>
    <message>
        <source>Address 2, rent paid to landlord by employee</source>
        <translation>地址 2，僱員付給業主的租金</translation>
    </message>
    <message>
        <source>Address 2, rent refunded to employee</source>
        <translation>地址 2，發還給僱員的租金</translation>
    </message>
    <message>
        <source>Address 2, rent paid to employer by employee</source>
        <translation>地址 2，僱員付給僱主的租金</translation>
    </message>
    <message>
        <source>Whether the employee was wholly or partly paid by an overseas company either in Hong Kong or overseas (0=NO, 1=YES)</source>
        <translation>僱員是否全部或部分由海外公司在香港或海外支付入息（0=否，1=是）</translation>
    </message>
    <message>
        <source>Overseas company, amount (if known)</source>
        <translation>海外公司，款額（如知道）</translation>
    </message>
    <message>
        <source>Name of overseas company</source>
        <translation>海外公司名稱</translation>
    </message>
    <message>
        <source>Overseas company, address</source>
        <translation>海外公司，地址</translation>
    </message>
    <message>
        <source>Employee&apos;s Tax File Number in XWD</source>
        <translation>僱員在 XWD 的稅務檔案號碼</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>備註</translation>
    </message>
</context>
<context>
    <name>ImportChangesModel</name>
    <message>
        <source>New record</source>
        <translation>新紀錄</translation>
    </message>
    <message>
        <source>Update of record ID %1</source>
        <translation>更新紀錄（編號 %1）</translation>
    </message>
    <message>
        <source>Record ID %1, nothing changes</source>
        <translation>紀錄（編號 %1），沒有變動</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變動</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>欄位</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>更改前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>更改後</translation>
    </message>
</context>
<context>
    <name>ImportDryRunWindow</name>
    <message>
        <source>Import: dry run</source>
        <translation>匯入：試行</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>欄位</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Problems of the rows</source>
        <translation>各列的問題</translation>
    </message>
    <message>
        <source>Import &amp;all rows</source>
        <translation>匯入全部列(&amp;A)</translation>
    </message>
    <message>
        <source>Import only rows &amp;without problems</source>
        <translation>只匯入沒有問題的列(&amp;W)</translation>
    </message>
    <message>
        <source>Import &amp;nothing</source>
        <translation>不匯入任何資料(&amp;N)</translation>
    </message>
    <message>
        <source>Changes the import would make</source>
        <translation>匯入將作出的變動</translation>
    </message>
    <message>
        <source>A&amp;dd new rows</source>
        <translation>加入新列(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Update matching records</source>
        <translation>更新相符的紀錄(&amp;U)</translation>
    </message>
    <message>
        <source>Empty &amp;cells clear fields</source>
        <translation>空白儲存格清除欄位(&amp;C)</translation>
    </message>
    <message>
        <source>Column &amp;mapping...</source>
        <translation>欄位對應(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>IncomeLine</name>
    <message>
        <source>k. Any other rewards, allowances or perquisites</source>
        <translation>k. 其他獎賞、津貼或額外賞賜</translation>
    </message>
    <message>
        <source>Rent paid to landlord by employer</source>
        <translation>僱主付給業主的租金</translation>
    </message>
    <message>
        <source>Rent paid to landlord by employee</source>
        <translation>僱員付給業主的租金</translation>
    </message>
    <message>
        <source>Rent refunded to employee</source>
        <translation>發還給僱員的租金</translation>
    </message>
    <message>
        <source>Rent paid to employer by employee</source>
        <translation>僱員付給僱主的租金</translation>
    </message>
    <message>
        <source>a. Salary/Wages</source>
        <translation>a. 薪金／工資</translation>
    </message>
    <message>
        <source>b. Leave Pay</source>
        <translation>b. 假期工資</translation>
    </message>
    <message>
        <source>c. Director&apos;s Fee</source>
        <translation>c. 董事袍金</translation>
    </message>
    <message>
        <source>d. Commission/Fees</source>
        <translation>d. 佣金／費用</translation>
    </message>
    <message>
        <source>e. Bonus</source>
        <translation>e. 花紅</translation>
    </message>
    <message>
        <source>f. Back pay, Terminal Awards, and Gratuities, etc.</source>
        <translation>f. 欠薪、離職補償及酬金等</translation>
    </message>
    <message>
        <source>g. Certain Payments from Retirement Schemes</source>
        <translation>g. 退休計劃的若干付款</translation>
    </message>
    <message>
        <source>h. Salaries Tax paid by Employer</source>
        <translation>h. 僱主代付的薪俸稅</translation>
    </message>
    <message>
        <source>i. Education Benefits</source>
        <translation>i. 教育福利</translation>
    </message>
    <message>
        <source>j. Gain realized under share option scheme</source>
        <translation>j. 根據認購股權計劃而獲得的收益</translation>
    </message>
    <message>
        <source>l. Pensions</source>
        <translation>l. 退休金</translation>
    </message>
</context>
<context>
    <name>NameSearchWindow</name>
    <message>
        <source>Type a name to find it</source>
        <translation>輸入姓名以尋找</translation>
    </message>
    <message>
        <source>Find a name</source>
        <translation>尋找姓名</translation>
    </message>
    <message>
        <source>Employees by initial letter</source>
        <translation>按首字母排列的僱員</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>First record</source>
        <translation>第一筆紀錄</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>上一筆紀錄</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>下一筆紀錄</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>最後一筆紀錄</translation>
    </message>
    <message>
        <source>Current record</source>
        <translation>現時紀錄</translation>
    </message>
</context>
<context>
    <name>PasswordChangeDialog</name>
    <message>
        <source>Backup copies: %v of %m</source>
        <translation>備份：%v／%m</translation>
    </message>
</context>
<context>
    <name>ProblemFix</name>
    <message>
        <source>Type the sheet number of this replacement or supplementary return on page 1.</source>
        <translation>請在第 1 頁輸入此取代或補加報表的表格編號。</translation>
    </message>
    <message>
        <source>Type the employee&apos;s surname on page 1.</source>
        <translation>請在第 1 頁輸入僱員的姓氏。</translation>
    </message>
    <message>
        <source>Type the employee&apos;s other names in full on page 1.</source>
        <translation>請在第 1 頁輸入僱員的名字（全寫）。</translation>
    </message>
    <message>
        <source>Type M or F as the employee&apos;s sex.</source>
        <translation>請輸入 M 或 F 作為僱員的性別。</translation>
    </message>
    <message>
        <source>Type the employee&apos;s residential address on page 1.</source>
        <translation>請在第 1 頁輸入僱員的住址。</translation>
    </message>
    <message>
        <source>Type H, K, N or F as the area of the residential address.</source>
        <translation>請輸入 H、K、N 或 F 作為住址的地區代碼。</translation>
    </message>
    <message>
        <source>Type the capacity in which the employee is employed.</source>
        <translation>請輸入僱員的受僱職位。</translation>
    </message>
    <message>
        <source>Retype the surname with letters, spaces and the characters the field takes.</source>
        <translation>請以字母、空格及此欄位接受的字元重新輸入姓氏。</translation>
    </message>
    <message>
        <source>Type M or F.</source>
        <translation>請輸入 M 或 F。</translation>
    </message>
    <message>
        <source>Type H, K, N or F.</source>
        <translation>請輸入 H、K、N 或 F。</translation>
    </message>
    <message>
        <source>Type 1 or 2, or leave the marital status blank.</source>
        <translation>請輸入 1 或 2，或將婚姻狀況留空。</translation>
    </message>
    <message>
        <source>Type the identity card number as one or two letters and six digits, without the check character.</source>
        <translation>請以一至兩個字母及六個數字輸入香港身份證號碼，不包括核對字元。</translation>
    </message>
    <message>
        <source>Type the character in brackets on the identity card: a digit or A.</source>
        <translation>請輸入身份證上括號內的字元：數字或 A。</translation>
    </message>
    <message>
        <source>Open the record and retype the value the message names.</source>
        <translation>請開啟該紀錄，並重新輸入訊息所指的數值。</translation>
    </message>
    <message>
        <source>Compare the number and the character in brackets with the identity card: one of them was mistyped.</source>
        <translation>請將號碼及括號內的字元與身份證核對：其中一項輸入錯誤。</translation>
    </message>
    <message>
        <source>Compare the spouse&apos;s number and the character in brackets with the identity card.</source>
        <translation>請將配偶的號碼及括號內的字元與身份證核對。</translation>
    </message>
    <message>
        <source>If the same employee was entered twice, delete one record; otherwise correct the identity number.</source>
        <translation>如同一僱員輸入了兩次，請刪除其中一筆紀錄；否則請更正身份證號碼。</translation>
    </message>
    <message>
        <source>Check both records&apos; identity numbers and names against the identity cards.</source>
        <translation>請將兩筆紀錄的身份證號碼及姓名與身份證核對。</translation>
    </message>
    <message>
        <source>If both records are one employee, keep one of them; two people of one name need no change.</source>
        <translation>如兩筆紀錄屬同一僱員，請保留其中一筆；兩位同名人士則無須更改。</translation>
    </message>
    <message>
        <source>Choose Original, Replacement or Supplementary as the record type.</source>
        <translation>請選擇正本、取代或補加作為紀錄類別。</translation>
    </message>
    <message>
        <source>Type the start and end dates of the employment within the year on page 2.</source>
        <translation>請在第 2 頁輸入該年度內受僱期間的開始及終止日期。</translation>
    </message>
    <message>
        <source>Type the date as day, month and four-digit year of a real calendar day.</source>
        <translation>請以日、月及四位數字年份輸入一個真實的日期。</translation>
    </message>
    <message>
        <source>Type a start date within the return year: 1 April or later.</source>
        <translation>請輸入報稅年度內的開始日期：4 月 1 日或以後。</translation>
    </message>
    <message>
        <source>Type an end date within the return year: 31 March or earlier.</source>
        <translation>請輸入報稅年度內的終止日期：3 月 31 日或以前。</translation>
    </message>
    <message>
        <source>Make the start date earlier than the end date.</source>
        <translation>請將開始日期改為早於終止日期。</translation>
    </message>
    <message>
        <source>Type the day, month and year in digits.</source>
        <translation>請以數字輸入日、月及年。</translation>
    </message>
    <message>
        <source>Type the amount in whole dollars, without cents.</source>
        <translation>請以整數元輸入款額，不計算仙位。</translation>
    </message>
    <message>
        <source>Make the record&apos;s total income 999,999,999 or less.</source>
        <translation>請將紀錄的入息總額改為 999,999,999 或以下。</translation>
    </message>
    <message>
        <source>Type the period the amount relates to, or clear the amount.</source>
        <translation>請輸入該款額所屬的期間，或清除該款額。</translation>
    </message>
    <message>
        <source>Type the amount of the period, or clear the period.</source>
        <translation>請輸入該期間的款額，或清除該期間。</translation>
    </message>
    <message>
        <source>Check that the amount is in whole dollars and has no digit too many.</source>
        <translation>請核對款額是否以整數元輸入，及有否多打一個數字。</translation>
    </message>
    <message>
        <source>Check each amount of the record; one may have a digit too many or belong to another line.</source>
        <translation>請核對紀錄的每項款額；其中一項可能多打了一個數字或屬於另一項目。</translation>
    </message>
    <message>
        <source>Correct the income period or the period of employment so that one lies within the other.</source>
        <translation>請更正入息期間或受僱期間，使其中一個期間在另一個期間之內。</translation>
    </message>
    <message>
        <source>Correct the period of employment so that it lies within the return year.</source>
        <translation>請更正受僱期間，使其在報稅年度之內。</translation>
    </message>
    <message>
        <source>Type 1 when a place of residence was provided, otherwise 0.</source>
        <translation>如有提供居所請輸入 1，否則輸入 0。</translation>
    </message>
    <message>
        <source>Type the address of the place of residence provided.</source>
        <translation>請輸入所提供居所的地址。</translation>
    </message>
    <message>
        <source>Type the nature of the place of residence provided.</source>
        <translation>請輸入所提供居所的性質。</translation>
    </message>
    <message>
        <source>Type the period for which the place of residence was provided.</source>
        <translation>請輸入提供居所的期間。</translation>
    </message>
    <message>
        <source>Type 0 or 1.</source>
        <translation>請輸入 0 或 1。</translation>
    </message>
    <message>
        <source>Type the period for which the place was provided, or clear the rents.</source>
        <translation>請輸入提供居所的期間，或清除各項租金。</translation>
    </message>
    <message>
        <source>Nothing to do when the place was provided free; otherwise type the rents.</source>
        <translation>如居所是免費提供，則無須處理；否則請輸入各項租金。</translation>
    </message>
    <message>
        <source>Type 1 when an overseas company paid part of the income, otherwise 0.</source>
        <translation>如海外公司支付了部分入息請輸入 1，否則輸入 0。</translation>
    </message>
    <message>
        <source>Type the name of the overseas company on page 4.</source>
        <translation>請在第 4 頁輸入海外公司名稱。</translation>
    </message>
    <message>
        <source>Fill in the item on the employer screen before saving the return.</source>
        <translation>請在儲存報表前，於僱主畫面填寫該項目。</translation>
    </message>
    <message>
        <source>Type the four-digit year of the return on the employer screen.</source>
        <translation>請在僱主畫面輸入四位數字的報稅年度。</translation>
    </message>
    <message>
        <source>Type the letter of the employer&apos;s file number on the employer screen.</source>
        <translation>請在僱主畫面輸入僱主檔案號碼的英文字母。</translation>
    </message>
    <message>
        <source>Type the file number as it stands on the authority&apos;s letters.</source>
        <translation>請按稅務局信件上所示輸入檔案號碼。</translation>
    </message>
    <message>
        <source>Type the date of submission as DDMMYYYY, after the end of the return year.</source>
        <translation>請以 DDMMYYYY 格式輸入申報日期，並須在報稅年度終結之後。</translation>
    </message>
    <message>
        <source>Add the employee&apos;s record, or make sure the employee left before 1 April.</source>
        <translation>請加入該僱員的紀錄，或確定該僱員在 4 月 1 日前已離職。</translation>
    </message>
    <message>
        <source>Check the category&apos;s amounts: a line may have been typed into the wrong category.</source>
        <translation>請核對該類別的款額：可能有項目輸入了錯誤的類別。</translation>
    </message>
    <message>
        <source>Correct the row in the file and import it again.</source>
        <translation>請更正檔案中的該列，然後再次匯入。</translation>
    </message>
</context>
<context>
    <name>ProblemListWindow</name>
    <message>
        <source>Problems of the return</source>
        <translation>報表的問題</translation>
    </message>
    <message>
        <source>Control totals</source>
        <translation>控制總額</translation>
    </message>
    <message>
        <source>All problems</source>
        <translation>全部問題</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>顯示(&amp;W)：</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>再次檢查(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>另存為 CSV(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>No problem was found in the return.</source>
        <translation>報表中沒有發現任何問題。</translation>
    </message>
    <message>
        <source>Double-click a problem or press Enter on it to show that record.</source>
        <translation>在問題上按兩下或按 Enter 鍵，即可顯示該紀錄。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No backup copy of the database could be made: %1 Nothing was imported.</source>
        <translation>無法備份資料庫：%1 沒有匯入任何資料。</translation>
    </message>
    <message>
        <source>There is no working database in the folder &apos;%1&apos;.</source>
        <translation>資料夾「%1」內沒有工作資料庫。</translation>
    </message>
    <message>
        <source>The amount &apos;%1&apos; is not a whole number.</source>
        <translation>款額「%1」不是整數。</translation>
    </message>
    <message>
        <source>The amount &apos;%1&apos; is too large for the program.</source>
        <translation>款額「%1」太大，程式無法處理。</translation>
    </message>
    <message>
        <source>The system&apos;s Big5-HKSCS conversion is not available.</source>
        <translation>系統沒有提供 Big5-HKSCS 轉換。</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; cannot be left as an empty text.</source>
        <translation>欄位「%1」不可留空。</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; contains a control character (such as a tab, a line break or an escape), which cannot be stored.</source>
        <translation>欄位「%1」含有控制字元（例如 Tab、換行或 Escape），無法儲存。</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; contains a character that cannot be stored.</source>
        <translation>欄位「%1」含有無法儲存的字元。</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; holds at most %2 bytes (a Chinese character takes two); the value has %3.</source>
        <translation>欄位「%1」最多可容納 %2 個位元組（每個中文字佔兩個）；現時數值有 %3 個。</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; must hold a whole number from %2 to %3.</source>
        <translation>欄位「%1」必須是 %2 至 %3 的整數。</translation>
    </message>
    <message>
        <source>There is no column &apos;%1&apos;.</source>
        <translation>沒有欄「%1」。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2</source>
        <translation>無法寫入檔案「%1」：%2</translation>
    </message>
    <message>
        <source>an earlier copy cannot be deleted.</source>
        <translation>無法刪除較早的副本。</translation>
    </message>
    <message>
        <source>the finished file cannot take its name.</source>
        <translation>完成的檔案無法改用其名稱。</translation>
    </message>
    <message>
        <source>the finished file is not complete.</source>
        <translation>完成的檔案並不完整。</translation>
    </message>
    <message>
        <source>%1 (other columns)</source>
        <translation>%1（其他欄）</translation>
    </message>
    <message>
        <source>its table &apos;%1&apos; has other columns</source>
        <translation>其資料表「%1」有其他欄</translation>
    </message>
    <message>
        <source>an unknown definition</source>
        <translation>不明的定義</translation>
    </message>
    <message>
        <source>it holds %1 &apos;%2&apos;</source>
        <translation>其中有 %1「%2」</translation>
    </message>
    <message>
        <source>it has no table &apos;%1&apos;</source>
        <translation>其中沒有資料表「%1」</translation>
    </message>
    <message>
        <source>The copy to &apos;%1&apos; failed: %2</source>
        <translation>複製至「%1」失敗：%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2</source>
        <translation>無法讀取「%1」：%2</translation>
    </message>
    <message>
        <source>the copy cannot be read back from the medium.</source>
        <translation>無法從儲存媒體讀回副本。</translation>
    </message>
    <message>
        <source>the copy read back differs from the original (%1 of %2 bytes).</source>
        <translation>讀回的副本與原本不同（%1／%2 個位元組）。</translation>
    </message>
    <message>
        <source>there is no space left on the medium.</source>
        <translation>儲存媒體已沒有空間。</translation>
    </message>
    <message>
        <source>the file is larger than the medium or this system allows.</source>
        <translation>檔案大於儲存媒體或本系統所容許的大小。</translation>
    </message>
    <message>
        <source>the medium is read-only (it may be write-protected).</source>
        <translation>儲存媒體為唯讀（可能已設定防寫）。</translation>
    </message>
    <message>
        <source>this user may not write to the medium&apos;s folder.</source>
        <translation>此使用者不可寫入儲存媒體的資料夾。</translation>
    </message>
    <message>
        <source>the medium&apos;s folder is no longer there; the medium may have been removed.</source>
        <translation>儲存媒體的資料夾已不存在；儲存媒體可能已被移除。</translation>
    </message>
    <message>
        <source>the medium could not be written or read; it may have been removed or be damaged.</source>
        <translation>無法寫入或讀取儲存媒體；儲存媒體可能已被移除或已損壞。</translation>
    </message>
    <message>
        <source>the system did not say why.</source>
        <translation>系統沒有說明原因。</translation>
    </message>
    <message>
        <source>the system reports: %1.</source>
        <translation>系統報告：%1。</translation>
    </message>
    <message>
        <source>the copy cannot take its name: %1</source>
        <translation>副本無法改用其名稱：%1</translation>
    </message>
    <message>
        <source>The file has no header row of column names.</source>
        <translation>檔案沒有載有欄名的標題列。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than %2 MB, the most one import reads. Split it into smaller files and import them one after the other.</source>
        <translation>檔案「%1」大於 %2 MB，即每次匯入可讀取的上限。請將其分拆為較小的檔案，再逐一匯入。</translation>
    </message>
    <message>
        <source>The file has more than %1 rows, the most one import takes. Split it into smaller files and import them one after the other.</source>
        <translation>檔案多於 %1 列，即每次匯入可接受的上限。請將其分拆為較小的檔案，再逐一匯入。</translation>
    </message>
    <message>
        <source>The temporary report file &apos;%1&apos; cannot be deleted.</source>
        <translation>無法刪除臨時報告檔案「%1」。</translation>
    </message>
    <message>
        <source>open</source>
        <translation>已開啟</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>已損壞</translation>
    </message>
    <message>
        <source>no summary</source>
        <translation>沒有摘要</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>報表</translation>
    </message>
    <message>
        <source>Please enter a name for the return&apos;s folder.</source>
        <translation>請輸入報表資料夾的名稱。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be the name of a folder. Please choose another name.</source>
        <translation>「%1」不能用作資料夾名稱。請另選名稱。</translation>
    </message>
    <message>
        <source>A return named &apos;%1&apos; is in the list already. Please choose another name.</source>
        <translation>清單中已有名為「%1」的報表。請另選名稱。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; named in path.ini cannot be created.</source>
        <translation>無法建立 path.ini 所指的資料夾「%1」。</translation>
    </message>
    <message>
        <source>The work file &apos;%1&apos; in &apos;%2&apos; cannot be deleted.</source>
        <translation>無法刪除「%2」內的工作檔案「%1」。</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; holds a character that the return&apos;s code page cannot write.</source>
        <translation>欄位「%1」含有報表字碼頁無法寫入的字元。</translation>
    </message>
    <message>
        <source>The medium holds files left by a save that did not finish: %1.  Do you want them removed, so that the return can be saved on this medium?</source>
        <translation>儲存媒體上有未完成的儲存所留下的檔案：%1。您要刪除這些檔案，以便將報表儲存至此儲存媒體嗎？</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>檔案：%1</translation>
    </message>
    <message>
        <source>The return has 1 error</source>
        <translation>報表有 1 項錯誤</translation>
    </message>
    <message>
        <source>The return has %1 errors</source>
        <translation>報表有 %1 項錯誤</translation>
    </message>
    <message>
        <source> and cannot be saved as it is. Correct the records in the list, then save again.</source>
        <translation>，不能按現狀儲存。請更正清單中的紀錄，然後再次儲存。</translation>
    </message>
    <message>
        <source>The check of the return found 1 warning.</source>
        <translation>報表檢查發現 1 項警告。</translation>
    </message>
    <message>
        <source>The check of the return found %1 warnings.</source>
        <translation>報表檢查發現 %1 項警告。</translation>
    </message>
    <message>
        <source>Do you want to see them?</source>
        <translation>您要查看嗎？</translation>
    </message>
    <message>
        <source>All original records, in sheet order</source>
        <translation>全部正本紀錄，按表格編號排列</translation>
    </message>
    <message>
        <source>Every record</source>
        <translation>每一筆紀錄</translation>
    </message>
    <message>
        <source>%1 of the files to be written are in %2 already, &quot;%3&quot; among them. Do you want to replace them?</source>
        <translation>將寫入的檔案中有 %1 個已在 %2 內，包括「%3」。您要取代這些檔案嗎？</translation>
    </message>
    <message>
        <source>Writing the forms as PDF files...</source>
        <translation>正在將表格寫入 PDF 檔案...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>1 form saved to %1.</source>
        <translation>1 份表格已儲存至 %1。</translation>
    </message>
    <message>
        <source>%1 forms saved to %2.</source>
        <translation>%1 份表格已儲存至 %2。</translation>
    </message>
    <message>
        <source>%1 of %2 forms saved to %3.</source>
        <translation>%2 份表格中的 %1 份已儲存至 %3。</translation>
    </message>
    <message>
        <source>Export of forms cancelled: </source>
        <translation>匯出表格已取消：</translation>
    </message>
    <message>
        <source>Export of forms stopped by an error: </source>
        <translation>匯出表格因錯誤而停止：</translation>
    </message>
    <message>
        <source>Save or cancel the record being entered before exporting forms.</source>
        <translation>匯出表格前，請先更新或取消正在輸入的紀錄。</translation>
    </message>
    <message>
        <source>There is no original record to export.</source>
        <translation>沒有可匯出的正本紀錄。</translation>
    </message>
    <message>
        <source>There is no record to export.</source>
        <translation>沒有可匯出的紀錄。</translation>
    </message>
    <message>
        <source>The forms could not all be written. </source>
        <translation>未能寫入全部表格。</translation>
    </message>
    <message>
        <source>The XW73D of %1 was sent to the printer.</source>
        <translation>%1 的 XW73D 已送往印表機。</translation>
    </message>
    <message>
        <source>Check all records: 1 problem</source>
        <translation>檢查全部紀錄：1 個問題</translation>
    </message>
    <message>
        <source>Check all records: %1 problems</source>
        <translation>檢查全部紀錄：%1 個問題</translation>
    </message>
    <message>
        <source>Do you want to see the list of problems in the return?</source>
        <translation>您要查看報表問題的清單嗎？</translation>
    </message>
    <message>
        <source>The forms and their file names do not match.</source>
        <translation>表格與其檔案名稱不相符。</translation>
    </message>
    <message>
        <source>1 page saved to %1.</source>
        <translation>1 頁已儲存至 %1。</translation>
    </message>
    <message>
        <source>%1 pages saved to %2.</source>
        <translation>%1 頁已儲存至 %2。</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>無法開始新的一頁。</translation>
    </message>
    <message>
        <source>There are no pages to print.</source>
        <translation>沒有可列印的頁。</translation>
    </message>
    <message>
        <source>The output could not be started.</source>
        <translation>無法開始輸出。</translation>
    </message>
    <message>
        <source>The output could not be finished.</source>
        <translation>無法完成輸出。</translation>
    </message>
    <message>
        <source>The file %1 could not be written completely.</source>
        <translation>未能完整寫入檔案 %1。</translation>
    </message>
    <message>
        <source>Do you want to go on without a backup copy?</source>
        <translation>您要在沒有備份的情況下繼續嗎？</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（無）</translation>
    </message>
    <message>
        <source>the old record with ID %1 (surname %2, other names %3)</source>
        <translation>ID 為 %1 的舊紀錄（姓氏 %2，名字 %3）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the database as it was before the conversion. Renamed to &apos;%2&apos;, it is converted again at the next start.</source>
        <translation>「%1」是轉換前的資料庫。已改名為「%2」，並會在下次啟動時再次轉換。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the database the conversion was making. It was not taken as &apos;%2&apos;: it does not read back whole, or the old database &apos;%3&apos; is not beside it.</source>
        <translation>「%1」是轉換時正在建立的資料庫。它沒有被採用為「%2」：它無法完整讀回，或舊資料庫「%3」不在旁邊。</translation>
    </message>
    <message>
        <source>There is no database &apos;%1&apos; in the program folder (%2), but there is &apos;%3&apos;. Your records may be there: a conversion of the database of an earlier version was stopped before it was finished.</source>
        <translation>程式資料夾（%2）內沒有資料庫「%1」，但有「%3」。您的紀錄可能在其中：舊版本資料庫的轉換在完成前被中止。</translation>
    </message>
    <message>
        <source>Do you want to create a new, empty database? No ends the program and leaves every file as it is.</source>
        <translation>您要建立一個新的空白資料庫嗎？選「否」會結束程式，所有檔案保持不變。</translation>
    </message>
    <message>
        <source>The conversion of the database was stopped at the last start before it was finished. It has now been completed: &apos;%1&apos; has become &apos;%2&apos;, and the old database is kept as &apos;%3&apos;.</source>
        <translation>上次啟動時，資料庫的轉換在完成前被中止。現已完成：「%1」已成為「%2」，舊資料庫保存為「%3」。</translation>
    </message>
    <message>
        <source>The conversion stopped at %1: its value in the column &apos;%2&apos; cannot be stored. %3

The old database is unchanged. Correct that record with any SQLite tool and start the program again.</source>
        <translation>轉換在 %1 停止：其在欄「%2」的數值無法儲存。%3

舊資料庫沒有改變。請以任何 SQLite 工具更正該紀錄，然後再次啟動程式。</translation>
    </message>
    <message>
        <source>

Or the program can cut every value that is too long to the width of its column (%1 bytes for &apos;%2&apos;) and go on; each value cut is named when the conversion is done. Do you want the program to cut such values?</source>
        <translation>

或者，程式可將每個過長的數值截短至其欄的寬度（「%2」為 %1 個位元組）並繼續；轉換完成時會列出每個被截短的數值。您要程式截短這些數值嗎？</translation>
    </message>
    <message>
        <source>

These values were too long and were cut to the width of their column:</source>
        <translation>

以下數值過長，已截短至其欄的寬度：</translation>
    </message>
    <message>
        <source>
%1, %2: %3 is now %4</source>
        <translation>
%1，%2：%3 現為 %4</translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
及另外 %n 個。</numerusform>
        </translation>
    </message>
    <message>
        <source>A new database has been made for the records. It is protected by the default password &quot;%1&quot; until you change it: at the next start, choose Change Password on the login screen.</source>
        <translation>已為紀錄建立新資料庫。在您更改密碼前，資料庫以預設密碼「%1」保護：下次啟動時，請在登入畫面選擇「更改密碼」。</translation>
    </message>
    <message>
        <source>The login password is still the default one, &quot;%1&quot;. Change it with Change Password on the login screen.</source>
        <translation>登入密碼仍是預設密碼「%1」。請在登入畫面以「更改密碼」更改。</translation>
    </message>
    <message>
        <source>The employment of these employees ended before the year %1 begins:

%2

Carry them over to next year&apos;s return?</source>
        <translation>以下僱員的受僱期間在 %1 年度開始前已終止：

%2

要將他們轉入下一報稅年度的報表嗎？</translation>
    </message>
    <message>
        <source>%1: %2, found &quot;%3&quot;, expected &quot;%4&quot;</source>
        <translation>%1：%2，找到「%3」，應為「%4」</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>正確</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>The program folder &apos;%1&apos; cannot be created.</source>
        <translation>無法建立程式資料夾「%1」。</translation>
    </message>
    <message>
        <source>These checks fail: %1.</source>
        <translation>以下檢查未能通過：%1。</translation>
    </message>
    <message>
        <source>verifies</source>
        <translation>核實無誤</translation>
    </message>
    <message>
        <source>does not verify</source>
        <translation>核實不符</translation>
    </message>
    <message>
        <source>does not open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read whole: %2</source>
        <translation>無法完整讀取檔案「%1」：%2</translation>
    </message>
    <message>
        <source>The kept copy of &apos;%1&apos; does not read back as it was written.</source>
        <translation>「%1」的保存副本無法按寫入時的內容讀回。</translation>
    </message>
    <message>
        <source>The archive folder cannot be made.</source>
        <translation>無法建立存檔資料夾。</translation>
    </message>
    <message>
        <source>The archive folder does not take a new entry.</source>
        <translation>存檔資料夾無法接受新項目。</translation>
    </message>
    <message>
        <source>The control list could not be drawn for the archive.</source>
        <translation>無法為存檔繪製控制清單。</translation>
    </message>
    <message>
        <source>The archive needs the return&apos;s password.</source>
        <translation>存檔需要報表的密碼。</translation>
    </message>
    <message>
        <source>The entry cannot take its name.</source>
        <translation>項目無法改用其名稱。</translation>
    </message>
    <message>
        <source>The archive entry &apos;%1&apos; holds no summary.</source>
        <translation>存檔項目「%1」沒有摘要。</translation>
    </message>
    <message>
        <source>The archive entry &apos;%1&apos; is missing one of its files.</source>
        <translation>存檔項目「%1」缺少其中一個檔案。</translation>
    </message>
    <message>
        <source>No private folder can be made to take out the archived submission.</source>
        <translation>無法建立私人資料夾以取出已存檔的申報檔案。</translation>
    </message>
    <message>
        <source>The entry under the new password differs.</source>
        <translation>以新密碼儲存的項目有所不同。</translation>
    </message>
    <message>
        <source>These saved submissions in the archive could not be given the new password and still open with the earlier one: %1.</source>
        <translation>存檔內以下已儲存的申報檔案未能改用新密碼，仍可用較早的密碼開啟：%1。</translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation>於 %1 儲存至 %2</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is damaged and cannot be opened. Restore it from a backup copy.</source>
        <translation>資料庫檔案「%1」已損壞，無法開啟。請從備份還原。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the folder &apos;%2&apos; is a folder, not a database file. Move it away.</source>
        <translation>資料夾「%2」內的「%1」是一個資料夾，不是資料庫檔案。請將其移走。</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be read: you have no permission to read it.</source>
        <translation>無法讀取資料庫檔案「%1」：您沒有讀取權限。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; of the database file &apos;%2&apos; cannot be reached.</source>
        <translation>無法存取資料庫檔案「%2」所在的資料夾「%1」。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; of the database file &apos;%2&apos; is read-only: the program cannot write there.</source>
        <translation>資料庫檔案「%2」所在的資料夾「%1」為唯讀：程式無法在該處寫入。</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be changed: the file or its folder is read-only.</source>
        <translation>無法更改資料庫檔案「%1」：該檔案或其資料夾為唯讀。</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be opened: its folder cannot be reached or written.</source>
        <translation>無法開啟資料庫檔案「%1」：無法存取或寫入其資料夾。</translation>
    </message>
    <message>
        <source>There is not enough space on the disk to write &apos;%1&apos;.</source>
        <translation>磁碟空間不足，無法寫入「%1」。</translation>
    </message>
    <message>
        <source>Not a valid password.</source>
        <translation>密碼無效。</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is in use by another copy of the program or by another program. Close it and try again.</source>
        <translation>資料庫檔案「%1」正由本程式的另一個副本或其他程式使用。請將其關閉後再試。</translation>
    </message>
    <message>
        <source>A disk error occurred while reading or writing &apos;%1&apos;.</source>
        <translation>讀取或寫入「%1」時發生磁碟錯誤。</translation>
    </message>
    <message>
        <source>The database engine reported an error: %1.</source>
        <translation>資料庫引擎報告錯誤：%1。</translation>
    </message>
    <message>
        <source>Could not find the file &apos;%1&apos;.</source>
        <translation>找不到檔案「%1」。</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; already exists.</source>
        <translation>資料庫「%1」已存在。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be created.</source>
        <translation>無法建立檔案「%1」。</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is damaged: not every page of it can be read.</source>
        <translation>資料庫檔案「%1」已損壞：並非每一頁都能讀取。</translation>
    </message>
    <message>
        <source>The copy of the database is incomplete.</source>
        <translation>資料庫的副本並不完整。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>無法讀取檔案「%1」。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; changed while it was being read: the checks would mix two files. Check it again once nothing writes to it.</source>
        <translation>檔案「%1」在讀取期間有所改變：檢查會混合兩個檔案。請在沒有程式寫入該檔案時再次檢查。</translation>
    </message>
    <message>
        <source>reading it did not finish within %1 seconds</source>
        <translation>讀取未能在 %1 秒內完成</translation>
    </message>
    <message>
        <source>reading it needed more memory than a file of its kind ever needs</source>
        <translation>讀取所需的記憶體遠超此類檔案所需</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>已損壞（%1）</translation>
    </message>
    <message>
        <source>the database engine reported: %1</source>
        <translation>資料庫引擎報告：%1</translation>
    </message>
    <message>
        <source>its check ended before it was complete</source>
        <translation>檢查在完成前已結束</translation>
    </message>
    <message>
        <source>reading it made the database engine fail (signal %1)</source>
        <translation>讀取導致資料庫引擎失效（信號 %1）</translation>
    </message>
    <message>
        <source>no process could be started to check it</source>
        <translation>無法啟動程序以作檢查</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read as a submission: %2.</source>
        <translation>無法將檔案「%1」作為申報檔案讀取：%2。</translation>
    </message>
    <message>
        <source>The log &apos;%1&apos; cannot be read as the log of a submission: %2.</source>
        <translation>無法將記錄檔「%1」作為申報檔案的記錄檔讀取：%2。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; in the folder &apos;%2&apos; is not a database of this program: %3. Restore it from a backup copy or move it away.</source>
        <translation>資料夾「%2」內的檔案「%1」不是本程式的資料庫：%3。請從備份還原，或將其移走。</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos; was stopped: it took longer than %2 seconds, far longer than a file of this program ever needs.</source>
        <translation>已停止讀取「%1」：所需時間超過 %2 秒，遠超本程式的檔案所需。</translation>
    </message>
    <message>
        <source>A row has the wrong width.</source>
        <translation>有一列的寬度不正確。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; is read-only: the program cannot create its database there.</source>
        <translation>資料夾「%1」為唯讀：程式無法在該處建立資料庫。</translation>
    </message>
    <message>
        <source>The new database cannot be moved into the folder &apos;%1&apos;.</source>
        <translation>無法將新資料庫移入資料夾「%1」。</translation>
    </message>
    <message>
        <source>The working database has no employer row.</source>
        <translation>工作資料庫沒有僱主資料列。</translation>
    </message>
    <message>
        <source>No current record: the submission has no employer row.</source>
        <translation>沒有現時紀錄：申報檔案沒有僱主資料列。</translation>
    </message>
    <message>
        <source>it is incomplete on the disk.</source>
        <translation>磁碟上的檔案並不完整。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2</source>
        <translation>無法讀取檔案「%1」：%2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is neither UTF-8 nor Big5-HKSCS text.</source>
        <translation>檔案「%1」既不是 UTF-8 也不是 Big5-HKSCS 文字。</translation>
    </message>
    <message>
        <source>A record to be written no longer exists.</source>
        <translation>要寫入的紀錄已不存在。</translation>
    </message>
    <message>
        <source>The record of page %1 no longer exists.</source>
        <translation>第 %1 頁的紀錄已不存在。</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>沒有現時紀錄。</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; does not exist.</source>
        <translation>欄「%1」不存在。</translation>
    </message>
    <message>
        <source>The record is not being edited.</source>
        <translation>紀錄並非處於編輯狀態。</translation>
    </message>
    <message>
        <source>The forms could not be made into files of their own: %1</source>
        <translation>無法將表格各自存為獨立檔案：%1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>the file did not read back as it was written</source>
        <translation>檔案無法按寫入時的內容讀回</translation>
    </message>
    <message>
        <source>the file could not take its name</source>
        <translation>檔案無法改用其名稱</translation>
    </message>
    <message>
        <source>The new return in &apos;%1&apos; did not read back as it was written; it was not kept.</source>
        <translation>「%1」內的新報表無法按寫入時的內容讀回，因此沒有保留。</translation>
    </message>
    <message>
        <source>The return year &apos;%1&apos; is not a year; enter it on the employer&apos;s screen first.</source>
        <translation>報稅年度「%1」不是年份；請先在僱主畫面輸入。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; exists already.</source>
        <translation>資料夾「%1」已存在。</translation>
    </message>
    <message>
        <source>The new return cannot take the folder &apos;%1&apos;.</source>
        <translation>新報表無法使用資料夾「%1」。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be made for the return.</source>
        <translation>無法為報表建立資料夾「%1」。</translation>
    </message>
    <message>
        <source>The return &apos;%1&apos; is open. Close it before it is removed from the list.</source>
        <translation>報表「%1」已開啟。請先將其關閉，才從清單移除。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be made.</source>
        <translation>無法建立資料夾「%1」。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be moved to the removed returns.</source>
        <translation>無法將資料夾「%1」移至已移除的報表。</translation>
    </message>
    <message>
        <source>the summary of the return cannot be written.</source>
        <translation>無法寫入報表的摘要。</translation>
    </message>
    <message>
        <source>the summary of the return does not read back as it was written.</source>
        <translation>報表的摘要無法按寫入時的內容讀回。</translation>
    </message>
    <message>
        <source>No backup copy of the database could be made: %1</source>
        <translation>無法備份資料庫：%1</translation>
    </message>
    <message>
        <source>The re-keyed copy cannot take its name.</source>
        <translation>以新密碼重新加密的副本無法改用其名稱。</translation>
    </message>
    <message>
        <source>These backup copies could not be given the new password and have been removed: %1.</source>
        <translation>以下備份未能改用新密碼，已被刪除：%1。</translation>
    </message>
    <message>
        <source>These backup copies could neither be given the new password nor be removed, and still open with an earlier password: %1. Remove them from the folder &apos;%2&apos;.</source>
        <translation>以下備份既未能改用新密碼，也未能刪除，仍可用較早的密碼開啟：%1。請從資料夾「%2」中刪除。</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; for backup copies cannot be created.</source>
        <translation>無法建立存放備份的資料夾「%1」。</translation>
    </message>
    <message>
        <source>The working database is in use: quit the program before restoring a backup copy.</source>
        <translation>工作資料庫正在使用中：請先結束程式，才還原備份。</translation>
    </message>
    <message>
        <source>A change of the working database was interrupted: start the program once and quit it, then restore.</source>
        <translation>工作資料庫的更改曾被中斷：請啟動程式一次再結束，然後才還原。</translation>
    </message>
    <message>
        <source>The working database cannot be read for its copy.</source>
        <translation>無法讀取工作資料庫以作備份。</translation>
    </message>
    <message>
        <source>There is not enough space on the disk to write the backup copy &apos;%1&apos;.</source>
        <translation>磁碟空間不足，無法寫入備份「%1」。</translation>
    </message>
    <message>
        <source>The backup copy &apos;%1&apos; cannot be written.</source>
        <translation>無法寫入備份「%1」。</translation>
    </message>
    <message>
        <source>There is no backup copy named &apos;%1&apos;.</source>
        <translation>沒有名為「%1」的備份。</translation>
    </message>
    <message>
        <source>The working database cannot be replaced; it is unchanged.</source>
        <translation>無法取代工作資料庫；工作資料庫沒有改變。</translation>
    </message>
    <message>
        <source>The old database has no table &apos;%1&apos;.</source>
        <translation>舊資料庫沒有資料表「%1」。</translation>
    </message>
    <message>
        <source>The old database has no employer row.</source>
        <translation>舊資料庫沒有僱主資料列。</translation>
    </message>
    <message>
        <source>The converted database does not read back as written.</source>
        <translation>轉換後的資料庫無法按寫入時的內容讀回。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be renamed to &apos;%2&apos;.</source>
        <translation>無法將檔案「%1」改名為「%2」。</translation>
    </message>
    <message>
        <source>The new database cannot be renamed to &apos;%1&apos;, and the old one cannot be given its name back: rename &apos;%2&apos; to &apos;%1&apos; before the next start.</source>
        <translation>無法將新資料庫改名為「%1」，舊資料庫亦無法改回原名：請在下次啟動前將「%2」改名為「%1」。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be deleted.</source>
        <translation>無法刪除檔案「%1」。</translation>
    </message>
    <message>
        <source>The password has not been changed.</source>
        <translation>密碼沒有更改。</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be replaced. The password has not been changed.</source>
        <translation>無法取代資料庫檔案「%1」。密碼沒有更改。</translation>
    </message>
    <message>
        <source>The file &apos;xw73d.mdb&apos; in the program folder is damaged or is not a database of this program. Restore it from a backup copy or move it away.</source>
        <translation>程式資料夾內的檔案「xw73d.mdb」已損壞，或不是本程式的資料庫。請從備份還原，或將其移走。</translation>
    </message>
    <message>
        <source>The record of line %1 is no longer in the submission.</source>
        <translation>申報檔案內已沒有第 %1 行的紀錄。</translation>
    </message>
    <message>
        <source>No current record: the log &apos;%1&apos; holds no row.</source>
        <translation>沒有現時紀錄：記錄檔「%1」沒有任何資料列。</translation>
    </message>
    <message>
        <source>The log &apos;%1&apos; holds more than one row.</source>
        <translation>記錄檔「%1」有多於一列資料。</translation>
    </message>
    <message>
        <source>The log &apos;%1&apos; did not keep its record; it has been deleted.</source>
        <translation>記錄檔「%1」沒有保存其紀錄，已被刪除。</translation>
    </message>
    <message>
        <source>The save to &apos;%1&apos; failed: %2</source>
        <translation>儲存至「%1」失敗：%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not in the folder &apos;%2&apos; after the copy.</source>
        <translation>複製後，「%1」不在資料夾「%2」內。</translation>
    </message>
    <message>
        <source>the files on the medium do not agree with each other (%1); the medium may be damaged.</source>
        <translation>儲存媒體上的檔案互不相符（%1）；儲存媒體可能已損壞。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; on the medium cannot be removed.</source>
        <translation>無法刪除儲存媒體上的檔案「%1」。</translation>
    </message>
    <message>
        <source>the image was not written completely.</source>
        <translation>影像沒有完整寫入。</translation>
    </message>
    <message>
        <source>The submission is saved, but no copy of it could be kept in the archive: %1 The next save tries again.</source>
        <translation>申報檔案已儲存，但未能在存檔中保留副本：%1 下次儲存時會再嘗試。</translation>
    </message>
    <message>
        <source>The return year &apos;%1&apos; is not a number.</source>
        <translation>報稅年度「%1」不是數字。</translation>
    </message>
    <message>
        <source>The submission file &apos;%1&apos; did not keep every record; it has been deleted.</source>
        <translation>申報檔案「%1」沒有保存每一筆紀錄，已被刪除。</translation>
    </message>
    <message>
        <source>No current record: no original record has its period of employment within the return year.</source>
        <translation>沒有現時紀錄：沒有任何正本紀錄的受僱期間在報稅年度之內。</translation>
    </message>
    <message>
        <source>the compacted file cannot be moved.</source>
        <translation>無法移動壓縮後的檔案。</translation>
    </message>
    <message>
        <source>Could not find the log &apos;%1&apos; beside the submission.</source>
        <translation>在申報檔案旁找不到記錄檔「%1」。</translation>
    </message>
    <message>
        <source>No private copy of &apos;%1&apos; can be made to check it.</source>
        <translation>無法建立「%1」的私人副本以作檢查。</translation>
    </message>
    <message>
        <source>No folder for private copies can be made to check &apos;%1&apos;.</source>
        <translation>無法建立存放私人副本的資料夾以檢查「%1」。</translation>
    </message>
    <message>
        <source>virtual table</source>
        <translation>虛擬資料表</translation>
    </message>
    <message>
        <source>&apos; is not a valid file number. Please enter again!</source>
        <translation>」不是有效的檔案號碼。請重新輸入！</translation>
    </message>
    <message>
        <source>&apos; is not a valid year. Please enter again!</source>
        <translation>」不是有效的年份。請重新輸入！</translation>
    </message>
    <message>
        <source>Invalid year. Please enter a 4-digit year.</source>
        <translation>年份無效。請輸入四位數字的年份。</translation>
    </message>
    <message>
        <source>Input year must be later than 1996.</source>
        <translation>輸入的年份必須在 1996 年之後。</translation>
    </message>
    <message>
        <source>WARNING!  Amendment of the Year Field will DELETE ALL the inputted data (including particulars of income, place of residence provided and overseas income etc.) in Page 2, 3 and 4 automatically.<byte value="xd"/><byte value="xd"/>Remember to delete records of employees that are not required.  Do you want to proceed?</source>
        <translation>警告！修改年度欄位會自動刪除第 2、3 及 4 頁所有已輸入的資料（包括入息詳情、提供居所及海外入息等）。<byte value="xd"/><byte value="xd"/>請記得刪除不需要的僱員紀錄。您要繼續嗎？</translation>
    </message>
    <message>
        <source>1&apos; is not a valid file number. Please enter again!</source>
        <translation>1」不是有效的檔案號碼。請重新輸入！</translation>
    </message>
    <message>
        <source>Invalid date format.  Please fill in with format, DDMMYYYY.</source>
        <translation>日期格式無效。請以 DDMMYYYY 格式填寫。</translation>
    </message>
    <message>
        <source>The date of submission should later than 31 Mar, </source>
        <translation>申報日期應在以下日期之後：3 月 31 日，</translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation>欄位內有引號，但該欄位並非以引號開始</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>欄位的結尾引號之後有文字</translation>
    </message>
    <message>
        <source>a quote opened on line %1 is never closed</source>
        <translation>第 %1 行開始的引號沒有結束</translation>
    </message>
    <message>
        <source>The line cannot be read: %1.</source>
        <translation>無法讀取該行：%1。</translation>
    </message>
    <message>
        <source>The row has %1 fields; the header names %2.</source>
        <translation>該列有 %1 個欄位；標題列列出 %2 個。</translation>
    </message>
    <message>
        <source>Row %1 (line %2)</source>
        <translation>第 %1 列（第 %2 行）</translation>
    </message>
    <message>
        <source>, page %1, &quot;%2&quot;</source>
        <translation>，第 %1 頁，「%2」</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Columns not known, ignored: </source>
        <translation>不明的欄，已略過：</translation>
    </message>
    <message>
        <source>Columns missing, left empty: </source>
        <translation>缺少的欄，留空：</translation>
    </message>
    <message>
        <source>%1 rows: %2 without problems, %3 with problems, %4 cannot be stored.</source>
        <translation>%1 列：%2 列沒有問題，%3 列有問題，%4 列無法儲存。</translation>
    </message>
    <message>
        <source>Cents should be excluded!</source>
        <translation>不計算仙位！</translation>
    </message>
    <message>
        <source>Return year </source>
        <translation>報稅年度 </translation>
    </message>
    <message>
        <source>New record</source>
        <translation>新紀錄</translation>
    </message>
    <message>
        <source>No record</source>
        <translation>沒有紀錄</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <translation>第 %1 筆紀錄，共 %2 筆</translation>
    </message>
    <message>
        <source>Record of %1 saved.</source>
        <translation>%1 的紀錄已儲存。</translation>
    </message>
    <message>
        <source>Record of %1 deleted.</source>
        <translation>%1 的紀錄已刪除。</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 筆紀錄</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 筆紀錄</translation>
    </message>
    <message>
        <source>%1 original record numbered.</source>
        <translation>已為 %1 筆正本紀錄編號。</translation>
    </message>
    <message>
        <source>%1 original records numbered.</source>
        <translation>已為 %1 筆正本紀錄編號。</translation>
    </message>
    <message>
        <source>Only Alphanumeric, &apos; / &apos;, &apos; - &apos; and &apos; . &apos; can be entered.</source>
        <translation>只可輸入英文字母、數字、&apos; / &apos;、&apos; - &apos; 及 &apos; . &apos;。</translation>
    </message>
    <message>
        <source>Only Alphanumeric, &apos; / &apos; and &apos; - &apos; can be entered.</source>
        <translation>只可輸入英文字母、數字、&apos; / &apos; 及 &apos; - &apos;。</translation>
    </message>
    <message>
        <source>Invalid date. Please enter again.</source>
        <translation>日期無效。請重新輸入。</translation>
    </message>
    <message>
        <source>Invalid character found at Surname!</source>
        <translation>姓氏含有無效字元！</translation>
    </message>
    <message>
        <source>Invalid Sex. Please enter &apos;M&apos; or &apos;F&apos;.</source>
        <translation>性別無效。請輸入 &apos;M&apos; 或 &apos;F&apos;。</translation>
    </message>
    <message>
        <source>Invalid Area Code.  Please enter &apos;H&apos;, &apos;K&apos;, &apos;N&apos; or &apos;F&apos;.</source>
        <translation>地區代碼無效。請輸入 &apos;H&apos;、&apos;K&apos;、&apos;N&apos; 或 &apos;F&apos;。</translation>
    </message>
    <message>
        <source>Invalid Marital Status. Please enter &apos;1&apos;, &apos;2&apos; or leave blank.</source>
        <translation>婚姻狀況無效。請輸入 &apos;1&apos;、&apos;2&apos; 或留空。</translation>
    </message>
    <message>
        <source>Invalid Place of Residence indicator. Please enter &apos;0&apos; or &apos;1&apos;.</source>
        <translation>提供居所指標無效。請輸入 &apos;0&apos; 或 &apos;1&apos;。</translation>
    </message>
    <message>
        <source>Invalid overseas company indicator. Please enter &apos;0&apos; or &apos;1&apos;.</source>
        <translation>海外公司指標無效。請輸入 &apos;0&apos; 或 &apos;1&apos;。</translation>
    </message>
    <message>
        <source>Invalid HKID. Please enter again.</source>
        <translation>香港身份證號碼無效。請重新輸入。</translation>
    </message>
    <message>
        <source>The Surname being searched includes a symbol &quot;  &apos;  &quot; and the search function cannot be used.  Please use the data bar to search for the record manually.</source>
        <translation>要搜尋的姓氏含有符號「  &apos;  」，因此無法使用搜尋功能。請使用資料列手動尋找該紀錄。</translation>
    </message>
    <message>
        <source>Please enter surname.</source>
        <translation>請輸入姓氏。</translation>
    </message>
    <message>
        <source>Please enter other names.</source>
        <translation>請輸入名字。</translation>
    </message>
    <message>
        <source>Please enter sex.</source>
        <translation>請輸入性別。</translation>
    </message>
    <message>
        <source>Please enter residential address.</source>
        <translation>請輸入住址。</translation>
    </message>
    <message>
        <source>Please enter Area Code.</source>
        <translation>請輸入地區代碼。</translation>
    </message>
    <message>
        <source>Please enter capacity.</source>
        <translation>請輸入受僱職位。</translation>
    </message>
    <message>
        <source>Please enter address of Place of Residence.</source>
        <translation>請輸入提供居所的地址。</translation>
    </message>
    <message>
        <source>Please enter nature of Place of Residence.</source>
        <translation>請輸入提供居所的性質。</translation>
    </message>
    <message>
        <source>Please enter period of Place of Residence.</source>
        <translation>請輸入提供居所的期間。</translation>
    </message>
    <message>
        <source>Please enter period of employment.</source>
        <translation>請輸入受僱期間。</translation>
    </message>
    <message>
        <source>Start date should not be earlier than 01 April </source>
        <translation>開始日期不應早於以下日期：01/04/</translation>
    </message>
    <message>
        <source>End date should not be later than 31 March </source>
        <translation>終止日期不應遲於以下日期：31/03/</translation>
    </message>
    <message>
        <source>Start date must be earlier than end date.</source>
        <translation>開始日期必須早於終止日期。</translation>
    </message>
    <message>
        <source>Please enter sheet number.</source>
        <translation>請輸入表格編號。</translation>
    </message>
    <message>
        <source>Please enter Place of Residence indicator.</source>
        <translation>請輸入提供居所指標。</translation>
    </message>
    <message>
        <source>Please enter overseas company indicator.</source>
        <translation>請輸入海外公司指標。</translation>
    </message>
    <message>
        <source>Please enter name of overseas company.</source>
        <translation>請輸入海外公司名稱。</translation>
    </message>
    <message>
        <source>Sheet </source>
        <translation>表格編號 </translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>更正方法：</translation>
    </message>
    <message>
        <source>Severity, code</source>
        <translation>嚴重程度、代碼</translation>
    </message>
    <message>
        <source>Page, field</source>
        <translation>頁、欄位</translation>
    </message>
    <message>
        <source>Problem and how to fix it</source>
        <translation>問題及更正方法</translation>
    </message>
    <message>
        <source>%1   File number %2   Year %3   Checked %4</source>
        <translation>%1   檔案號碼 %2   年度 %3   檢查時間 %4</translation>
    </message>
    <message>
        <source>No problem was found in the return.</source>
        <translation>報表中沒有發現任何問題。</translation>
    </message>
    <message>
        <source>Control totals</source>
        <translation>控制總額</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
    <message>
        <source>Invalid check character. Please enter 0 to 9 or A.</source>
        <translation>核對字元無效。請輸入 0 至 9 或 A。</translation>
    </message>
    <message>
        <source>Unknown record type &quot;%1&quot;: it must be O, R or S.</source>
        <translation>不明的紀錄類別「%1」：必須是 O、R 或 S。</translation>
    </message>
    <message>
        <source>The save leaves this original record out: its period of employment is not within the return year.</source>
        <translation>儲存時不會包括此正本紀錄：其受僱期間不在報稅年度之內。</translation>
    </message>
    <message>
        <source>The employer&apos;s %1 is missing.</source>
        <translation>缺少僱主的%1。</translation>
    </message>
    <message>
        <source> (sheet %1)</source>
        <translation>（表格編號 %1）</translation>
    </message>
    <message>
        <source>The identity number %1 is also on the original %2</source>
        <translation>身份證號碼 %1 亦見於正本 %2</translation>
    </message>
    <message>
        <source>; %1 original records carry it.</source>
        <translation>；共有 %1 筆正本紀錄載有此號碼。</translation>
    </message>
    <message>
        <source>New password is too short.  Please type as least three characters!</source>
        <translation>新密碼太短。請輸入最少三個字元！</translation>
    </message>
    <message>
        <source>Password contains invalid characters.  Please retype new password.</source>
        <translation>密碼含有無效字元。請重新輸入新密碼。</translation>
    </message>
    <message>
        <source>New password is not matched.  Please retype new password!</source>
        <translation>新密碼不相符。請重新輸入新密碼！</translation>
    </message>
    <message>
        <source>File name cannot be changed.  Please enter as &apos;</source>
        <translation>檔案名稱不可更改。請重新輸入為「</translation>
    </message>
    <message>
        <source>&apos; again!</source>
        <translation>」！</translation>
    </message>
    <message>
        <source>Invalid characters!</source>
        <translation>無效字元！</translation>
    </message>
    <message>
        <source>File name cannot contain space.  Please enter again!</source>
        <translation>檔案名稱不可含有空格。請重新輸入！</translation>
    </message>
    <message>
        <source>Please change the drive letter!</source>
        <translation>請更改磁碟機代號！</translation>
    </message>
    <message>
        <source>The disk inserted is not a blank one,  please replace a new disk and try again!</source>
        <translation>插入的磁碟並非空白磁碟，請換上新的磁碟後再試！</translation>
    </message>
    <message>
        <source>File saving error(1), please try again!</source>
        <translation>儲存檔案錯誤(1)，請再試！</translation>
    </message>
    <message>
        <source>Please check whether the Drive you want to use for saving the file is valid and the Filename is in correct format!</source>
        <translation>請檢查您用以儲存檔案的磁碟機是否有效，以及檔案名稱的格式是否正確！</translation>
    </message>
    <message>
        <source>Please check the printer to ensure that it is ready for printing of XW73D control list and press &apos;OK&apos; to proceed.</source>
        <translation>請檢查印表機，確定已準備好列印 XW73D 控制清單，然後按「確定」繼續。</translation>
    </message>
    <message>
        <source>A value on page 1 that its field refuses.</source>
        <translation>第 1 頁上有欄位不接受的數值。</translation>
    </message>
    <message>
        <source>The check character does not match the identity card number %1</source>
        <translation>核對字元與香港身份證號碼 %1 不相符</translation>
    </message>
    <message>
        <source>The check character does not match the spouse&apos;s identity card number %1</source>
        <translation>核對字元與配偶的香港身份證號碼 %1 不相符</translation>
    </message>
    <message>
        <source>The identity number %1</source>
        <translation>身份證號碼 %1</translation>
    </message>
    <message>
        <source>The name %1</source>
        <translation>姓名 %1</translation>
    </message>
    <message>
        <source>Unknown record type %1</source>
        <translation>不明的紀錄類別 %1</translation>
    </message>
    <message>
        <source>Start date should not be earlier than 01 April %1</source>
        <translation>開始日期不應早於以下日期：01/04/%1</translation>
    </message>
    <message>
        <source>End date should not be later than 31 March %1</source>
        <translation>終止日期不應遲於以下日期：31/03/%1</translation>
    </message>
    <message>
        <source>Value must be numeric. Please enter again.</source>
        <translation>數值必須是數字。請重新輸入。</translation>
    </message>
    <message>
        <source>Value too large!</source>
        <translation>數值太大！</translation>
    </message>
    <message>
        <source>A value on page 2 that its field refuses.</source>
        <translation>第 2 頁上有欄位不接受的數值。</translation>
    </message>
    <message>
        <source>An amount of %1</source>
        <translation>款額 %1</translation>
    </message>
    <message>
        <source>A period of %1</source>
        <translation>期間 %1</translation>
    </message>
    <message>
        <source>A total income of %1</source>
        <translation>入息總額 %1</translation>
    </message>
    <message>
        <source>The period %1</source>
        <translation>期間 %1</translation>
    </message>
    <message>
        <source>The save leaves this original record out</source>
        <translation>儲存時不會包括此正本紀錄</translation>
    </message>
    <message>
        <source>A value on page 3 that its field refuses.</source>
        <translation>第 3 頁上有欄位不接受的數值。</translation>
    </message>
    <message>
        <source>A rent of %1</source>
        <translation>租金 %1</translation>
    </message>
    <message>
        <source>The place of residence provided for %1</source>
        <translation>為 %1 提供的居所</translation>
    </message>
    <message>
        <source>A value on page 4 that its field refuses.</source>
        <translation>第 4 頁上有欄位不接受的數值。</translation>
    </message>
    <message>
        <source>The employer&apos;s %1</source>
        <translation>僱主的%1</translation>
    </message>
    <message>
        <source>The year of return is not valid</source>
        <translation>報稅年度無效</translation>
    </message>
    <message>
        <source>The section of the file number is not valid</source>
        <translation>檔案號碼的類別無效</translation>
    </message>
    <message>
        <source>The employer&apos;s file number is not valid</source>
        <translation>僱主檔案號碼無效</translation>
    </message>
    <message>
        <source>The date of submission is not valid</source>
        <translation>申報日期無效</translation>
    </message>
    <message>
        <source>%1 was on last year&apos;s return</source>
        <translation>%1 曾在上一年度的報表內</translation>
    </message>
    <message>
        <source>The total of category %1</source>
        <translation>類別 %1 的總額</translation>
    </message>
    <message>
        <source>A row of the file that no record can hold</source>
        <translation>檔案中無法存入任何紀錄的一列</translation>
    </message>
    <message>
        <source>The check character does not match the %1 %2.</source>
        <translation>核對字元與%1 %2 不相符。</translation>
    </message>
    <message>
        <source>An amount of %1 has no period.</source>
        <translation>款額 %1 沒有期間。</translation>
    </message>
    <message>
        <source>A period of %1 has no amount.</source>
        <translation>期間 %1 沒有款額。</translation>
    </message>
    <message>
        <source>An amount of %1 is 10,000,000 or more.</source>
        <translation>款額 %1 為 10,000,000 或以上。</translation>
    </message>
    <message>
        <source>The period %1 is not within the period of employment, %2 to %3.</source>
        <translation>期間 %1 不在受僱期間（%2 至 %3）之內。</translation>
    </message>
    <message>
        <source>A total income of %1 is 50,000,000 or more.</source>
        <translation>入息總額 %1 為 50,000,000 或以上。</translation>
    </message>
    <message>
        <source>A rent of %1 is given for the %2 place of residence, which has no period.</source>
        <translation>第 %2 個提供居所有租金 %1，但沒有提供期間。</translation>
    </message>
    <message>
        <source>The place of residence provided for %1 has no rent.</source>
        <translation>為 %1 提供的居所沒有租金。</translation>
    </message>
    <message>
        <source>identity card number</source>
        <translation>香港身份證號碼</translation>
    </message>
    <message>
        <source>spouse&apos;s identity card number</source>
        <translation>配偶的香港身份證號碼</translation>
    </message>
    <message>
        <source>sheet </source>
        <translation>表格編號 </translation>
    </message>
    <message>
        <source>Sheet Number</source>
        <translation>表格編號</translation>
    </message>
    <message>
        <source>Other Names in Full</source>
        <translation>名字（全寫）</translation>
    </message>
    <message>
        <source>H.K. Identity Card Number</source>
        <translation>香港身份證號碼</translation>
    </message>
    <message>
        <source>How to fix it</source>
        <translation>更正方法</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>上一年度</translation>
    </message>
    <message>
        <source>All income</source>
        <translation>全部入息</translation>
    </message>
    <message>
        <source>Original records the save carries</source>
        <translation>儲存時包括的正本紀錄</translation>
    </message>
    <message>
        <source>File number</source>
        <translation>檔案號碼</translation>
    </message>
    <message>
        <source>Return year</source>
        <translation>報稅年度</translation>
    </message>
    <message>
        <source>Check of the return %1, %2 (%3), checked %4
%5
</source>
        <translation>報表檢查 %1，%2（%3），檢查時間 %4
%5
</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>第 %1 頁</translation>
    </message>
    <message>
        <source>  %1
  Fix: %2
</source>
        <translation>  %1
  更正方法：%2
</translation>
    </message>
    <message>
        <source>
Control totals
</source>
        <translation>
控制總額
</translation>
    </message>
    <message>
        <source>  last year %1 (%2)</source>
        <translation>  上一年度 %1（%2）</translation>
    </message>
    <message>
        <source>The name %1 is also on the original %2, with the identity number %3.</source>
        <translation>姓名 %1 亦見於正本 %2，其身份證號碼為 %3。</translation>
    </message>
    <message>
        <source>%1, %2 was on last year&apos;s return (%3) until its last day and is not on this one.</source>
        <translation>%1，%2 在上一年度的報表（%3）內受僱至最後一日，但不在本年度的報表內。</translation>
    </message>
    <message>
        <source>The total of category %1 (%2) changed by more than half: %3 last year, %4 this year (%5).</source>
        <translation>類別 %1（%2）的總額變動超過一半：上一年度 %3，本年度 %4（%5）。</translation>
    </message>
    <message>
        <source>About XW73D</source>
        <translation>關於 XW73D</translation>
    </message>
    <message>
        <source>Program folder:</source>
        <translation>程式資料夾：</translation>
    </message>
    <message>
        <source>Medium folder:</source>
        <translation>儲存媒體資料夾：</translation>
    </message>
    <message>
        <source>XW73D prepares the employer&apos;s return of employees&apos; remuneration.</source>
        <translation>XW73D 用以編製僱主報酬申報表。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <translation>資料</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>The user guide was not found. Its pages belong in the folder %1.</source>
        <translation>找不到使用指南。其頁面應在資料夾 %1 內。</translation>
    </message>
    <message>
        <source>No program on this computer shows the user guide %1.</source>
        <translation>此電腦上沒有程式可顯示使用指南 %1。</translation>
    </message>
    <message>
        <source>Common data for XW73D records</source>
        <translation>XW73D 紀錄的共用資料</translation>
    </message>
    <message>
        <source>Employer&apos;s File Number, section</source>
        <translation>僱主檔案號碼，類別</translation>
    </message>
    <message>
        <source>Employer&apos;s File Number, number</source>
        <translation>僱主檔案號碼，號碼</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>繼續(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Please enter the following information and click the &apos;Continue&apos; button to go to next screen.</source>
        <translation>請輸入以下資料，然後按「繼續」按鈕進入下一個畫面。</translation>
    </message>
    <message>
        <source>Employer&apos;s Return for the year ended 31 March</source>
        <translation>截至 3 月 31 日止年度的僱主報酬申報表</translation>
    </message>
    <message>
        <source>Employer&apos;s File Number      6</source>
        <translation>僱主檔案號碼      6</translation>
    </message>
    <message>
        <source>(as shown at the top left hand corner of the address box on X.W.D. Form 73C)</source>
        <translation>（見 X.W.D. 表格 73C 地址欄左上角）</translation>
    </message>
    <message>
        <source>Name of Employer</source>
        <translation>僱主名稱</translation>
    </message>
    <message>
        <source>Date of Submission of XW73D</source>
        <translation>XW73D 申報日期</translation>
    </message>
    <message>
        <source>(Day Month Year e.g. 01052002)</source>
        <translation>（日 月 年，例如 01052002）</translation>
    </message>
    <message>
        <source>Designation (State: Proprietor/Precedent Partner/ Secretary/Manager/Liquidator/Principal Officer)</source>
        <translation>職位（請註明：東主／首合夥人／秘書／經理／清盤人／主要職員）</translation>
    </message>
    <message>
        <source>The inputted data in this screen will be used as common data for the inputted XW73D records.  Any amendment of the data in this screen will automatically amend the data of the inputted XW73D records.</source>
        <translation>此畫面輸入的資料會用作已輸入的 XW73D 紀錄的共用資料。修改此畫面的資料，會自動修改已輸入的 XW73D 紀錄的資料。</translation>
    </message>
    <message>
        <source>The record with ID %1 is no longer in the list.</source>
        <translation>ID 為 %1 的紀錄已不在清單內。</translation>
    </message>
    <message>
        <source>This problem is in the employer&apos;s common data, which the employer screen edits.</source>
        <translation>此問題在僱主的共用資料內，請在僱主畫面修改。</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>另存為 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 檔案 (*.csv);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Problem list saved to %1.</source>
        <translation>問題清單已儲存至 %1。</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Create new    record</source>
        <translation>新增紀錄(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>Name &amp;Search</source>
        <translation>姓名搜尋(&amp;S)</translation>
    </message>
    <message>
        <source>Sor&amp;t</source>
        <translation>排序(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <source>Print &amp;All</source>
        <translation>全部列印(&amp;A)</translation>
    </message>
    <message>
        <source>Save to &amp;Floppy</source>
        <translation>儲存至磁碟(&amp;F)</translation>
    </message>
    <message>
        <source>Chec&amp;k all records</source>
        <translation>檢查全部紀錄(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>匯入(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>匯出(&amp;E)...</translation>
    </message>
    <message>
        <source>Export te&amp;mplate...</source>
        <translation>匯出範本(&amp;M)...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Fi&amp;le</source>
        <translation>檔案(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>匯入(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>匯出(&amp;E)…</translation>
    </message>
    <message>
        <source>Export &amp;template…</source>
        <translation>匯出範本(&amp;T)…</translation>
    </message>
    <message>
        <source>Export forms as &amp;PDF files…</source>
        <translation>將表格匯出為 PDF 檔案(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>紀錄(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Create new record</source>
        <translation>新增紀錄(&amp;C)</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>取消(&amp;N)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>預覽列印(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>尋找(&amp;F)…</translation>
    </message>
    <message>
        <source>Retur&amp;n</source>
        <translation>報表(&amp;N)</translation>
    </message>
    <message>
        <source>Sa&amp;ved submissions…</source>
        <translation>已儲存的申報檔案(&amp;V)…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>User &amp;guide</source>
        <translation>使用指南(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;About XW73D</source>
        <translation>關於 XW73D(&amp;A)</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;folder&quot;&gt;Open folder&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;folder&quot;&gt;開啟資料夾&lt;/a&gt;</translation>
    </message>
    <message>
        <source>No program on this computer opens the folder %1.</source>
        <translation>此電腦上沒有程式可開啟資料夾 %1。</translation>
    </message>
    <message>
        <source>Name Search</source>
        <translation>姓名搜尋</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>離開(&amp;E)</translation>
    </message>
    <message>
        <source> : No firstname !</source>
        <translation>：沒有名字！</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>第 %1 頁</translation>
    </message>
    <message>
        <source>Do you want to print the XW73D of the current record?</source>
        <translation>您要列印現時紀錄的 XW73D 嗎？</translation>
    </message>
    <message>
        <source>Total number of original XW73Ds is %1. Go to next screen for printing?</source>
        <translation>正本 XW73D 的總數為 %1。要進入下一個畫面列印嗎？</translation>
    </message>
    <message>
        <source>No record found. Please add new record!</source>
        <translation>找不到紀錄。請新增紀錄！</translation>
    </message>
    <message>
        <source>No records found!</source>
        <translation>找不到紀錄！</translation>
    </message>
    <message>
        <source>New Record</source>
        <translation>新紀錄</translation>
    </message>
    <message>
        <source>Delete 1 employee record!</source>
        <translation>刪除 1 筆僱員紀錄！</translation>
    </message>
    <message>
        <source>No record remain at database. Please add new record!</source>
        <translation>資料庫內已沒有紀錄。請新增紀錄！</translation>
    </message>
    <message>
        <source>Do you want to quit the program?</source>
        <translation>您要結束程式嗎？</translation>
    </message>
    <message>
        <source>The record has changes that are not saved. Do you want to discard them?</source>
        <translation>紀錄有未儲存的更改。您要捨棄這些更改嗎？</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Passport No. &amp;&amp; Country of Issue</source>
        <translation>護照號碼及簽發國家</translation>
    </message>
    <message>
        <source>(if Employee has no H.K. Identity Card)</source>
        <translation>（如僱員沒有香港身份證）</translation>
    </message>
    <message>
        <source>Sex (M or F)</source>
        <translation>性別（M 男或 F 女）</translation>
    </message>
    <message>
        <source>Marital Status (1=Single/Widowed/Divorced/Separated, 2=Married)</source>
        <translation>婚姻狀況 (1=單身/喪偶/離婚/分居, 2=已婚)</translation>
    </message>
    <message>
        <source>If married, full name of spouse</source>
        <translation>如已婚，配偶的全名</translation>
    </message>
    <message>
        <source>Spouse&apos;s H.K. Identity Card Number</source>
        <translation>配偶的香港身份證號碼</translation>
    </message>
    <message>
        <source>Passport Number &amp;&amp; Country of Issue</source>
        <translation>護照號碼及簽發國家</translation>
    </message>
    <message>
        <source>Full Name in Chinese</source>
        <translation>中文姓名</translation>
    </message>
    <message>
        <source>Residential Address (HK,KLN, NT not required)</source>
        <translation>住址（無須填寫香港、九龍、新界）</translation>
    </message>
    <message>
        <source>Area Code (H=HK, K=KLN, N-NT F-Foreign)</source>
        <translation>地區代碼 (H=香港, K=九龍, N=新界, F=外地)</translation>
    </message>
    <message>
        <source>Correspondence Address</source>
        <translation>通訊地址</translation>
    </message>
    <message>
        <source>Capacity in which employed</source>
        <translation>受僱職位</translation>
    </message>
    <message>
        <source>If part time, the name of his/her principal employer</source>
        <translation>如屬兼職，其主要僱主的名稱</translation>
    </message>
    <message>
        <source>Record Type</source>
        <translation>紀錄類別</translation>
    </message>
    <message>
        <source>to 31 March</source>
        <translation>至 3 月 31 日</translation>
    </message>
    <message>
        <source>Period of employment for the year from 1 April</source>
        <translation>本年度的受僱期間，由 4 月 1 日</translation>
    </message>
    <message>
        <source>Particulars of Income accruing for the year from 1 April</source>
        <translation>本年度入息詳情，由 4 月 1 日</translation>
    </message>
    <message>
        <source>Particulars</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>Amount (HK$)</source>
        <translation>款額(港元)</translation>
    </message>
    <message>
        <source>EXCLUDE CENTS</source>
        <translation>不計算仙位</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>總額</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>性質</translation>
    </message>
    <message>
        <source>Particulars of Place of Residence provided</source>
        <translation>提供居所詳情</translation>
    </message>
    <message>
        <source>(0=No Place of Residence provided, 1=Place of Residence provided by Employer)</source>
        <translation>（0=沒有提供居所，1=由僱主提供居所）</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>地址 %1</translation>
    </message>
    <message>
        <source>Period provided</source>
        <translation>提供期間</translation>
    </message>
    <message>
        <source>HK$</source>
        <translation>港元</translation>
    </message>
    <message>
        <source>Whether the employee was wholly or partly paid by an overseas company either in Hong Kong or overseas (0=NO, 1=YES)</source>
        <translation>僱員是否全部或部分由海外公司在香港或海外支付入息（0=否，1=是）</translation>
    </message>
    <message>
        <source>If yes, please state:</source>
        <translation>如是，請註明：</translation>
    </message>
    <message>
        <source>(Please check the correctness of the information entered, then click the &apos;Update&apos; button to save the record.)</source>
        <translation>（請核對所輸入資料是否正確，然後按「更新」按鈕儲存紀錄。）</translation>
    </message>
    <message>
        <source>The program has detected that some &apos;Original&apos; type records are not updated.  These records will not be saved to floppy.  You must update or delete these records before saving to floppy.</source>
        <translation>程式發現部分「正本」類別的紀錄尚未更新。這些紀錄不會儲存至磁碟。儲存至磁碟前，您必須更新或刪除這些紀錄。</translation>
    </message>
    <message>
        <source>This function sorts the XW73D records automatically, saves XW73D data file to diskette and produces XW73D control list for submission to XWD.  Please press &apos;YES&apos; to proceed.</source>
        <translation>此功能會自動為 XW73D 紀錄排序、將 XW73D 資料檔案儲存至磁碟，並編製 XW73D 控制清單以提交 XWD。請按「是」繼續。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Importing records...</source>
        <translation>正在匯入紀錄...</translation>
    </message>
    <message>
        <source>The import was cancelled. No record was stored.</source>
        <translation>匯入已取消。沒有儲存任何紀錄。</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>%1 exported to %2.</source>
        <translation>已將%1匯出至 %2。</translation>
    </message>
    <message>
        <source>Export template</source>
        <translation>匯出範本</translation>
    </message>
    <message>
        <source>Template written to %1.</source>
        <translation>範本已寫入 %1。</translation>
    </message>
    <message>
        <source>XW73D - Preview</source>
        <translation>XW73D - 預覽</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>共 %1 頁</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>另存為 PDF(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁</translation>
    </message>
    <message>
        <source>There are no pages to show.</source>
        <translation>沒有可顯示的頁。</translation>
    </message>
    <message>
        <source>No printer is installed, so the pages cannot be printed.</source>
        <translation>沒有安裝印表機，因此無法列印各頁。</translation>
    </message>
    <message>
        <source>The printer did not accept the pages, so they were not printed.</source>
        <translation>印表機不接受各頁，因此沒有列印。</translation>
    </message>
    <message>
        <source>Do you want to save the same pages as a PDF file instead?</source>
        <translation>您要改為將相同的頁儲存為 PDF 檔案嗎？</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>另存為 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the PDF file...</source>
        <translation>正在寫入 PDF 檔案...</translation>
    </message>
    <message>
        <source>The PDF file could not be written. </source>
        <translation>無法寫入 PDF 檔案。</translation>
    </message>
    <message>
        <source>&apos; and &apos;</source>
        <translation>」及「</translation>
    </message>
    <message>
        <source>Please check the correctness of all the fields in the database.</source>
        <translation>請檢查資料庫內所有欄位是否正確。</translation>
    </message>
    <message>
        <source>Login Window</source>
        <translation>登入視窗</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>請輸入密碼</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>Change &amp;Password</source>
        <translation>更改密碼(&amp;P)</translation>
    </message>
    <message>
        <source>Change of Password</source>
        <translation>更改密碼</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>舊密碼</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密碼</translation>
    </message>
    <message>
        <source>Retype New Password</source>
        <translation>再次輸入新密碼</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Confirm ?</source>
        <translation>確認？</translation>
    </message>
    <message>
        <source>Change password failed.</source>
        <translation>更改密碼失敗。</translation>
    </message>
    <message>
        <source>Old password is not matched.  Please retype old password!</source>
        <translation>舊密碼不相符。請重新輸入舊密碼！</translation>
    </message>
    <message>
        <source>Converting Database</source>
        <translation>正在轉換資料庫</translation>
    </message>
    <message>
        <source>The program is now converting the database.  Please Wait !</source>
        <translation>程式正在轉換資料庫。請稍候！</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>轉換進度</translation>
    </message>
    <message>
        <source>Your original database will be converted to a new database. (Please refer to Appendix E of the Operation Guide.)

Do you want to proceed with the conversion?</source>
        <translation>您原有的資料庫會轉換為新資料庫。（請參閱操作指南附錄 E。）

您要進行轉換嗎？</translation>
    </message>
    <message>
        <source>A file named &apos;1999a.xwd&apos; is found in the working directory (</source>
        <translation>在工作目錄（</translation>
    </message>
    <message>
        <source>), please move it to other directory and start the program again!</source>
        <translation>）找到名為「1999a.xwd」的檔案，請將其移至其他目錄，然後再次啟動程式！</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>檔案名稱：</translation>
    </message>
    <message>
        <source>Save to removable media</source>
        <translation>儲存至可移除的儲存媒體</translation>
    </message>
    <message>
        <source>The data file will be saved in the path shown below  (Please do not change the file name).  Please insert a blank 3.5&quot; 1.44MB floppy and press &apos;OK&apos; to save it.  </source>
        <translation>資料檔案會儲存在以下所示的路徑（請勿更改檔案名稱）。請插入一張空白的 3.5 吋 1.44MB 磁碟，然後按「確定」儲存。  </translation>
    </message>
    <message>
        <source>The size of your current data file exceeds the storage capacity of a 3.5&quot; 1.44MB floppy diskette. Please use other storage media (e.g. CD-R or ZIP disks) to save it.  Please change the Drive Letter of the file name shown below to the corresponding media and press &apos;OK&apos; to save the data file.</source>
        <translation>您現時的資料檔案大小超出 3.5 吋 1.44MB 磁碟的儲存容量。請使用其他儲存媒體（例如 CD-R 或 ZIP 磁碟）儲存。請將以下所示檔案名稱的磁碟機代號改為相應的儲存媒體，然後按「確定」儲存資料檔案。</translation>
    </message>
    <message>
        <source>The Program is now saving the file to floppy.  Please Wait !</source>
        <translation>程式正在將檔案儲存至磁碟。請稍候！</translation>
    </message>
    <message>
        <source>The program is now writing the file to the designated media.  Please Wait !</source>
        <translation>程式正在將檔案寫入指定的儲存媒體。請稍候！</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>(Day/Month/Year)</source>
        <translation>（日／月／年）</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Amount (if known) (This amount must also be included in Page 2)</source>
        <translation>款額（如知道）（此款額亦須包括在第 2 頁內）</translation>
    </message>
    <message>
        <source>Name of overseas company</source>
        <translation>海外公司名稱</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Employee&apos;s Tax File Number in XWD</source>
        <translation>僱員在 XWD 的稅務檔案號碼</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>No submission is kept in the archive of &apos;%1&apos;.
</source>
        <translation>「%1」的存檔內沒有保存任何申報檔案。
</translation>
    </message>
    <message>
        <source>No backup copies in %1.
</source>
        <translation>%1 內沒有備份。
</translation>
    </message>
    <message>
        <source> bytes  </source>
        <translation> 位元組  </translation>
    </message>
    <message>
        <source> records
</source>
        <translation> 筆紀錄
</translation>
    </message>
    <message>
        <source>The working database as it was is kept as %1.
</source>
        <translation>原來的工作資料庫已保存為 %1。
</translation>
    </message>
    <message>
        <source>The working database is now the backup copy %1, taken on %2.
</source>
        <translation>工作資料庫現為於 %2 建立的備份 %1。
</translation>
    </message>
    <message>
        <source>Its password is the one in use before the restore: a password change gives every kept copy the new password.
</source>
        <translation>其密碼為還原前使用的密碼：更改密碼時，每個保存的副本都會改用新密碼。
</translation>
    </message>
    <message>
        <source>usage: </source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>xw73d: unknown command &apos;%1&apos;; &apos;xw73d --help&apos; lists the commands and options.
</source>
        <translation>xw73d：不明的指令「%1」；&apos;xw73d --help&apos; 會列出指令及選項。
</translation>
    </message>
    <message>
        <source>xw73d: --return and --data-dir both name the folder to open; give one of them.
</source>
        <translation>xw73d：--return 及 --data-dir 都指定要開啟的資料夾；請只提供其中一個。
</translation>
    </message>
    <message>
        <source>%1 records imported, %2 rows refused.
</source>
        <translation>已匯入 %1 筆紀錄，拒絕 %2 列。
</translation>
    </message>
    <message>
        <source>%1 records exported to %2.
</source>
        <translation>已將 %1 筆紀錄匯出至 %2。
</translation>
    </message>
    <message>
        <source>No returns in %1.
</source>
        <translation>%1 內沒有報表。
</translation>
    </message>
    <message>
        <source>Employer</source>
        <translation>僱主</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年度</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>紀錄</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>最後更改</translation>
    </message>
    <message>
        <source>Last save</source>
        <translation>最後儲存</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>xw73d: there is no return named &apos;%1&apos; in %2; &apos;xw73d returns&apos; lists the returns.
</source>
        <translation>xw73d：%2 內沒有名為「%1」的報表；&apos;xw73d returns&apos; 會列出各報表。
</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>xw73d: the program folder cannot be found or created.
</source>
        <translation>xw73d：找不到或無法建立程式資料夾。
</translation>
    </message>
    <message>
        <source>xw73d returns: takes no arguments; &apos;xw73d returns --help&apos; says more.
</source>
        <translation>xw73d returns：不接受任何參數；&apos;xw73d returns --help&apos; 有更多說明。
</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>

Options:
</source>
        <translation>

選項：
</translation>
    </message>
    <message>
        <source>Prepares the employer&apos;s return of employees&apos; remuneration (XW73D).

Commands:
</source>
        <translation>編製僱主報酬申報表（XW73D）。

指令：
</translation>
    </message>
    <message>
        <source>
&apos;xw73d COMMAND --help&apos; describes one command.</source>
        <translation>
&apos;xw73d 指令 --help&apos; 會說明該指令。</translation>
    </message>
    <message>
        <source>Archived submission %1
</source>
        <translation>已存檔的申報檔案 %1
</translation>
    </message>
    <message>
        <source>Login attempt failed.  Try again?   (Incorrect Password.)</source>
        <translation>登入失敗。要再試嗎？（密碼不正確。）</translation>
    </message>
    <message>
        <source>Login failed.</source>
        <translation>登入失敗。</translation>
    </message>
    <message>
        <source>File saving error(2), please try again!</source>
        <translation>儲存檔案錯誤(2)，請再試！</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>嚴重程度</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代碼</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>頁</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>欄位</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>數值</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>入息</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變動</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>檢查時間</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The column mapping &apos;%1&apos; is not made for the header of &apos;%2&apos;. Nothing was imported.</source>
        <translation>欄位對應「%1」並非為「%2」的標題而設。沒有匯入任何紀錄。</translation>
    </message>
    <message>
        <source>%1 records updated.
</source>
        <translation>已更新%1個紀錄。
</translation>
    </message>
    <message>
        <source>Template written to %1.
</source>
        <translation>範本已寫入%1。
</translation>
    </message>
    <message>
        <source>The column mapping cannot be read: %1</source>
        <translation>無法讀取欄位對應：%1</translation>
    </message>
    <message>
        <source>no import fills the field &quot;%1&quot;.</source>
        <translation>匯入不會填寫欄位「%1」。</translation>
    </message>
    <message>
        <source>a mapping has no list of &quot;columns&quot;.</source>
        <translation>欄位對應沒有「columns」清單。</translation>
    </message>
    <message>
        <source>a column has no &quot;header&quot;.</source>
        <translation>有一欄沒有「header」。</translation>
    </message>
    <message>
        <source>The columns &quot;%1&quot; and &quot;%2&quot; of the file both go to the field &quot;%3&quot;. Choose one field for each column, or none.</source>
        <translation>檔案的欄「%1」及「%2」都對應至欄位「%3」。請為每一欄選擇一個欄位，或選「無」。</translation>
    </message>
    <message>
        <source>it is no object.</source>
        <translation>它不是物件。</translation>
    </message>
    <message>
        <source>it holds neither &quot;mappings&quot; nor &quot;columns&quot;.</source>
        <translation>它既沒有「mappings」，也沒有「columns」。</translation>
    </message>
    <message>
        <source>Given by the program; an imported row always becomes a new record with a new identifier.</source>
        <translation>由程式編配；匯入的每一列都會成為附有新編號的新紀錄。</translation>
    </message>
    <message>
        <source>The record type: O for an original, R for a replacement, S for a supplementary return; an empty cell makes an original.</source>
        <translation>紀錄類別：O 為正本，R 為取代，S 為補加報表；空白儲存格作正本論。</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Column name</source>
        <translation>欄名</translation>
    </message>
    <message>
        <source>Width in bytes</source>
        <translation>闊度（位元組）</translation>
    </message>
    <message>
        <source>Allowed values</source>
        <translation>容許的值</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>an .xlsx workbook</source>
        <translation>.xlsx 活頁簿</translation>
    </message>
    <message>
        <source>an .ods spreadsheet</source>
        <translation>.ods 試算表</translation>
    </message>
    <message>
        <source>it holds more than %1 parts</source>
        <translation>它包含超過%1個部分</translation>
    </message>
    <message>
        <source>it is encrypted with a password</source>
        <translation>它以密碼加密</translation>
    </message>
    <message>
        <source>its part &apos;%1&apos; is compressed in a way no workbook uses</source>
        <translation>它的部分「%1」以活頁簿不會使用的方式壓縮</translation>
    </message>
    <message>
        <source>its part &apos;%1&apos; expands to %2 MB, far more than a workbook holds</source>
        <translation>它的部分「%1」解壓後達%2 MB，遠超活頁簿應有的大小</translation>
    </message>
    <message>
        <source>it is a zip file but no .xlsx workbook</source>
        <translation>它是 zip 檔案，但不是 .xlsx 活頁簿</translation>
    </message>
    <message>
        <source>it links to other workbooks (external links), which are never followed</source>
        <translation>它連結至其他活頁簿（外部連結），程式永不跟隨這些連結</translation>
    </message>
    <message>
        <source>it carries macros, which are never run</source>
        <translation>它載有巨集，程式永不執行巨集</translation>
    </message>
    <message>
        <source>it is a zip file but no .ods spreadsheet</source>
        <translation>它是 zip 檔案，但不是 .ods 試算表</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be imported: %2.</source>
        <translation>無法匯入檔案「%1」：%2。</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most one import reads</source>
        <translation>它大於%1 MB，即每次匯入可讀取的上限</translation>
    </message>
    <message>
        <source>it is encrypted with a password, or is an old binary workbook; save it as %1 without a password</source>
        <translation>它以密碼加密，或是舊式二進位活頁簿；請另存為不設密碼的%1</translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation>它不是%1</translation>
    </message>
    <message>
        <source>it is damaged: %1</source>
        <translation>它已損壞：%1</translation>
    </message>
    <message>
        <source>it is damaged: a part cannot be expanded</source>
        <translation>它已損壞：有部分無法解壓</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation>工作表超過%1列</translation>
    </message>
    <message>
        <source>the sheet has more than %1 columns</source>
        <translation>工作表超過%1欄</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>它已損壞</translation>
    </message>
    <message>
        <source>it has no sheet</source>
        <translation>它沒有工作表</translation>
    </message>
    <message>
        <source>it has no sheet %1</source>
        <translation>它沒有工作表%1</translation>
    </message>
    <message>
        <source>it has no zip directory</source>
        <translation>它沒有 zip 目錄</translation>
    </message>
    <message>
        <source>its zip directory lies outside the file</source>
        <translation>它的 zip 目錄位於檔案範圍以外</translation>
    </message>
    <message>
        <source>entry %1 of its zip directory is damaged</source>
        <translation>它的 zip 目錄第%1項已損壞</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx);;CSV files (*.csv);;All files (*)</source>
        <translation>Excel 活頁簿 (*.xlsx);;CSV 檔案 (*.csv);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Workbooks and CSV files (*.xlsx *.ods *.csv);;Excel workbooks (*.xlsx);;OpenDocument spreadsheets (*.ods);;CSV files (*.csv);;All files (*)</source>
        <translation>活頁簿及 CSV 檔案 (*.xlsx *.ods *.csv);;Excel 活頁簿 (*.xlsx);;OpenDocument 試算表 (*.ods);;CSV 檔案 (*.csv);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>%1, sheet %2</source>
        <translation>%1，工作表%2</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; has several sheets. Which one is to be imported?</source>
        <translation>活頁簿「%1」有多張工作表。要匯入哪一張？</translation>
    </message>
    <message>
        <source>%1 imported</source>
        <translation>已匯入%1</translation>
    </message>
    <message>
        <source>, %1 updated</source>
        <translation>，已更新%1</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be imported: it is larger than %2 MB, the most one import reads.</source>
        <translation>無法匯入檔案「%1」：它大於%2 MB，即每次匯入可讀取的上限。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be imported: it is a workbook or another packed file, not a CSV text. Import an .xlsx or .ods workbook under its own name.</source>
        <translation>無法匯入檔案「%1」：它是活頁簿或其他壓縮檔案，不是 CSV 文字。請以 .xlsx 或 .ods 原有的檔案名稱匯入活頁簿。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; has no sheet named &apos;%2&apos;. Its sheets are: %3.</source>
        <translation>檔案「%1」沒有名為「%2」的工作表。它的工作表為：%3。</translation>
    </message>
    <message>
        <source>it is too large to be a column mapping.</source>
        <translation>它太大，不可能是欄位對應。</translation>
    </message>
    <message>
        <source>the column mapping cannot be written.</source>
        <translation>無法寫入欄位對應。</translation>
    </message>
    <message>
        <source>the column mapping does not read back as it was written.</source>
        <translation>欄位對應讀回時與寫入的不同。</translation>
    </message>
    <message>
        <source>The record with ID %1 has changed since the dry run. Nothing was imported; run the import again.</source>
        <translation>編號 %1 的紀錄在試行匯入後已更改。沒有匯入任何紀錄；請再次匯入。</translation>
    </message>
    <message>
        <source>it does not read back as a whole workbook: %1</source>
        <translation>它讀回時不是完整的活頁簿：%1</translation>
    </message>
    <message>
        <source>its part &apos;%1&apos; is damaged.</source>
        <translation>它的部分「%1」已損壞。</translation>
    </message>
    <message>
        <source>it is empty or cannot be read.</source>
        <translation>它是空的或無法讀取。</translation>
    </message>
    <message>
        <source>its work file cannot be created.</source>
        <translation>無法建立它的工作檔案。</translation>
    </message>
    <message>
        <source>it does not read back with the %1 rows written.</source>
        <translation>讀回時沒有已寫入的%1列。</translation>
    </message>
    <message>
        <source>the workbook cannot be created.</source>
        <translation>無法建立活頁簿。</translation>
    </message>
    <message>
        <source>the sheet cannot be added.</source>
        <translation>無法加入工作表。</translation>
    </message>
    <message>
        <source>a sheet holds at most %1 records.</source>
        <translation>每張工作表最多容納%1個紀錄。</translation>
    </message>
</context>
<context>
    <name>QObject::QObject</name>
    <message>
        <source>Which forms do you want as PDF files, one a record?</source>
        <translation>您要將哪些表格匯出為 PDF 檔案（每筆紀錄一個）？</translation>
    </message>
</context>
<context>
    <name>RecordListModel</name>
    <message>
        <source>Sheet</source>
        <translation>表格編號</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Other names</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Identity number</source>
        <translation>身份證號碼</translation>
    </message>
    <message>
        <source>Total income</source>
        <translation>入息總額</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>正本</translation>
    </message>
    <message>
        <source>Replacement</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Supplementary</source>
        <translation>補加</translation>
    </message>
</context>
<context>
    <name>RecordListPanel</name>
    <message>
        <source>Record &amp;List</source>
        <translation>紀錄清單(&amp;L)</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>全部類別</translation>
    </message>
    <message>
        <source>Record type shown</source>
        <translation>顯示的紀錄類別</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>紀錄</translation>
    </message>
    <message>
        <source>Find name, identity or sheet number</source>
        <translation>尋找姓名、身份證號碼或表格編號</translation>
    </message>
    <message>
        <source>Find records</source>
        <translation>尋找紀錄</translation>
    </message>
</context>
<context>
    <name>ReturnsWindow</name>
    <message>
        <source>Returns</source>
        <translation>報表</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>報表</translation>
    </message>
    <message>
        <source>Employer</source>
        <translation>僱主</translation>
    </message>
    <message>
        <source>File number</source>
        <translation>檔案號碼</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年度</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>紀錄</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>最後更改</translation>
    </message>
    <message>
        <source>Last save</source>
        <translation>最後儲存</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;New return...</source>
        <translation>新增報表(&amp;N)...</translation>
    </message>
    <message>
        <source>Ne&amp;xt year&apos;s return...</source>
        <translation>下一報稅年度的報表(&amp;X)...</translation>
    </message>
    <message>
        <source>&amp;Remove from list</source>
        <translation>從清單移除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>The return &apos;%1&apos; is in use by another copy of the program.</source>
        <translation>報表「%1」正由本程式的另一個副本使用。</translation>
    </message>
    <message>
        <source>The return &apos;%1&apos; is damaged: its database is missing or cut short, or its summary cannot be read.</source>
        <translation>報表「%1」已損壞：其資料庫遺失或不完整，或其摘要無法讀取。</translation>
    </message>
    <message>
        <source>Remove the return &apos;%1&apos; from the list? Its folder is moved to &apos;%2&apos;; nothing is deleted.</source>
        <translation>要從清單移除報表「%1」嗎？其資料夾會移至「%2」；不會刪除任何資料。</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>New return</source>
        <translation>新增報表</translation>
    </message>
    <message>
        <source>Name of the return&apos;s folder in %1:</source>
        <translation>報表資料夾的名稱（在 %1 內）：</translation>
    </message>
    <message>
        <source>The return year &apos;%1&apos; is not a year; enter it on the employer&apos;s screen first.</source>
        <translation>報稅年度「%1」不是年份；請先在僱主畫面輸入。</translation>
    </message>
    <message>
        <source>Next year&apos;s return</source>
        <translation>下一報稅年度的報表</translation>
    </message>
    <message>
        <source>Leave them out</source>
        <translation>不包括他們</translation>
    </message>
    <message>
        <source>Carry them over</source>
        <translation>轉入下一年度</translation>
    </message>
    <message>
        <source>Making next year&apos;s return...</source>
        <translation>正在編製下一報稅年度的報表...</translation>
    </message>
    <message numerus="yes">
        <source>Next year&apos;s return &apos;%1&apos; (%2) has been made with %n record(s). Open it now?</source>
        <translation>
            <numerusform>下一報稅年度的報表「%1」（%2）已編製，共 %n 筆紀錄。要立即開啟嗎？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Verb</name>
    <message>
        <source>Check a saved submission against the log beside it, changing neither; FILE may also be an entry of the archive (its folder), whose password is asked.</source>
        <translation>以旁邊的記錄檔核對已儲存的申報檔案，兩者都不會更改；FILE 亦可以是存檔內的項目（其資料夾），程式會要求輸入其密碼。</translation>
    </message>
    <message>
        <source>List the submissions kept in the archive, newest first, and whether each verifies.</source>
        <translation>列出存檔內保存的申報檔案（最新的在前），及每個是否核實無誤。</translation>
    </message>
    <message>
        <source>Check the whole return and report every problem with its code, severity and fix, and the control totals; exit 1 when there is an error.</source>
        <translation>檢查整份報表，列出每個問題的代碼、嚴重程度及更正方法，以及控制總額；有錯誤時以 1 結束。</translation>
    </message>
    <message>
        <source>List the returns of the workspace: employer, file number, year, records, last change and last save.</source>
        <translation>列出工作區的報表：僱主、檔案號碼、年度、紀錄、最後更改及最後儲存。</translation>
    </message>
    <message>
        <source>List the automatic backup copies of the database, newest first.</source>
        <translation>列出資料庫的自動備份（最新的在前）。</translation>
    </message>
    <message>
        <source>Put the backup copy NAME in the place of the database.</source>
        <translation>以備份 NAME 取代資料庫。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>顯示此說明。</translation>
    </message>
    <message>
        <source>Program folder holding the database.</source>
        <translation>存放資料庫的程式資料夾。</translation>
    </message>
    <message>
        <source>Open the workspace&apos;s return of that name.</source>
        <translation>開啟工作區內該名稱的報表。</translation>
    </message>
    <message>
        <source>Folder of the removable medium.</source>
        <translation>可移除儲存媒體的資料夾。</translation>
    </message>
    <message>
        <source>Speak English (en) or Traditional Chinese (zh_HK), whatever is chosen.</source>
        <translation>不論已選擇何種語言，都使用英文 (en) 或繁體中文 (zh_HK)。</translation>
    </message>
    <message>
        <source>Check every row and report what would be imported, storing nothing.</source>
        <translation>檢查每一列，並報告會匯入的資料，但不儲存任何資料。</translation>
    </message>
    <message>
        <source>Report as text (the default), csv or json.</source>
        <translation>以文字（預設）、csv 或 json 格式報告。</translation>
    </message>
    <message>
        <source>Read employee records from a CSV file or a sheet of an .xlsx or .ods workbook, after a backup copy of the database; with --update, rows matching original records update them (with --add as well: both).</source>
        <translation>備份資料庫後，從 CSV 檔案或 .xlsx、.ods 活頁簿的一張工作表讀入僱員紀錄；使用 --update 時，與正本紀錄相符的列會更新該紀錄（同時使用 --add：兩者皆做）。</translation>
    </message>
    <message>
        <source>Write the employee records of the working database to a workbook (FILE ending in .xlsx) or a CSV file (any other name).</source>
        <translation>將工作資料庫的僱員紀錄寫入活頁簿（FILE 以 .xlsx 結尾）或 CSV 檔案（其他名稱）。</translation>
    </message>
    <message>
        <source>Write the header and an example row for the return year to fill in and import: a workbook with a sheet explaining every column (FILE ending in .xlsx) or a CSV file.</source>
        <translation>寫出報稅年度的標題及一列例子，供填寫後匯入：附有逐欄說明工作表的活頁簿（FILE 以 .xlsx 結尾）或 CSV 檔案。</translation>
    </message>
    <message>
        <source>Column mapping (JSON) for a file whose header is not the labels.</source>
        <translation>標題並非欄位標籤的檔案所用的欄位對應（JSON）。</translation>
    </message>
    <message>
        <source>Add the rows that match no original record.</source>
        <translation>加入與任何正本紀錄都不相符的列。</translation>
    </message>
    <message>
        <source>Update the original records whose identity numbers the rows carry.</source>
        <translation>更新列中身份證號碼所屬的正本紀錄。</translation>
    </message>
    <message>
        <source>Empty cells clear the fields of the records they update.</source>
        <translation>空白儲存格清除所更新紀錄的欄位。</translation>
    </message>
    <message>
        <source>The sheet of an .xlsx or .ods workbook to read; the first when not given.</source>
        <translation>要讀取的 .xlsx 或 .ods 活頁簿工作表；未指明時讀取第一張。</translation>
    </message>
</context>
</TS>
