// CWnd: a window handle with message-map routing, the base of the dialogs.
// CMessageMapEntry and the BEGIN_MESSAGE_MAP / ON_... macros that build a map.
//
// A CWnd never owns its window: the window owns itself and detaches the
// object when it is destroyed, so m_hWnd is null again after WM_NCDESTROY.
#pragma once

#include <windows.h>
#include <windowsx.h>

#include <string>

class CWnd;

// One row of a message map. For WM_COMMAND rows `id` is the command or
// control identifier and `code` the notification code (0 for menu commands
// and for BN_CLICKED alike, as in the system itself); for WM_NOTIFY rows
// the control's identifier and its notification code.
struct CMessageMapEntry {
    UINT message;
    UINT code;
    UINT id;
    LRESULT (*handler)(CWnd* wnd, WPARAM wParam, LPARAM lParam);
};

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // The object attached to hWnd by SubclassWindow, or null.
    static CWnd* FromHandle(HWND hWnd);

    // Binds a control or other window that the object only looks at.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void GetWindowRect(RECT* pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL DestroyWindow() { return ::DestroyWindow(m_hWnd); }
    // Texts are UTF-8, as everywhere in the program.
    void SetDlgItemText(int nID, const std::string& text);
    // The child's whole text, however long.
    std::string GetDlgItemText(int nID) const;

    // Called by the modal loops for every queued message aimed at this
    // window or one of its children, before it is dispatched; TRUE means
    // the message has been dealt with.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND m_hWnd = nullptr;

protected:
    // The class's message map: rows ending in a row whose handler is null.
    virtual const CMessageMapEntry* GetMessageMap() const;
    // Routes a message through the map; unmapped messages go to Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Finds the map row for a message and runs it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Passes the message being handled on to the window's own procedure.
    LRESULT Default();
    // Routes a window created elsewhere (a dialog) through WindowProc.
    void Subclass(HWND hWnd);

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
    MSG m_currentMsg{};
};

// Message maps. The rows are captureless lambdas written inside the class's
// own GetMessageMap, so they may call its private handlers.
#define BEGIN_MESSAGE_MAP(theClass)                                                                \
    const CMessageMapEntry* theClass::GetMessageMap() const                                        \
    {                                                                                              \
        using ThisClass = theClass;                                                                \
        static const CMessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, nullptr                                                                           \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    return entries;                                                                                \
    }

#define AFX_MAP_ROW(message, code, id, body)                                                       \
    { message, code, id, [](CWnd* wnd, WPARAM wParam, LPARAM lParam) -> LRESULT {                  \
         ThisClass* self = static_cast<ThisClass*>(wnd);                                           \
         (void)self;                                                                               \
         (void)wParam;                                                                             \
         (void)lParam;                                                                             \
         body                                                                                      \
     } },

#define AFX_POINT_LPARAM                                                                           \
    POINT { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }

#define ON_WM_PAINT() AFX_MAP_ROW(WM_PAINT, 0, 0, self->OnPaint(); return 0;)
#define ON_WM_ERASEBKGND()                                                                         \
    AFX_MAP_ROW(WM_ERASEBKGND, 0, 0, return self->OnEraseBkgnd(reinterpret_cast<HDC>(wParam));)
#define ON_WM_CLOSE() AFX_MAP_ROW(WM_CLOSE, 0, 0, self->OnClose(); return 0;)
#define ON_WM_TIMER()                                                                              \
    AFX_MAP_ROW(WM_TIMER, 0, 0, self->OnTimer(static_cast<UINT_PTR>(wParam)); return 0;)
#define ON_WM_QUERYDRAGICON()                                                                      \
    AFX_MAP_ROW(WM_QUERYDRAGICON, 0, 0, return reinterpret_cast<LRESULT>(self->OnQueryDragIcon());)
#define ON_WM_LBUTTONDOWN()                                                                        \
    AFX_MAP_ROW(WM_LBUTTONDOWN, 0, 0,                                                              \
                self->OnLButtonDown(static_cast<UINT>(wParam), AFX_POINT_LPARAM);                  \
                return 0;)
#define ON_WM_LBUTTONUP()                                                                          \
    AFX_MAP_ROW(WM_LBUTTONUP, 0, 0,                                                                \
                self->OnLButtonUp(static_cast<UINT>(wParam), AFX_POINT_LPARAM);                    \
                return 0;)
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    AFX_MAP_ROW(WM_LBUTTONDBLCLK, 0, 0,                                                            \
                self->OnLButtonDblClk(static_cast<UINT>(wParam), AFX_POINT_LPARAM);                \
                return 0;)
#define ON_WM_RBUTTONDOWN()                                                                        \
    AFX_MAP_ROW(WM_RBUTTONDOWN, 0, 0,                                                              \
                self->OnRButtonDown(static_cast<UINT>(wParam), AFX_POINT_LPARAM);                  \
                return 0;)
#define ON_WM_MOVE()                                                                               \
    AFX_MAP_ROW(WM_MOVE, 0, 0, self->OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;)
#define ON_WM_SIZE()                                                                               \
    AFX_MAP_ROW(WM_SIZE, 0, 0,                                                                     \
                self->OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));           \
                return 0;)
#define ON_WM_SIZING()                                                                             \
    AFX_MAP_ROW(WM_SIZING, 0, 0,                                                                   \
                self->OnSizing(static_cast<UINT>(wParam), reinterpret_cast<RECT*>(lParam));        \
                return TRUE;)
#define ON_WM_SYSCOMMAND()                                                                         \
    AFX_MAP_ROW(WM_SYSCOMMAND, 0, 0, self->OnSysCommand(static_cast<UINT>(wParam), lParam);        \
                return 0;)
#define ON_MESSAGE(message, memberFn)                                                              \
    AFX_MAP_ROW(message, 0, 0, return self->memberFn(wParam, lParam);)
#define ON_COMMAND(id, memberFn) AFX_MAP_ROW(WM_COMMAND, 0, id, self->memberFn(); return 0;)
#define ON_BN_CLICKED(id, memberFn)                                                                \
    AFX_MAP_ROW(WM_COMMAND, BN_CLICKED, id, self->memberFn(); return 0;)
// The handler gets the notification's header and returns its result.
#define ON_NOTIFY(notifyCode, id, memberFn)                                                        \
    AFX_MAP_ROW(WM_NOTIFY, static_cast<UINT>(notifyCode), id,                                      \
                return self->memberFn(reinterpret_cast<NMHDR*>(lParam));)
// The handler is told which button it was.
#define ON_BN_CLICKED_EX(id, memberFn)                                                             \
    AFX_MAP_ROW(WM_COMMAND, BN_CLICKED, id, self->memberFn(id); return 0;)
#define ON_WM_DRAWITEM()                                                                           \
    AFX_MAP_ROW(                                                                                   \
        WM_DRAWITEM, 0, 0,                                                                         \
        self->OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));    \
        return TRUE;)
