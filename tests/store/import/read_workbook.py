#!/usr/bin/env python3
"""Reads a workbook as another program sees it and prints what the tests compare, as JSON.

For each sheet: its name, the cell that holds the frozen pane, the width of each column, the
list validations (range and allowed values) and every row as [value, kind, number format]
triples, kind being "n" for a number and "s" for a text (an empty cell is [null, "n", ...]).
"""
import json
import sys

import openpyxl


def sheet_of(sheet):
    rows = [[[cell.value, cell.data_type, cell.number_format] for cell in row]
            for row in sheet.iter_rows()]
    validations = [{"range": str(validation.sqref), "type": validation.type,
                    "values": (validation.formula1 or "").strip('"').split(",")}
                   for validation in sheet.data_validations.dataValidation]
    widths = {letter: dimension.width for letter, dimension in sheet.column_dimensions.items()}
    return {"name": sheet.title, "freeze": sheet.freeze_panes, "rows": rows,
            "validations": validations, "widths": widths}


def main():
    book = openpyxl.load_workbook(sys.argv[1])
    json.dump([sheet_of(sheet) for sheet in book.worksheets], sys.stdout, default=str)


if __name__ == "__main__":
    main()
