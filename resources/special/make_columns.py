#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes SuperGrid1.columns, the stored column settings of the special characters
window's grid, in the column grid's stream form (described in controls/ColumnStream.h).

This writer is kept apart from the program's own on purpose: the program reads this file
when it builds the window, and writing the columns back must give these bytes again.
Run from this folder; the output is committed.
"""

import struct

LIST, END, INT8, INT16, INT32, TEXT, FALSE, TRUE = 0x01, 0x00, 0x02, 0x03, 0x04, 0x06, 0x08, 0x09


def name(text):
    return bytes([len(text)]) + text.encode("ascii")


def text(value):
    data = value.encode("utf-8")
    assert len(data) <= 255
    return bytes([TEXT, len(data)]) + data


def integer(value):
    if -128 <= value <= 127:
        return bytes([INT8]) + struct.pack("<b", value)
    if -32768 <= value <= 32767:
        return bytes([INT16]) + struct.pack("<h", value)
    return bytes([INT32]) + struct.pack("<i", value)


def boolean(value):
    return bytes([TRUE if value else FALSE])


def font(color, height, size, bold):
    return (text(color) + integer(height) + text("MS Sans Serif") + text("fpDefault") + integer(size)
            + boolean(bold) + boolean(False) + boolean(False) + boolean(False))


def column(title, cell_color, cell_height, cell_size):
    return (bytes([LIST]) + text(title) + bytes([END])
            + integer(2) + integer(2)                  # title and cells centred
            + text("clBtnFace") + text("clWindow")
            + font("clNavy", -11, 8, True)             # title font
            + font(cell_color, cell_height, cell_size, False)
            + integer(0)                               # no overflow handling
            + integer(1) + integer(0)                  # lowered inner bevel, no outer bevel
            + integer(0) + integer(1)                  # no band, 1-pixel bevels
            + integer(1) + integer(1)                  # title and cells centred vertically
            + integer(0))                              # plain cells


stream = (name("Version") + text("1.4")
          + name("Author") + text("Velloran column grid")
          + name("Columns.PropertyVersion") + text("1.4")
          + name("Columns.Columns") + bytes([LIST])
          + column("Char", "clNavy", -16, 12)
          + column("Code", "clWindowText", -13, 10)
          + column("Name", "clWindowText", -13, 10)
          + bytes([END])
          + name("Columns.UseOddRowColor") + boolean(True)
          + name("Columns.OddRowColor") + text("clInfoBk")
          + name("Columns.UseEvenRowColor") + boolean(True)
          + name("Columns.EvenRowColor") + text("clWindow")
          + name("Columns.LoadData") + boolean(False)
          + name("Columns.DataFileName") + text("")
          + name("Columns.StripLeading") + boolean(True)
          + name("Columns.StripTrailing") + boolean(True)
          + name("Columns.AddRows") + boolean(True)
          + bytes([0]))

with open("SuperGrid1.columns", "wb") as out:
    out.write(stream)
