// A stand-in for UIAutomationCore.dll, for the tests' Wine prefix only:
// it says a client listens (as NVDA or Narrator would) and writes the text
// of every UI Automation notification raised, one line each, to the file
// named by QUINTRELA_UIA_LOG. Wine 8's own delivers no events.
#include <windows.h>
#include <oleauto.h>

#define EXPORT extern "C" __declspec(dllexport)

EXPORT LRESULT WINAPI UiaReturnRawElementProvider(HWND window, WPARAM wParam, LPARAM lParam, void *provider)
{
    (void)window; (void)wParam; (void)lParam; (void)provider;
    return 0;
}

EXPORT HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, void **provider)
{
    (void)window;
    if (provider)
        *provider = nullptr;
    return E_NOTIMPL;
}

EXPORT HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(void *provider, int property, VARIANT before, VARIANT after)
{
    (void)provider; (void)property; (void)before; (void)after;
    return S_OK;
}

EXPORT HRESULT WINAPI UiaRaiseAutomationEvent(void *provider, int event)
{
    (void)provider; (void)event;
    return S_OK;
}

EXPORT HRESULT WINAPI UiaRaiseNotificationEvent(void *provider, int kind, int processing, BSTR text, BSTR activity)
{
    (void)provider; (void)kind; (void)processing; (void)activity;
    wchar_t log[MAX_PATH];
    if (!text || !GetEnvironmentVariableW(L"QUINTRELA_UIA_LOG", log, MAX_PATH))
        return S_OK;
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return S_OK;
    char line[8192];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, (int)SysStringLen(text), line, (int)sizeof line - 1, nullptr, nullptr);
    if (n >= 0) {
        line[n++] = '\n';
        DWORD written = 0;
        WriteFile(file, line, (DWORD)n, &written, nullptr);
    }
    CloseHandle(file);
    return S_OK;
}

EXPORT BOOL WINAPI UiaClientsAreListening(void)
{
    return TRUE;
}
