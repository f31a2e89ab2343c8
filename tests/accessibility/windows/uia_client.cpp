// What a screen reader does first: asks the program's window for its UI
// Automation root (WM_GETOBJECT with UiaRootObjectId), which makes Qt start
// raising events. Usage: uia_client.exe TITLE-PREFIX
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <wchar.h>

static const wchar_t *prefix;
static HWND found;

static BOOL CALLBACK look(HWND window, LPARAM unused)
{
    (void)unused;
    wchar_t title[256];
    if (GetWindowTextW(window, title, 256) && wcsncmp(title, prefix, wcslen(prefix)) == 0) {
        found = window;
        return FALSE;
    }
    return TRUE;
}

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2)
        return 2;
    prefix = argv[1];
    for (int i = 0; i < 100 && !found; ++i) {
        EnumWindows(look, 0);
        if (!found)
            Sleep(100);
    }
    if (!found) {
        fprintf(stderr, "no window\n");
        return 1;
    }
    DWORD_PTR result = 0;
    const LPARAM uiaRootObjectId = -25;
    SendMessageTimeoutW(found, WM_GETOBJECT, 0, uiaRootObjectId, SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
}
