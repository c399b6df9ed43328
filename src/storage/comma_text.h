#pragma once
// Comma text: one record per line inside list blocks.
#include <QString>
#include <QStringList>

// Joins fields with ","; a field holding a blank, control character, comma or double quote is quoted
// (inner quotes doubled); a record of exactly one empty field is written as "".
QString CommaTextJoin(const QStringList& fields);
// Blanks and control characters outside quotes separate values too; a trailing comma adds an empty value.
QStringList CommaTextSplit(const QString& line);
// The record with at least count fields (missing ones empty).
QStringList PadFields(QStringList fields, int count);
