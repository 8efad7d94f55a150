// The text-input dialog: a small window of our own with a prompt, an edit
// field and "OK", run by its own message loop until it is closed.
#include "DialogGuard_win32.h"

namespace {
constexpr char kClassName[] = "LumarelTextInput";
constexpr char kOkText[] = "OK";

struct TextInput {
    bool done = false;
    bool confirmed = false;
};
TextInput* gInput = nullptr;  // the dialog that is open; one at a time

void Finish(bool confirmed) {
    if (!gInput) return;
    gInput->done = true;
    gInput->confirmed = confirmed;
}

LRESULT CALLBACK TextInputProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) Finish(true);
        return 0;
    case WM_CLOSE: Finish(false); return 0;  // destroyed once the loop has read the field
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND AddChild(HWND parent, const char* className, DWORD exStyle, DWORD style, int x, int y,
              int width, int height, const char* text, int id) {
    HWND hwnd = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                height, parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (hwnd)
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return hwnd;
}

// Enter and Escape anywhere in the dialog end it; everything else is
// handled as usual.
void RunUntilDone(HWND dialog) {
    MSG msg;
    while (!gInput->done) {
        int got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(int(msg.wParam));  // for the loop outside
            Finish(false);
            break;
        }
        bool ours = msg.hwnd == dialog || IsChild(dialog, msg.hwnd);
        if (ours && msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
            Finish(true);
            continue;
        }
        if (ours && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            Finish(false);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
}  // namespace

std::string TextInputDialog(const char* title, const char* prompt, const char* defaultText) {
    if (gInput) return {};
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TextInputProcedure;
    wc.hInstance = module;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return {};

    DialogGuard guard = EnterDialog();
    int x = GetSystemMetrics(SM_CXSCREEN) / 2 - 150;
    int y = GetSystemMetrics(SM_CYSCREEN) / 2 - 65;
    HWND dialog = CreateWindowExA(0, kClassName, title ? title : "", WS_CAPTION | WS_VISIBLE, x, y,
                                  300, 130, guard.owner, nullptr, module, nullptr);
    std::string text;
    if (dialog) {
        TextInput input;
        gInput = &input;
        AddChild(dialog, "Static", 0, SS_SIMPLE, 10, 10, 280, 22, prompt ? prompt : "", 0);
        HWND edit = AddChild(dialog, "Edit", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL | WS_TABSTOP, 10, 32,
                             275, 21, defaultText ? defaultText : "", 0);
        AddChild(dialog, "Button", 0, BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 67, 80, 25, kOkText, IDOK);
        int length = edit ? GetWindowTextLengthA(edit) : 0;
        SendMessageA(edit, EM_SETSEL, length, length);  // the caret at the end
        if (guard.owner) EnableWindow(guard.owner, FALSE);
        SetForegroundWindow(dialog);
        SetFocus(edit);
        RunUntilDone(dialog);
        if (input.confirmed && edit) {
            text.resize(size_t(GetWindowTextLengthA(edit)) + 1);
            text.resize(size_t(GetWindowTextA(edit, text.data(), int(text.size()))));
        }
        // The owner first, so that it becomes the active window again.
        if (guard.owner) EnableWindow(guard.owner, TRUE);
        DestroyWindow(dialog);
        gInput = nullptr;
    }
    LeaveDialog(guard);
    UnregisterClassA(kClassName, module);
    return text;
}
