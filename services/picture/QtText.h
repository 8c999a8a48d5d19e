#pragma once
// Where the program's text (UTF-8) and colour references meet Qt.

#include "services/types/ColorRef.h"

#include <QColor>
#include <QString>

#include <string>

QString ToQString(const std::string& text);
std::string FromQString(const QString& text);
QColor ToQColor(ColorRef color);
