// A stand-in for UIAutomationCore.dll, for the tests' Wine prefix only:
// it says a client listens (as NVDA or Narrator would) and writes, one line
// each, to the file named by QUINTRELA_UIA_LOG the text of every UI
// Automation notification raised and the name of every element given the
// focus ("UIA focus: …"), which is what a screen reader says first of it,
// marked "(IsPassword)" for a password field; and every value raised as
// changed ("UIA value: …"), which a screen reader would read out.
// Wine 8's own delivers no events.
#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

#define EXPORT extern "C" __declspec(dllexport)

namespace {

constexpr EVENTID focusChangedEvent = 20005; // UIA_AutomationFocusChangedEventId
constexpr PROPERTYID nameProperty = 30005;   // UIA_NamePropertyId
constexpr PROPERTYID passwordProperty = 30019; // UIA_IsPasswordPropertyId
constexpr PROPERTYID valueProperty = 30045;    // UIA_ValueValuePropertyId

void writeLine(const wchar_t *text, int length)
{
    wchar_t log[MAX_PATH];
    if (!text || !GetEnvironmentVariableW(L"QUINTRELA_UIA_LOG", log, MAX_PATH))
        return;
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    char line[8192];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, length, line, (int)sizeof line - 1, nullptr, nullptr);
    if (n >= 0) {
        line[n++] = '\n';
        DWORD written = 0;
        WriteFile(file, line, (DWORD)n, &written, nullptr);
    }
    CloseHandle(file);
}

} // namespace

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
    (void)provider; (void)before;
    if (property != valueProperty || after.vt != VT_BSTR || !after.bstrVal)
        return S_OK;
    wchar_t line[2048] = L"UIA value: ";
    lstrcpynW(line + lstrlenW(line), after.bstrVal, 2000);
    writeLine(line, lstrlenW(line));
    return S_OK;
}

EXPORT HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple *provider, EVENTID event)
{
    if (!provider || event != focusChangedEvent)
        return S_OK;
    wchar_t line[2048] = L"UIA focus: ";
    VARIANT name;
    VariantInit(&name);
    if (SUCCEEDED(provider->GetPropertyValue(nameProperty, &name)) && name.vt == VT_BSTR && name.bstrVal)
        lstrcpynW(line + lstrlenW(line), name.bstrVal, 2000);
    VariantClear(&name);
    VARIANT password;
    VariantInit(&password);
    if (SUCCEEDED(provider->GetPropertyValue(passwordProperty, &password)) && password.vt == VT_BOOL
        && password.boolVal == VARIANT_TRUE)
        lstrcatW(line, L" (IsPassword)");
    VariantClear(&password);
    writeLine(line, lstrlenW(line));
    return S_OK;
}

EXPORT HRESULT WINAPI UiaRaiseNotificationEvent(void *provider, int kind, int processing, BSTR text, BSTR activity)
{
    (void)provider; (void)kind; (void)processing; (void)activity;
    writeLine(text, text ? (int)SysStringLen(text) : 0);
    return S_OK;
}

EXPORT BOOL WINAPI UiaClientsAreListening(void)
{
    return TRUE;
}
