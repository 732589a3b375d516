// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the special characters table, one row per line: the character's code, then its
// Code text and its Name text, separated by tabs. The entity check reads it.
#include <iostream>

#include "windows/SpecialEntities.h"

int main() {
    for (const windows::SpecialEntry& entry : windows::SpecialTable(windows::StoredLatin1Names())) {
        std::cout << entry.code << '\t' << windows::CodeText(entry.code) << '\t' << entry.name << '\n';
    }
    return 0;
}
