#include "window/form1.h"

#include "commands/setup_click.h"
#include "platform/dpi.h"
#include "platform/error.h"
#include "platform/window_list.h"
#include "window/resource_ids.h"

#include <algorithm>

namespace {

constexpr DWORD formStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD formExStyle = 0;

void registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                                      LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = Form1::className;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        platform::raiseLastError();
    }
}

HFONT createFont(int hundredthsOfPoint, int weight, unsigned dpi)
{
    const int height = -MulDiv(hundredthsOfPoint, static_cast<int>(dpi), 72 * 100);
    const HFONT font = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ARABIC_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, layout::fontFace);
    if (font == nullptr) {
        platform::raiseLastError();
    }
    return font;
}

// Width in pixels of the control's text on one line, measured as the control measures it.
int oneLineTextWidth(HWND control, HFONT font)
{
    wchar_t text[128];
    const int length = GetWindowTextW(control, text, ARRAYSIZE(text));
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT extent{};
    DrawTextW(dc, text, length, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_RTLREADING);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.right - extent.left;
}

}  // namespace

Form1::~Form1()
{
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void Form1::create(HINSTANCE instance, int showCommand)
{
    instance_ = instance;
    registerWindowClass(instance, windowProcedure);
    // Created at the system's default place; the size follows once the monitor's dpi is known.
    if (CreateWindowExW(formExStyle, className, layout::caption, formStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this) == nullptr) {
        platform::raiseLastError();
    }
    const unsigned dpi = platform::windowDpi(window_);
    const SIZE size = platform::windowSizeForClient(platform::twipsToPixels(layout::clientWidth, dpi),
                                                    platform::twipsToPixels(layout::clientHeight, dpi),
                                                    formStyle, formExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    createControls();
    applyDpi(dpi);
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(control(layout::cmdSetupId + 1));
}

bool Form1::optionSelected(int index) const
{
    return SendMessageW(control(layout::option1Id + index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring Form1::optionCaption(int index) const
{
    const HWND option = control(layout::option1Id + index);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(option)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(option, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring Form1::caption() const
{
    if (window_ == nullptr) {
        return lastCaption_;
    }
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form1::close()
{
    if (window_ != nullptr) {
        platform::closeWindow(window_);
    }
}

LRESULT CALLBACK Form1::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->onMessage(window, message, wParam, lParam);
}

LRESULT Form1::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED && (id == layout::cmdSetupId || id == layout::cmdSetupId + 1)) {
            cmdSetup_Click(*this, static_cast<short>(id - layout::cmdSetupId));
            return 0;
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        applyDpi(HIWORD(wParam));
        return 0;
    }
    case WM_DESTROY:
        lastCaption_ = caption();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Form1::createControls()
{
    for (const layout::Control& item : layout::controls) {
        const HWND created = CreateWindowExW(item.exStyle, item.windowClass, item.caption,
                                             WS_CHILD | WS_VISIBLE | item.style, 0, 0, 0, 0, window_,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance_,
                                             nullptr);
        if (created == nullptr) {
            platform::raiseLastError();
        }
    }
    SendMessageW(control(layout::option1Id), BM_SETCHECK, BST_CHECKED, 0);

    // Keyboard navigation follows the z-order: put the controls in tab-index order.
    auto ordered = layout::controls;
    std::stable_sort(ordered.begin(), ordered.end(), [](const layout::Control& a, const layout::Control& b) {
        const auto rank = [](int tabIndex) { return tabIndex == layout::noTabIndex ? 1000 : tabIndex; };
        return rank(a.tabIndex) < rank(b.tabIndex);
    });
    HWND previous = HWND_TOP;
    for (const layout::Control& item : ordered) {
        SetWindowPos(control(item.id), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control(item.id);
    }
}

void Form1::applyDpi(unsigned dpi)
{
    regular1425_ = platform::GdiObject<HFONT>(createFont(layout::fontSize1425, FW_NORMAL, dpi));
    bold1425_ = platform::GdiObject<HFONT>(createFont(layout::fontSize1425, FW_BOLD, dpi));
    bold1275_ = platform::GdiObject<HFONT>(createFont(layout::fontSize1275, FW_BOLD, dpi));

    const auto pixels = [dpi](int twips) { return platform::twipsToPixels(twips, dpi); };
    for (const layout::Control& item : layout::controls) {
        const HWND child = control(item.id);
        int left = pixels(item.left);
        int width = pixels(item.width);
        if (item.font != layout::Font::none) {
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(item.font)), FALSE);
        }
        if (item.id == layout::label1Id) {
            // Label1 is one line. Where the face is wider than planned, the label grows to the
            // left and keeps its right edge, which it shares with the other controls.
            const int needed = oneLineTextWidth(child, fontFor(item.font));
            left -= std::max(0, needed - width);
            width = std::max(width, needed);
        }
        SetWindowPos(child, nullptr, left, pixels(item.top), width, pixels(item.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    const HANDLE banner = LoadImageW(instance_, MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP,
                                     pixels(layout::controls.back().width), pixels(layout::controls.back().height),
                                     LR_CREATEDIBSECTION);
    if (banner == nullptr) {
        platform::raiseLastError();
    }
    const HANDLE replaced = reinterpret_cast<HANDLE>(
        SendMessageW(control(layout::image1Id), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner)));
    if (replaced != nullptr && replaced != banner_.get()) {
        DeleteObject(replaced);
    }
    banner_ = platform::GdiObject<HBITMAP>(static_cast<HBITMAP>(banner));
    InvalidateRect(window_, nullptr, TRUE);
}

HFONT Form1::fontFor(layout::Font font) const
{
    switch (font) {
    case layout::Font::regular1425:
        return regular1425_.get();
    case layout::Font::bold1425:
        return bold1425_.get();
    case layout::Font::bold1275:
        return bold1275_.get();
    case layout::Font::none:
        break;
    }
    return nullptr;
}

LRESULT Form1::onControlColour(HDC dc, HWND child)
{
    // The labels and option buttons sit on the white page.
    const int id = GetDlgCtrlID(child);
    SetBkColor(dc, layout::white);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, id == layout::label2Id ? layout::darkBlue : GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void Form1::onActivate(WPARAM wParam)
{
    // Like a dialog: the control that had the focus gets it back when the window is activated again.
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused != nullptr && IsChild(window_, focused)) {
            focusToRestore_ = focused;
        }
    } else if (focusToRestore_ != nullptr && IsWindow(focusToRestore_)) {
        SetFocus(focusToRestore_);
    }
}
