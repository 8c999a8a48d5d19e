#include "services/picture/QtText.h"

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string FromQString(const QString& text)
{
    return text.toStdString();
}

QColor ToQColor(ColorRef color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}
