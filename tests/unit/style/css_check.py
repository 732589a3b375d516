#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a style sheet with tinycss2, a real CSS parser, and prints what it sees: one line
"selector|property|value" per declaration (inside @media, "@media <query> selector|..."),
strings and URLs as JSON strings, and a line starting "ERROR" for every parse error at any
level."""
import json
import sys

import tinycss2


def value_text(tokens, errors):
    parts = []
    for token in tokens:
        if token.type in ('whitespace', 'comment'):
            continue
        if token.type == 'error':
            errors.append(token.message)
        elif token.type == 'string':
            parts.append('string:' + json.dumps(token.value))
        elif token.type == 'url':
            parts.append('url:' + json.dumps(token.value))
        elif token.type == 'function':
            parts.append('%s(%s)' % (token.lower_name, value_text(token.arguments, errors)))
        else:
            parts.append(tinycss2.serialize([token]))
    return ' '.join(parts)


def walk(rules, prefix, lines, errors):
    """Qualified rules print their declarations; an @media rule's own rules are read in turn,
    each line prefixed with "@media <query> "."""
    for rule in rules:
        if rule.type == 'at-rule' and rule.lower_at_keyword == 'media' and rule.content is not None:
            query = '@media ' + tinycss2.serialize(rule.prelude).strip() + ' '
            walk(tinycss2.parse_rule_list(rule.content, skip_comments=True, skip_whitespace=True),
                 prefix + query, lines, errors)
            continue
        if rule.type != 'qualified-rule':
            errors.append('%s: %s' % (rule.type, getattr(rule, 'message', '')))
            continue
        selector = tinycss2.serialize(rule.prelude).strip()
        for item in tinycss2.parse_declaration_list(rule.content, skip_comments=True, skip_whitespace=True):
            if item.type != 'declaration':
                errors.append('%s: %s' % (item.type, getattr(item, 'message', '')))
                continue
            lines.append('%s%s|%s|%s' % (prefix, selector, item.lower_name, value_text(item.value, errors)))


def main():
    with open(sys.argv[1], encoding='utf-8') as sheet:
        css = sheet.read()
    errors = []
    lines = []
    walk(tinycss2.parse_stylesheet(css, skip_comments=True, skip_whitespace=True), '', lines, errors)
    for line in lines:
        print(line)
    for error in errors:
        print('ERROR ' + error)


main()
