// Sends the program's notification-area icon what Windows sends it when she
// clicks its balloon (Wine draws the balloon but sends nothing on a click).
// Exits 1 when no icon of the program is there.

#include <windows.h>
#include <shellapi.h>

int wmain()
{
    // The program's own window for its icon, and its message (WM_APP + 1).
    const HWND icon = FindWindowExW(HWND_MESSAGE, nullptr, L"QuintrelaLembrete", nullptr);
    if (!icon)
        return 1;
    return PostMessageW(icon, WM_APP + 1, 1, MAKELPARAM(NIN_BALLOONUSERCLICK, 0)) ? 0 : 1;
}
