#!/usr/bin/python3
"""Writes the workbooks the import tests read, as other programs write them: .xlsx files with
openpyxl (python3-openpyxl) and .ods files with odfpy (python3-odf), each holding the same
employees as staff.csv, with typed number, date and text cells; and the hostile files the import
must refuse. Run it from this folder: python3 make_workbooks.py"""
import datetime
import io
import re
import zipfile

import openpyxl
from odf.opendocument import OpenDocumentSpreadsheet
from odf.table import Table, TableCell, TableRow
from odf.text import P

HEADER = ["Surname", "FirstName", "ChineseName", "HKID", "ChkDigit", "Sex", "RAddress1",
          "RAreaCode", "Capacity", "EDay1", "EMonth1", "EYear1", "EDay2", "EMonth2", "EYear2",
          "aIncome", "QFlag", "OSeaFlag"]
START = datetime.date(2001, 4, 1)
END = datetime.date(2002, 3, 31)
# Surname, HKID, check character, salary (a fraction is refused as cents are)
PEOPLE = [("CHAN", "B111111", "1", 120000), ("WONG", "B222222", "X", 98765),
          ("LEE", "C333333", "2", 1000.5), ("HO", "B444444", "4", 240000)]


def typed_row(surname, hkid, check, salary):
    return [surname, "TAI MAN", "陳大文", hkid, check, "m", "FLAT A", "k", "CLERK",
            START, START, START, END, END, END, salary, 0, 0]


def text_row(surname, hkid, check, salary):
    return [surname, "TAI MAN", "陳大文", hkid, check, "m", "FLAT A", "k", "CLERK",
            "01", "04", "2001", "31", "03", "2002", str(salary), "0", "0"]


def write_csv():
    with open("workbooks/staff.csv", "w", encoding="utf-8", newline="") as out:
        out.write(",".join(HEADER) + "\r\n")
        for person in PEOPLE:
            out.write(",".join(text_row(*person)) + "\r\n")


def write_xlsx(path, extra=None):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "Staff"
    sheet.append(HEADER)
    for person in PEOPLE:
        sheet.append(typed_row(*person))
    for row in sheet.iter_rows(min_row=2, min_col=10, max_col=15):
        for cell in row:
            cell.number_format = "dd/mm/yyyy"
    # The last salary is a formula; its value as last calculated is written beside it below.
    sheet.cell(row=len(PEOPLE) + 1, column=16, value="=200000+40000")
    other = book.create_sheet("Other")
    other.append(HEADER)
    other.append(typed_row("YIP", "D888888", "8", 50000))
    # A formula never calculated: openpyxl writes no value for it, so the cell reads as empty.
    other.cell(row=2, column=16, value="=25000*2")
    if extra:
        extra(book)
    data = io.BytesIO()
    book.save(data)
    write_zip(path, data.getvalue(), cached_formula_value)


def cached_formula_value(name, content):
    if name == "xl/worksheets/sheet1.xml":
        content = content.replace(b"<f>200000+40000</f><v></v>", b"<f>200000+40000</f><v>240000</v>")
        content = content.replace(b"<f>200000+40000</f><v/>", b"<f>200000+40000</f><v>240000</v>")
        content = content.replace(b"<f>200000+40000</f></c>", b"<f>200000+40000</f><v>240000</v></c>")
    return content


def write_zip(path, source, change=lambda name, content: content, added=()):
    original = zipfile.ZipFile(io.BytesIO(source))
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as out:
        for info in original.infolist():
            out.writestr(info.filename, change(info.filename, original.read(info.filename)))
        for name, content in added:
            out.writestr(name, content)


def ods_cell(value):
    if isinstance(value, datetime.date):
        cell = TableCell(valuetype="date", datevalue=value.isoformat())
        cell.addElement(P(text=value.strftime("%d/%m/%Y")))
    elif isinstance(value, (int, float)):
        cell = TableCell(valuetype="float", value=value)
        cell.addElement(P(text=str(value)))
    else:
        cell = TableCell(valuetype="string")
        cell.addElement(P(text=value))
    return cell


def write_ods(path):
    document = OpenDocumentSpreadsheet()
    for name, people in (("Staff", PEOPLE), ("Other", [("YIP", "D888888", "8", 50000)])):
        table = Table(name=name)
        for values in [HEADER] + [typed_row(*person) for person in people]:
            row = TableRow()
            for value in values:
                row.addElement(ods_cell(value))
            table.addElement(row)
        document.spreadsheet.addElement(table)
    document.save(path)


