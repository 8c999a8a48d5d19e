#pragma once
// A scene drawn with QPainter for the refit's tests of loaded pictures: a
// mottled ground, shapes with outlines and lines of text, and the ways a
// picture is exported again (scaled, stretched, cropped, padded, turned,
// compressed anew), each with the transform that carries the old picture's
// points into it.

#include "services/refit/PictureTransform.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <random>

namespace refitpictures
{

inline QImage Scene(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    const auto any = [&](int below) { return int(random() % unsigned(below)); };
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, width, height);
    ground.setColorAt(0, QColor(70, 90, 60));
    ground.setColorAt(1, QColor(150, 140, 110));
    painter.fillRect(image.rect(), ground);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < width * height / 150; ++i) { // the mottle
        painter.setBrush(QColor(any(256), any(256), any(256), 60));
        painter.drawEllipse(QPointF(any(width), any(height)), 2 + any(5), 2 + any(5));
    }
    const QColor colours[] = {Qt::red, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan, Qt::white, Qt::darkGreen};
    for (int i = 0; i < 30; ++i) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(colours[any(7)]);
        const QRectF box(any(width - 80), any(height - 60), 20 + any(60), 15 + any(45));
        switch (any(3)) {
        case 0:
            painter.drawRect(box);
            break;
        case 1:
            painter.drawEllipse(box);
            break;
        default:
            painter.drawPolygon(QPolygonF{box.bottomLeft(), QPointF(box.center().x(), box.top()), box.bottomRight()});
        }
    }
    const char* lines[] = {"Zephyrmap 2024", "Park entrance / 公園入口", "Station — Museum — Harbour", "AREA HREF ALT"};
    for (int i = 0; i < 4; ++i) {
        QFont font;
        font.setPixelSize(14 + any(16));
        font.setBold(i % 2);
        painter.setFont(font);
        painter.setPen(i % 2 ? Qt::white : Qt::black);
        painter.drawText(QPointF(10 + any(width / 3), 30 + i * height / 4.5 + any(20)), QString::fromUtf8(lines[i]));
    }
    return image;
}

// The old picture drawn through `oldToNew` onto a white picture of that size.
inline QImage Transformed(const QImage& old, const PictureTransform& oldToNew, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(
        QTransform(oldToNew.A(), oldToNew.D(), oldToNew.B(), oldToNew.E(), oldToNew.C(), oldToNew.F()));
    painter.drawImage(0, 0, old);
    return image;
}

} // namespace refitpictures
