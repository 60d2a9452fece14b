#pragma once
// A picture the user drags onto a window, as window tools have. While the button is held
// the cursor is a crosshair, the picture is empty and the window the drag would take is
// outlined on screen by a frame window of its own, which leaves nothing behind when it
// moves or goes. Escape, or losing the mouse, ends the drag without taking anything.

#include <windows.h>

#include <functional>

#include "framework/Guards.h"

class WindowFinder {
public:
    struct Events {
        // The window the drag takes for the top-level window under the cursor, or null.
        std::function<HWND(HWND root)> take;
        // The window outlined now (null: none), on every move of the drag and at its end.
        std::function<void(HWND target)> hover;
        // The button went up over a window taken; null when it went up over none, or the
        // drag was given up.
        std::function<void(HWND target)> drop;
    };

    WindowFinder() = default;
    ~WindowFinder();
    WindowFinder(const WindowFinder&) = delete;
    WindowFinder& operator=(const WindowFinder&) = delete;

    // Takes over the dialog's static control `id`, which needs SS_NOTIFY to get the mouse.
    void Attach(HWND dialog, int id, Events events);
    // The picture at rest and while dragging, drawn for the dialog's DPI; the light grey
    // of the images' palette, RGB(222, 225, 230), shows the background.
    void SetPictures(HBITMAP full, HBITMAP empty);

    HWND Hwnd() const { return m_hwnd; }
    bool IsDragging() const { return m_dragging; }
    HWND Target() const { return m_target; }
    // The frame window while it shows, for tests.
    HWND Outline() const { return m_outline; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void BeginDrag();
    void Track();
    void EndDrag(bool take);
    void Paint();
    void ShowOutline(HWND target);
    void HideOutline();

    HWND m_hwnd = nullptr;
    Events m_events;
    GdiObject m_full, m_empty;
    bool m_dragging = false;
    HWND m_target = nullptr;
    HWND m_outline = nullptr;
    HWND m_focusBefore = nullptr;
    HCURSOR m_cursorBefore = nullptr;
};
