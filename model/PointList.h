#pragma once
// An area's points, as a vector of them. Rectangles, circles and the DEFAULT
// area hold four and many polygons few, so up to kInline points live inside
// the list itself: reading or copying a large map of such areas makes no heap
// block for their points. Longer lists live on the heap as a vector's do.

#include "services/types/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

class PointList
{
public:
    using value_type = Point;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = Point&;
    using const_reference = const Point&;
    using iterator = Point*;
    using const_iterator = const Point*;

    static constexpr std::size_t kInline = 4;

    PointList() noexcept {}
    PointList(std::initializer_list<Point> points) { Assign(points.begin(), points.size()); }
    PointList(std::span<const Point> points) { Assign(points.data(), points.size()); }
    PointList(const std::vector<Point>& points) { Assign(points.data(), points.size()); }
    PointList(const PointList& other) { Assign(other.data(), other.size()); }
    PointList(PointList&& other) noexcept { TakeFrom(other); }
    ~PointList() { FreeHeap(); }

    PointList& operator=(const PointList& other);
    PointList& operator=(PointList&& other) noexcept;
    PointList& operator=(std::initializer_list<Point> points);
    PointList& operator=(const std::vector<Point>& points);

    Point* data() { return OnHeap() ? m_heap : m_inline; }
    const Point* data() const { return OnHeap() ? m_heap : m_inline; }
    std::size_t size() const { return m_size; }
    std::size_t capacity() const { return m_capacity; }
    bool empty() const { return m_size == 0; }

    iterator begin() { return data(); }
    iterator end() { return data() + m_size; }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + m_size; }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

    Point& operator[](std::size_t i) { return data()[i]; }
    const Point& operator[](std::size_t i) const { return data()[i]; }
    Point& front() { return data()[0]; }
    const Point& front() const { return data()[0]; }
    Point& back() { return data()[m_size - 1]; }
    const Point& back() const { return data()[m_size - 1]; }

    void push_back(Point p);
    void pop_back() { --m_size; }
    iterator insert(const_iterator pos, Point p);
    iterator erase(const_iterator pos) { return erase(pos, pos + 1); }
    iterator erase(const_iterator first, const_iterator last);
    void assign(std::size_t count, Point p);
    void resize(std::size_t count, Point p = {});
    void reserve(std::size_t count);
    void clear() { m_size = 0; }

    std::vector<Point> ToVector() const { return {begin(), end()}; }

    friend bool operator==(const PointList& a, const PointList& b);

private:
    bool OnHeap() const { return m_heap != nullptr; }
    void Assign(const Point* points, std::size_t count);
    void TakeFrom(PointList& other) noexcept;
    void FreeHeap() noexcept;
    // Room for `count` points, the ones held kept; growth doubles.
    void Grow(std::size_t count);

    Point m_inline[kInline];
    Point* m_heap = nullptr; // the points when more than kInline were held
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = kInline;
};
