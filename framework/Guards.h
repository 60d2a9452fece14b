#pragma once
// RAII guards for drawing objects, drawing and the wait cursor. Releasing never lets an exception
// out of a destructor: it is reported in a plain box and the program carries on.

#include <windows.h>

#include <exception>
#include <source_location>
#include <utility>

#include "framework/ErrorReport.h"

template <class Release>
void ReleaseReported(const std::source_location& where, Release&& release) noexcept
{
    try {
        release();
    } catch (const std::exception& e) {
        ReportDestructorException(where.file_name(), static_cast<int>(where.line()), e.what());
    } catch (...) {
        ReportDestructorException(where.file_name(), static_cast<int>(where.line()), nullptr);
    }
}

// Shows the wait cursor for its lifetime and puts the previous cursor back.
class WaitCursor {
public:
    explicit WaitCursor(std::source_location where = std::source_location::current())
        : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))), m_where(where) {}
    ~WaitCursor()
    {
        ReleaseReported(m_where, [this] { SetCursor(m_previous); });
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
    std::source_location m_where;
};

// Turns a window's drawing off for its lifetime, then on again and repaints it: a list
// filled with drawing on draws itself once for every row.
class RedrawOff {
public:
    explicit RedrawOff(HWND hwnd, std::source_location where = std::source_location::current())
        : m_hwnd(hwnd), m_where(where)
    {
        SendMessageA(m_hwnd, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawOff()
    {
        ReleaseReported(m_where, [this] {
            SendMessageA(m_hwnd, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(m_hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        });
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    HWND m_hwnd;
    std::source_location m_where;
};

// Owns a GDI object (bitmap, brush, font...) and deletes it.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object = nullptr,
                       std::source_location where = std::source_location::current())
        : m_object(object), m_where(where) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept
        : m_object(std::exchange(other.m_object, nullptr)), m_where(other.m_where) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_object = std::exchange(other.m_object, nullptr);
            m_where = other.m_where;
        }
        return *this;
    }

    HGDIOBJ Get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    void Reset(HGDIOBJ object = nullptr)
    {
        if (HGDIOBJ old = std::exchange(m_object, object))
            ReleaseReported(m_where, [old] { DeleteObject(old); });
    }

private:
    HGDIOBJ m_object;
    std::source_location m_where;
};

// A memory device context compatible with another one, deleted at the end.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith,
                      std::source_location where = std::source_location::current())
        : m_dc(CreateCompatibleDC(compatibleWith)), m_where(where) {}
    ~MemoryDC()
    {
        if (m_dc)
            ReleaseReported(m_where, [this] { DeleteDC(m_dc); });
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc;
    std::source_location m_where;
};

// Selects an object into a device context and selects the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object,
                   std::source_location where = std::source_location::current())
        : m_dc(dc), m_previous(SelectObject(dc, object)), m_where(where) {}
    ~SelectedObject()
    {
        if (m_previous)
            ReleaseReported(m_where, [this] { SelectObject(m_dc, m_previous); });
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
    std::source_location m_where;
};