def write_hostile():
    xlsx = open("workbooks/staff.xlsx", "rb").read()
    ods = open("workbooks/staff.ods", "rb").read()
    write_zip("workbooks/external-link.xlsx", xlsx,
              added=[("xl/externalLinks/externalLink1.xml", "<externalLink/>")])
    write_zip("workbooks/macro.xlsx", xlsx, added=[("xl/vbaProject.bin", b"\0" * 64)])
    write_zip("workbooks/macro.ods", ods,
              added=[("Basic/Standard/Module1.xml", "<module/>")])
    write_zip("workbooks/encrypted.ods", ods,
              change=lambda name, content: content.replace(
                  b"</manifest:manifest>",
                  b'<manifest:file-entry manifest:full-path="settings.xml" '
                  b'manifest:media-type="text/xml"><manifest:encryption-data/>'
                  b"</manifest:file-entry></manifest:manifest>")
              if name == "META-INF/manifest.xml" else content)
    with zipfile.ZipFile("workbooks/bomb.xlsx", "w", zipfile.ZIP_DEFLATED) as out:
        for info in zipfile.ZipFile(io.BytesIO(xlsx)).infolist():
            out.writestr(info.filename, zipfile.ZipFile(io.BytesIO(xlsx)).read(info.filename))
        out.writestr("xl/media/padding.xml", b" " * (64 * 1024 * 1024))
    open("workbooks/encrypted.xlsx", "wb").write(
        b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\0" * 4096)
    open("workbooks/not-a-workbook.xlsx", "w").write("Surname,HKID\r\nCHAN,A123456\r\n")
    open("workbooks/damaged.xlsx", "wb").write(xlsx[: len(xlsx) // 2])
    open("workbooks/workbook.csv", "wb").write(xlsx)
    write_xlsx("workbooks/wide.xlsx",
               lambda book: book["Staff"].cell(row=3, column=1002, value="far"))
    write_xlsx("workbooks/tall.xlsx",
               lambda book: book["Staff"].cell(row=1000002, column=1, value="deep"))


# A sheet of many rows, which the reader takes a few thousand rows at a time: formulas with their
# last values on the rows around the first cut, and a copy whose rows and cells are written
# without their numbers (as some programs write them), each row then the one after the last.
MANY = 4100
FORMULA_ROWS = (2000, 2001, 2002)


def many_people():
    return [PEOPLE[i % len(PEOPLE)] for i in range(MANY)]


def write_many():
    with open("workbooks/many.csv", "w", encoding="utf-8", newline="") as out:
        out.write(",".join(HEADER) + "\r\n")
        for person in many_people():
            out.write(",".join(text_row(*person)) + "\r\n")
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "Staff"
    sheet.append(HEADER)
    for person in many_people():
        sheet.append(typed_row(*person))
    for row in sheet.iter_rows(min_row=2, min_col=10, max_col=15):
        for cell in row:
            cell.number_format = "dd/mm/yyyy"
    for row in FORMULA_ROWS:
        salary = many_people()[row - 2][3]
        sheet.cell(row=row, column=16, value="=%s+0" % salary)
    data = io.BytesIO()
    book.save(data)

    def cached(name, content):
        if name == "xl/worksheets/sheet1.xml":
            for row in FORMULA_ROWS:
                salary = str(many_people()[row - 2][3]).encode()
                content = content.replace(b"<f>" + salary + b"+0</f><v></v>",
                                          b"<f>" + salary + b"+0</f><v>" + salary + b"</v>")
                content = content.replace(b"<f>" + salary + b"+0</f><v/>",
                                          b"<f>" + salary + b"+0</f><v>" + salary + b"</v>")
        return content

    write_zip("workbooks/many.xlsx", data.getvalue(), cached)

    def unnumbered(name, content):
        content = cached(name, content)
        if name == "xl/worksheets/sheet1.xml":
            content = re.sub(rb'(<(?:row|c)) r="[A-Z]*[0-9]+"', rb"\1", content)
        return content

    write_zip("workbooks/many-unnumbered.xlsx", data.getvalue(), unnumbered)


write_csv()
write_xlsx("workbooks/staff.xlsx")
write_ods("workbooks/staff.ods")
write_hostile()
write_many()
