#include "model/PointList.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

PointList& PointList::operator=(const PointList& other)
{
    if (this != &other)
        Assign(other.data(), other.size());
    return *this;
}

PointList& PointList::operator=(PointList&& other) noexcept
{
    if (this != &other) {
        FreeHeap();
        TakeFrom(other);
    }
    return *this;
}

PointList& PointList::operator=(std::initializer_list<Point> points)
{
    Assign(points.begin(), points.size());
    return *this;
}

PointList& PointList::operator=(const std::vector<Point>& points)
{
    Assign(points.data(), points.size());
    return *this;
}

void PointList::push_back(Point p)
{
    if (m_size == m_capacity)
        Grow(m_size + 1);
    data()[m_size++] = p;
}

PointList::iterator PointList::insert(const_iterator pos, Point p)
{
    const auto index = static_cast<std::size_t>(pos - begin());
    if (m_size == m_capacity)
        Grow(m_size + 1);
    Point* at = data() + index;
    std::copy_backward(at, end(), end() + 1);
    *at = p;
    ++m_size;
    return at;
}

PointList::iterator PointList::erase(const_iterator first, const_iterator last)
{
    Point* from = begin() + (first - begin());
    Point* newEnd = std::copy(begin() + (last - begin()), end(), from);
    m_size = static_cast<std::uint32_t>(newEnd - begin());
    return from;
}

void PointList::assign(std::size_t count, Point p)
{
    clear();
    resize(count, p);
}

void PointList::resize(std::size_t count, Point p)
{
    if (count > m_capacity)
        Grow(count);
    if (count > m_size)
        std::fill(end(), begin() + count, p);
    m_size = static_cast<std::uint32_t>(count);
}

void PointList::reserve(std::size_t count)
{
    if (count > m_capacity)
        Grow(count);
}

bool operator==(const PointList& a, const PointList& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void PointList::Assign(const Point* points, std::size_t count)
{
    if (count > m_capacity) {
        clear();
        Grow(count);
    }
    std::copy(points, points + count, data());
    m_size = static_cast<std::uint32_t>(count);
}

void PointList::TakeFrom(PointList& other) noexcept
{
    m_heap = other.m_heap;
    if (!m_heap)
        std::copy(other.m_inline, other.m_inline + other.m_size, m_inline);
    m_size = other.m_size;
    m_capacity = other.m_capacity;
    other.m_heap = nullptr;
    other.m_size = 0;
    other.m_capacity = kInline;
}

void PointList::FreeHeap() noexcept
{
    delete[] m_heap;
    m_heap = nullptr;
}

void PointList::Grow(std::size_t count)
{
    constexpr std::size_t largest = std::numeric_limits<std::uint32_t>::max();
    if (count > largest)
        throw std::length_error("too many points");
    const std::size_t capacity =
        std::max<std::size_t>(count, std::min<std::size_t>(std::size_t{m_capacity} * 2, largest));
    Point* grown = new Point[capacity];
    std::copy(begin(), end(), grown);
    FreeHeap();
    m_heap = grown;
    m_capacity = static_cast<std::uint32_t>(capacity);
}
