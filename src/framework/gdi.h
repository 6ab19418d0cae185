// Owners for GDI objects and device contexts:
//   CGdiObject<H> (CPen, CBrush, CFont, CRgn, CBitmap) deletes its object;
//   CSelectObject selects an object into a DC and puts the old one back;
//   CClientDC, CPaintDC and CMemDC release or delete their DC.
// Every owner moves but never copies, and a selector always dies before the
// object it selected, so nothing is deleted while selected.
#pragma once

#include <windows.h>

#include <utility>

template <class Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle h) : m_h(h) {}
    CGdiObject(CGdiObject&& other) noexcept : m_h(std::exchange(other.m_h, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        std::swap(m_h, other.m_h);
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject()
    {
        if (m_h != nullptr)
            DeleteObject(m_h);
    }

    operator Handle() const { return m_h; }
    // Gives the object away, to a window region for instance.
    Handle Detach() { return std::exchange(m_h, nullptr); }

private:
    Handle m_h = nullptr;
};

using CPen = CGdiObject<HPEN>;
using CBrush = CGdiObject<HBRUSH>;
using CFont = CGdiObject<HFONT>;
using CRgn = CGdiObject<HRGN>;
using CBitmap = CGdiObject<HBITMAP>;

class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(SelectObject(dc, obj)) {}
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    ~CSelectObject()
    {
        if (m_old != nullptr && m_old != HGDI_ERROR)
            SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

class CClientDC {
public:
    explicit CClientDC(HWND wnd) : m_wnd(wnd), m_dc(GetDC(wnd)) {}
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    ~CClientDC()
    {
        if (m_dc != nullptr)
            ReleaseDC(m_wnd, m_dc);
    }
    operator HDC() const { return m_dc; }

private:
    HWND m_wnd;
    HDC m_dc;
};

class CPaintDC {
public:
    explicit CPaintDC(HWND wnd) : m_wnd(wnd), m_dc(BeginPaint(wnd, &m_ps)) {}
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC() { EndPaint(m_wnd, &m_ps); }
    operator HDC() const { return m_dc; }

private:
    HWND m_wnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// A memory DC compatible with another DC.
class CMemDC {
public:
    explicit CMemDC(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {}
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
    ~CMemDC()
    {
        if (m_dc != nullptr)
            DeleteDC(m_dc);
    }
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};
