#include "window/form1.h"

#include "commands/setup_click.h"
#include "platform/dpi.h"
#include "platform/error.h"
#include "platform/window_list.h"
#include "window/caption_fit.h"
#include "window/caption_text.h"
#include "window/default_while_focused.h"
#include "window/fonts.h"
#include "window/page_colours.h"
#include "window/painted_label.h"
#include "window/painted_option.h"
#include "window/resource_ids.h"

#include <algorithm>

namespace {

constexpr DWORD formStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD formExStyle = WS_EX_RTLREADING;

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
    // The page's brush follows the system's colours: the window gives it to the class (page_colours).
    windowClass.lpszClassName = Form1::className;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        platform::raiseLastError();
    }
}

size_t indexOf(int id)
{
    return static_cast<size_t>(layout::find(id) - layout::controls.data());
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
    colours_ = page::applyTo(window_);
    const unsigned dpi = platform::windowDpi(window_);
    const SIZE size = platform::windowSizeForClient(platform::twipsToPixels(layout::clientWidth, dpi),
                                                    platform::twipsToPixels(layout::clientHeight, dpi),
                                                    formStyle, formExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    createControls();
    applyScaled(loadScaled(dpi));
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(control(layout::exitButtonId));
}

bool Form1::optionSelected(int index) const
{
    return SendMessageW(control(layout::option1Id + index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring Form1::optionCaption(int index) const
{
    return captions::textOf(control(layout::option1Id + index));
}

std::wstring Form1::caption() const
{
    return window_ != nullptr ? captions::textOf(window_) : lastCaption_;
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
    if (form != nullptr) {
        // No exception may unwind through the system's frames above this one.
        try {
            return form->onMessage(window, message, wParam, lParam);
        } catch (...) {
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED && (id == layout::installButtonId || id == layout::exitButtonId)) {
            cmdSetup_Click(*this, static_cast<short>(id - layout::installButtonId));
            return 0;
        }
        break;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const layout::Control* item = layout::find(static_cast<int>(header->idFrom));
        if (header->code == NM_CUSTOMDRAW && item != nullptr && item->drawing == layout::Drawing::optionBesideMark) {
            return captions::paintOption(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam), scaled_.dpi);
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_QUERYENDSESSION:
        return sessionEnd_.allowsEnd() ? TRUE : FALSE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        onColoursChanged();
        break;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        lastCaption_ = caption();
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
    SendMessageW(control(layout::option1Id + commands::option32), BM_SETCHECK, BST_CHECKED, 0);
    for (const layout::Control& item : layout::controls) {
        if (item.drawing == layout::Drawing::oneLine || item.drawing == layout::Drawing::brokenIntoLines) {
            captions::replaceLabelProcedure(control(item.id), item.drawing);
        } else if (layout::isPushButton(item)) {
            buttons::makeDefaultWhileFocused(control(item.id));
        }
    }

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

Form1::Scaled Form1::loadScaled(unsigned dpi) const
{
    Scaled scaled;
    scaled.dpi = dpi;
    const auto pixels = [dpi](int twips) { return platform::twipsToPixels(twips, dpi); };
    // Where the face needs more room than planned, a caption takes it as its entry allows; a
    // control below a caption's second line moves down by as much.
    std::array<int, layout::controls.size()> secondLineHeights{};
    for (size_t i = 0; i < layout::controls.size(); ++i) {
        const layout::Control& item = layout::controls[i];
        RECT box{pixels(item.left()), pixels(item.top), pixels(item.right), pixels(item.top + item.height)};
        if (item.growth.way != layout::Growth::Way::none) {
            captions::FittedCaption fitted = captions::fitCaption(control(item.id), item, box, dpi);
            box = fitted.box;
            scaled.fonts[i] = std::move(fitted.font);
            secondLineHeights[i] = fitted.secondLineHeight;
        } else if (item.font.size != 0) {
            scaled.fonts[i] = captions::createFont(captions::fontHeight(item.font.size, dpi), item.font.weight);
        }
        scaled.boxes[i] = box;
    }
    for (size_t i = 0; i < layout::controls.size(); ++i) {
        if (layout::controls[i].belowSecondLineOf != layout::noControl) {
            OffsetRect(&scaled.boxes[i], 0, secondLineHeights[indexOf(layout::controls[i].belowSecondLineOf)]);
        }
    }

    const layout::Control& image = *layout::find(layout::image1Id);
    const HANDLE banner = LoadImageW(instance_, MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, pixels(image.width),
                                     pixels(image.height), LR_CREATEDIBSECTION);
    if (banner == nullptr) {
        platform::raiseLastError();
    }
    scaled.banner = platform::GdiObject<HBITMAP>(static_cast<HBITMAP>(banner));
    return scaled;
}

void Form1::onDpiChanged(unsigned dpi, const RECT& suggested)
{
    Scaled scaled;
    try {
        scaled = loadScaled(dpi);
    } catch (...) {
        // Nothing changes: the window stays usable with its old fonts, banner and size.
        return;
    }
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    applyScaled(std::move(scaled));
}

void Form1::applyScaled(Scaled scaled)
{
    // The old fonts and banner go when this returns, once no control uses them any more.
    std::swap(scaled_, scaled);
    for (size_t i = 0; i < layout::controls.size(); ++i) {
        const layout::Control& item = layout::controls[i];
        const HWND child = control(item.id);
        if (scaled_.fonts[i].valid()) {
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled_.fonts[i].get()), FALSE);
        }
        const RECT& box = scaled_.boxes[i];
        SetWindowPos(child, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const auto replaced = reinterpret_cast<HBITMAP>(SendMessageW(
        control(layout::image1Id), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled_.banner.get())));
    // A copy that the control made of the old banner is the program's to delete.
    const platform::GdiObject<HBITMAP> copy(replaced != scaled.banner.get() ? replaced : nullptr);
    InvalidateRect(window_, nullptr, TRUE);
}

void Form1::onColoursChanged()
{
    // The user changed theme or colours: the page and its captions take the readable pair again.
    colours_ = page::applyTo(window_);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT Form1::onControlColour(HDC dc, HWND child)
{
    // The labels and option buttons sit on the page.
    const layout::Control* item = layout::find(GetDlgCtrlID(child));
    SetBkColor(dc, colours_.page);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours_.caption(item != nullptr ? item->textColour : layout::systemTextColour));
    return static_cast<LRESULT>(GetClassLongPtrW(window_, GCLP_HBRBACKGROUND));
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
