#include "services/dialogs/FileFilter.h"

#include <QCoreApplication>

namespace filefilter
{

namespace
{

QString QtPatterns(const QString& programPatterns)
{
    QStringList patterns = programPatterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
        p = p.trimmed();
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
    }
    patterns.removeAll(QString());
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(QLatin1Char(' '));
}

} // namespace

QStringList NameFilters(const QString& programFilter)
{
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break; // the "||" that ends the list
        filters << parts[i] + QStringLiteral(" (") + QtPatterns(parts[i + 1]) + QLatin1Char(')');
    }
    return filters;
}

QString PictureFilter()
{
    return QCoreApplication::translate(
        "FileFilter", "画像ファイル(*.jpg *.jpeg *png *gif *bmp)|*.jpg;*.jpeg;*png;*.gif;*.bmp|"
                      "JPEGファイル(*.jpg *.jpeg)|*.jpg;*.jpeg|PNGファイル(*.png)|*.png|GIFファイル(*gif)|*.gif|"
                      "BMPファイル(*.bmp)|*.bmp|全てのファイル(*.*)|*.*||");
}

int PositionOf(int filterIndex, int count)
{
    if (filterIndex < 1 || filterIndex > count)
        return 0;
    return filterIndex - 1;
}

int IndexOf(int position)
{
    return position + 1;
}

} // namespace filefilter
