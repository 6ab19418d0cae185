// CLateBound: a function of a system DLL that is loaded when it is first
// called, not at start. The clock ticks for hours without minimising,
// chiming or opening its options; the DLLs for those (the shell, the common
// dialogs, sound) would only take its memory meanwhile.
#pragma once

#include <windows.h>

#include <type_traits>

template <class Fn>
class CLateBound {
public:
    CLateBound(const wchar_t* module, const char* name) : m_module(module), m_name(name) {}
    CLateBound(const CLateBound&) = delete;
    CLateBound& operator=(const CLateBound&) = delete;
    ~CLateBound()
    {
        if (m_hModule != nullptr)
            FreeLibrary(m_hModule);
    }

    // The function's result, or a zero one (a failure for every function
    // bound here) when the DLL or the function cannot be had.
    template <class... Args>
    auto operator()(Args... args)
    {
        // Through the generic function type, which any other may be cast to.
        if (m_pfn == nullptr && m_hModule == nullptr && (m_hModule = LoadLibraryW(m_module)))
            m_pfn = reinterpret_cast<Fn>(
                reinterpret_cast<void (*)()>(GetProcAddress(m_hModule, m_name)));
        using Result = decltype(m_pfn(args...));
        if (m_pfn != nullptr)
            return m_pfn(args...);
        if constexpr (!std::is_void_v<Result>)
            return Result{};
    }

private:
    const wchar_t* m_module;
    const char* m_name;
    HMODULE m_hModule = nullptr;
    Fn m_pfn = nullptr;
};
