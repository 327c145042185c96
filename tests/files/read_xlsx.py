#!/usr/bin/python3
"""Reads an .xlsx workbook with openpyxl, a reader independent of the writer,
and prints its first sheet as JSON: {"sheet": title, "rows": [[cell, ...], ...]}
with each cell null (empty), {"n": number}, {"s": text} or {"other": text}.

Texts are decoded as the file format defines: _xHHHH_ stands for the
character HHHH (so "_x005F_" for "_"). openpyxl 3.0 does not decode them: it
drops every "x005F_" from the shared strings instead, which loses text; its
own parser reads the string table here and the escapes are decoded after."""
import json
import re
import sys

import openpyxl
import openpyxl.reader.excel
from openpyxl.cell.text import Text
from openpyxl.xml.constants import SHEET_MAIN_NS
from openpyxl.xml.functions import iterparse

ESCAPE = re.compile(r"_x([0-9A-Fa-f]{4})_")


def read_string_table(xml_source):
    strings = []
    for _, node in iterparse(xml_source):
        if node.tag == "{%s}si" % SHEET_MAIN_NS:
            content = Text.from_tree(node).content
            strings.append(ESCAPE.sub(lambda m: chr(int(m.group(1), 16)), content))
            node.clear()
    return strings


openpyxl.reader.excel.read_string_table = read_string_table


def cell(value):
    if value is None:
        return None
    if isinstance(value, bool):
        return {"other": str(value)}
    if isinstance(value, (int, float)):
        return {"n": value}
    if isinstance(value, str):
        return {"s": value}
    return {"other": str(value)}


book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
rows = [[cell(c.value) for c in row] for row in sheet.iter_rows()]
print(json.dumps({"sheet": sheet.title, "rows": rows}, ensure_ascii=True))
