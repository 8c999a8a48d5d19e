#pragma once
// Printing the map: the whole scaled surface (the picture with its areas, as
// the view shows them) rendered as one image of at most 8192 pixels a side,
// then fitted to the paper.

#include <QImage>

class CZephyrmapView;
class QPrinter;

class ViewPrinter
{
public:
    static constexpr int kLargestPageSide = 8192;

    explicit ViewPrinter(CZephyrmapView& view) : m_view(view) {}

    // Asks for a printer, then prints.
    void Print();
    void PrintTo(QPrinter& printer);
    QImage RenderPage();

private:
    CZephyrmapView& m_view;
};
