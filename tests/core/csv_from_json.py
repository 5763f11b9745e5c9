#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a list given as qvxtool's JSON as a CSV table with Python's csv
module: csv_from_json.py LIST.json OUT.csv [DELIMITER]

The table has the columns qvxtool's CSV lists have (see the README); the
rows are made here from the JSON's fields, not from qvxtool's CSV."""
import csv
import json
import sys

source, target = sys.argv[1], sys.argv[2]
options = {'delimiter': sys.argv[3]} if len(sys.argv) > 3 else {}
with open(source, encoding='utf-8') as f:
    data = json.load(f)

items = []
for tree in ('television', 'radio'):
    for item in data[tree]:
        items.append((tree, 'provider', item['record']))
        items.extend((tree, 'channel', child) for child in item['children'])
fields = [key for key in items[0][2] if key not in ('image', 'carried')]


def column_of(name, value):
    return ('carriedHex.' if isinstance(value, dict) else 'carried.') + name


carried_columns = []
for carried in [data.get('carried')] + [record.get('carried') for _, _, record in items]:
    for name, value in (carried or {}).get('fields', []):
        if column_of(name, value) not in carried_columns:
            carried_columns.append(column_of(name, value))


def cell(value):
    if isinstance(value, list):
        return ' '.join(str(number) for number in value)
    return str(value)


def rows_of(tree, level, record, carried):
    first = [tree, level]
    first += [cell(record[key]) for key in fields] + [record['image']] if record else [''] * (len(fields) + 1)
    if carried:
        first += [carried['format'], str(carried.get('place', '')), carried.get('file', '')]
    else:
        first += ['', '', '']
    rows, row, last = [], first + [''] * len(carried_columns), -1
    for name, value in (carried or {}).get('fields', []):
        column = carried_columns.index(column_of(name, value))
        # A field whose column is not right of the last one filled goes on a row of its own.
        if column <= last:
            rows.append(row)
            row = [tree, 'more'] + [''] * (len(fields) + 4) + [''] * len(carried_columns)
        row[len(fields) + 6 + column] = value['hex'] if isinstance(value, dict) else value
        last = column
    return rows + [row]


with open(target, 'w', newline='', encoding='utf-8') as f:
    writer = csv.writer(f, **options)
    writer.writerow(['tree', 'level'] + fields + ['image', 'carriedFormat', 'carriedPlace', 'carriedFile'] +
                    carried_columns)
    if data.get('carried'):
        writer.writerows(rows_of('', 'list', None, data['carried']))
    for tree, level, record in items:
        writer.writerows(rows_of(tree, level, record, record.get('carried')))
