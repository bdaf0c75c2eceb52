// CButtonEx: an owner-drawn button whose whole face is one colour: a swatch of the picker. It
// shows the keyboard focus, and hands the arrow keys to its owner, which moves the focus. Its
// window text is never drawn; a screen reader reads it as the swatch's name.
#pragma once
#include <windows.h>

#include <functional>

#include "platform/wnd.h"

class CButtonEx : public platform::CWnd {
public:
    // Stores the face colour; the button is drawn with it the next time it paints.
    void SetColor(COLORREF color) noexcept { m_color = color; }

    bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;

    COLORREF m_color = 0;
    // Called with VK_LEFT, VK_RIGHT, VK_UP or VK_DOWN pressed on the focused button.
    std::function<void(UINT)> m_onArrowKey;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item) const;
};
