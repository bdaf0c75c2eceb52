// CButtonEx: an owner-drawn button whose whole face is one colour: a swatch of the picker. Its
// window text is never drawn; a screen reader reads it as the swatch's name.
#pragma once
#include <windows.h>

#include "platform/wnd.h"

class CButtonEx : public platform::CWnd {
public:
    // Stores the face colour; the button is drawn with it the next time it paints.
    void SetColor(COLORREF color) noexcept { m_color = color; }

    bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;

    COLORREF m_color = 0;

private:
    void DrawItem(const DRAWITEMSTRUCT& item) const;
};
