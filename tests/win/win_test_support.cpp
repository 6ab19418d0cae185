#include "win_test_support.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include <shellapi.h>

namespace wintest {

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpFor(10);
    }
    return true;
}

namespace {
CDialog* g_scriptedDialog = nullptr;
const std::function<void()>* g_script = nullptr;

void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD)
{
    CDialog* dlg = g_scriptedDialog;
    // The modal loop shows the dialog once its queue runs empty; start only
    // then, as a user would.
    if (dlg->m_hWnd != nullptr && !IsWindowVisible(dlg->m_hWnd))
        return;
    KillTimer(nullptr, id);
    (*g_script)();
    if (dlg->m_hWnd != nullptr)
        DestroyWindow(dlg->m_hWnd);
}
} // namespace

INT_PTR RunModalScript(CDialog& dlg, const std::function<void()>& script)
{
    g_scriptedDialog = &dlg;
    g_script = &script;
    SetTimer(nullptr, 0, 10, &RunScript);
    const INT_PTR result = dlg.DoModal();
    g_scriptedDialog = nullptr;
    g_script = nullptr;
    return result;
}

ScratchDir::ScratchDir()
{
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, buffer);
    m_previous = buffer;
    GetTempPathA(MAX_PATH, buffer);
    static unsigned counter = 0;
    std::ostringstream name;
    name << buffer << "zentim-test-" << GetCurrentProcessId() << "-" << ++counter;
    m_path = name.str();
    CreateDirectoryA(m_path.c_str(), nullptr);
    SetCurrentDirectoryA(m_path.c_str());
}

ScratchDir::~ScratchDir()
{
    SetCurrentDirectoryA(m_previous.c_str());
    // SHFileOperation wants a double-zero-terminated list.
    std::string from = m_path;
    from.push_back('\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

void ScratchDir::Write(const std::string& name, const std::string& content) const
{
    std::ofstream(File(name), std::ios::binary) << content;
}

bool ScratchDir::Read(const std::string& name, std::string* content) const
{
    std::ifstream in(File(name), std::ios::binary);
    if (!in)
        return false;
    content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

} // namespace wintest
