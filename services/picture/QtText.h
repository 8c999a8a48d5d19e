#pragma once
// Where the program's Shift-JIS strings and colour references meet Qt.

#include "services/types/ColorRef.h"

#include <QColor>
#include <QString>

#include <string>

QString ToQString(const std::string& sjis);
// `lossless` says whether every character fitted into Shift-JIS.
std::string FromQString(const QString& text, bool* lossless = nullptr);
// Whether Shift-JIS holds every character of `text`.
bool FitsShiftJis(const QString& text);
QColor ToQColor(ColorRef color);
