#include "view/ViewPrinter.h"

#include "view/CZephyrmapView.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

QImage ViewPrinter::RenderPage()
{
    const QSize size = m_view.ScaledSize();
    if (size.isEmpty())
        return QImage();
    const double scale = std::min(1.0, static_cast<double>(kLargestPageSide) / std::max(size.width(), size.height()));
    QImage page(QSize(std::max(1, static_cast<int>(size.width() * scale)),
                      std::max(1, static_cast<int>(size.height() * scale))),
                QImage::Format_RGB32);
    if (page.isNull())
        return page;
    QPainter painter(&page);
    painter.scale(scale, scale);
    m_view.PaintPage(painter);
    return page;
}

void ViewPrinter::Print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintTo(printer);
}

void ViewPrinter::PrintTo(QPrinter& printer)
{
    const QImage page = RenderPage();
    if (page.isNull())
        return;
    QPainter painter(&printer);
    const QRect paper = painter.viewport();
    const QSize fitted = page.size().scaled(paper.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(paper.topLeft(), fitted), page);
}
