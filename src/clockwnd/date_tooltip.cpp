#include "clockwnd/date_tooltip.h"

#include "framework/late_bound.h"
#include "framework/text.h"

#include <commctrl.h>

namespace clockwnd {
namespace {

// Wide enough for a long date in any language, so that the three parts
// break only where the text breaks them.
constexpr LPARAM kTipWidth = 600;

TOOLINFOW ToolOf(HWND clock)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // Not subclassing the clock: its modal loop finds it by its window
    // procedure, and the tip is relayed the clock's mouse messages instead.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = clock;
    tool.uId = reinterpret_cast<UINT_PTR>(clock);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

} // namespace

void DateTooltip::Relay(const MSG& message, TextSource text)
{
    if (m_tip == nullptr && message.message == WM_MOUSEMOVE)
        Create(message.hwnd);
    if (m_tip == nullptr)
        return;
    m_text = std::move(text);
    SendMessageW(m_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void DateTooltip::Create(HWND clock)
{
    static CLateBound<decltype(&InitCommonControls)> initCommonControls(L"comctl32.dll",
                                                                        "InitCommonControls");
    initCommonControls();
    m_clock = clock;
    // Not owned by the clock: topmost on its own, it is above it all the
    // same, and a topmost window owned by the clock keeps Wine from putting
    // the clock back into the topmost band once it has left it.
    m_tip = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    if (m_tip == nullptr)
        return;
    TOOLINFOW tool = ToolOf(clock);
    SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
}

void DateTooltip::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom != m_tip || m_tip == nullptr)
        return;
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        m_shown = Widen(m_text ? m_text() : std::string());
        info.lpszText = const_cast<wchar_t*>(m_shown.c_str());
    } else if (header.code == TTN_SHOW) {
        // Whatever the clock's own tick: a clock without its second hand
        // ticks once a minute.
        SetTimer(m_clock, kTimerId, 1000, nullptr);
    } else if (header.code == TTN_POP) {
        KillTimer(m_clock, kTimerId);
    }
}

void DateTooltip::OnTimer()
{
    if (m_tip == nullptr || !IsWindowVisible(m_tip)) {
        KillTimer(m_clock, kTimerId);
        return;
    }
    // The tip asks for its text again.
    TOOLINFOW tool = ToolOf(m_clock);
    SendMessageW(m_tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void DateTooltip::Suspend()
{
    if (m_tip == nullptr)
        return;
    SendMessageW(m_tip, TTM_POP, 0, 0);
    SendMessageW(m_tip, TTM_ACTIVATE, FALSE, 0);
}

void DateTooltip::Resume()
{
    if (m_tip != nullptr)
        SendMessageW(m_tip, TTM_ACTIVATE, TRUE, 0);
}

void DateTooltip::Destroy()
{
    if (m_tip != nullptr && IsWindow(m_tip))
        DestroyWindow(m_tip);
    m_tip = nullptr;
}

} // namespace clockwnd
