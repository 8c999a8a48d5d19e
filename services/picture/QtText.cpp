#include "services/picture/QtText.h"

#include "services/text/Utf8Bridge.h"

QString ToQString(const std::string& sjis)
{
    return QString::fromStdString(utf8::SjisToUtf8(sjis));
}

std::string FromQString(const QString& text, bool* lossless)
{
    return utf8::Utf8ToSjis(text.toStdString(), lossless);
}

bool FitsShiftJis(const QString& text)
{
    bool lossless = true;
    FromQString(text, &lossless);
    return lossless;
}

QColor ToQColor(ColorRef color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}
