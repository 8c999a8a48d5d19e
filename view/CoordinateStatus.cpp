#include "view/CoordinateStatus.h"

#include "model/CMapData.h"

#include <QCoreApplication>

namespace coordinatestatus
{

QString PointerText(Point p)
{
    return QStringLiteral("X %1  Y %2").arg(p.x).arg(p.y);
}

QString LinkText(const CMapData& area)
{
    const QString link =
        area.m_noHref ? QStringLiteral("NOHREF") : QStringLiteral("HREF: %1").arg(QString::fromStdString(area.m_href));
    return QStringLiteral("%1    ALT: %2").arg(link, QString::fromStdString(area.m_alt));
}

QString ShapeText(const CMapData& area, Point pointer)
{
    const Rect r = area.Bounds();
    switch (area.m_shape) {
    case ShapeRect:
        return QCoreApplication::translate("CoordinateStatus", "X %1  Y %2  幅 %3  高さ %4")
            .arg(r.left)
            .arg(r.top)
            .arg(r.right - r.left)
            .arg(r.bottom - r.top);
    case ShapeCirc:
        return QCoreApplication::translate("CoordinateStatus", "中心 X %1  Y %2  半径 %3")
            .arg(r.left + (r.right - r.left) / 2)
            .arg(r.top + (r.bottom - r.top) / 2)
            .arg((r.right - r.left) / 2);
    case ShapePoly:
        return QCoreApplication::translate("CoordinateStatus", "X %1  Y %2  頂点 %3")
            .arg(pointer.x)
            .arg(pointer.y)
            .arg(area.m_points.size());
    default:
        return QString();
    }
}

} // namespace coordinatestatus
