#include "DesktopNotifier.h"

#include "Artwork.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT trayMessage = WM_APP + 1;
// The size of the window's fields.
constexpr double answerPoints = 9.75;

// The notification area's icon, there for as long as this lives.
class TrayIcon
{
public:
    TrayIcon()
    {
        WNDCLASSW type{};
        type.lpfnWndProc = &TrayIcon::receive;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"QuintrelaLembrete";
        RegisterClassW(&type);
        // A window of its own, never shown, for the area's messages.
        m_window = CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, type.hInstance,
                                   nullptr);
        if (!m_window)
            return;
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_data.cbSize = sizeof m_data;
        m_data.hWnd = m_window;
        m_data.uID = 1;
        m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        m_data.uCallbackMessage = trayMessage;
        // The program's own icon (its resources), else the system's.
        m_data.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        if (!m_data.hIcon)
            m_data.hIcon = LoadIconW(nullptr, IDI_INFORMATION);
        std::wcsncpy(m_data.szTip, L"Quintrela", std::size(m_data.szTip) - 1);
        m_added = Shell_NotifyIconW(NIM_ADD, &m_data);
    }
    ~TrayIcon()
    {
        if (m_added)
            Shell_NotifyIconW(NIM_DELETE, &m_data);
        if (m_window)
            DestroyWindow(m_window);
    }
    TrayIcon(const TrayIcon &) = delete;
    TrayIcon &operator=(const TrayIcon &) = delete;

    bool balloon(const QString &title, const QString &body)
    {
        if (!m_added)
            return false;
        m_data.uFlags = NIF_INFO;
        m_data.dwInfoFlags = NIIF_INFO;
        const std::wstring t = title.left(int(std::size(m_data.szInfoTitle)) - 1).toStdWString();
        const std::wstring b = body.left(int(std::size(m_data.szInfo)) - 1).toStdWString();
        std::wcsncpy(m_data.szInfoTitle, t.c_str(), std::size(m_data.szInfoTitle) - 1);
        std::wcsncpy(m_data.szInfo, b.c_str(), std::size(m_data.szInfo) - 1);
        return Shell_NotifyIconW(NIM_MODIFY, &m_data);
    }

    // Until she clicks the balloon or the icon, or the time is up.
    bool waitForClick(int seconds)
    {
        const ULONGLONG end = GetTickCount64() + ULONGLONG(seconds) * 1000;
        while (!m_clicked && GetTickCount64() < end) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(end - GetTickCount64()), QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return m_clicked;
    }

private:
    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM w, LPARAM l)
    {
        auto *self = reinterpret_cast<TrayIcon *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == trayMessage
            && (LOWORD(l) == NIN_BALLOONUSERCLICK || LOWORD(l) == WM_LBUTTONUP || LOWORD(l) == WM_LBUTTONDBLCLK))
            self->m_clicked = true;
        return DefWindowProcW(window, message, w, l);
    }

    HWND m_window = nullptr;
    NOTIFYICONDATAW m_data{};
    bool m_added = false;
    bool m_clicked = false;
};

} // namespace

namespace DesktopNotifier {

std::unique_ptr<QCoreApplication> application(int &argc, char **argv)
{
    auto app = std::make_unique<QApplication>(argc, argv);
    // Her answer is asked in the program's own face, as its windows are.
    Artwork::loadBundledFonts(QCoreApplication::applicationDirPath());
    return app;
}

// A balloon from the notification area. Balloons carry no buttons: a click
// on it asks her in a box of the program's own.
Outcome notify(const ReminderPlan::Notice &notice, int waitSeconds)
{
    Outcome told;
    TrayIcon icon;
    if (!icon.balloon(notice.title, notice.body))
        return told;
    told.shown = true;
    // A reminder stays a while for her to see it; a question waits for her.
    const bool clicked = icon.waitForClick(notice.actions.isEmpty() ? 10 : waitSeconds);
    if (!clicked || notice.actions.isEmpty())
        return told;
    QMessageBox box(QMessageBox::Question, notice.title, notice.body);
    box.setFont(Artwork::uiFont(answerPoints));
    QList<std::pair<QAbstractButton *, QString>> buttons;
    for (const auto &[key, words] : notice.actions)
        buttons.append({box.addButton(words, QMessageBox::AcceptRole), key});
    box.exec();
    for (const auto &[button, key] : buttons) {
        if (box.clickedButton() == button)
            told.answer = key;
    }
    return told;
}

} // namespace DesktopNotifier
