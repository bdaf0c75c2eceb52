// What the tests of the colour and contour dialogs share: the in-place edit box, the colours a cell
// or the picker's preview shows, and answering the dialogs they open (the picker, the platform's
// colour chooser, the data exchange's warnings).
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"
#include "resource.h"

constexpr int kCellEditBox = 1000;  // the in-place edit box, a child of the list

using ListScript = std::function<void(DialogDriver&, const ListView&)>;
// Runs the colour table or the contour dialog; the script sees the dialog and its list, then OK
// is pressed unless the script closed the dialog.
DialogRun RunColourTable(ColourTableVars& vars, const ListScript& script);
DialogRun RunContour(ContourVars& vars, const ListScript& script, ContourExport call = nullptr);

// A window's rectangle in the client coordinates of `in`.
RECT RectIn(HWND window, HWND in);

// Replaces the text of an edit box as the user does: a press at its end, Backspace, typing.
void ReplaceBoxText(DialogDriver& d, int id, const std::wstring& text);

// The base colours, by colour number.
const std::vector<COLORREF>& BaseColours();
// Their names, by colour number: what a swatch or a colour cell of a base colour is read as.
const std::vector<std::wstring>& BaseColourNames();

// Whether most of the cell (inside its outline) shows `colour`.
bool CellShows(const ListView& list, int row, int col, COLORREF colour);
// The colour most of the picker's preview (inside its frame) shows.
bool PreviewShows(const DialogDriver& picker, COLORREF colour);

// The open in-place edit box of the list, or null.
HWND CellEditBox(const ListView& list);
// A press in the middle of a cell; for an edit cell this opens the box.
void ClickCell(DialogDriver& d, const ListView& list, int row, int col);

// How a cell is opened: pressed, or its row focused (a press on its first cell) and a key pressed:
// Space for a colour cell, F2 for a value cell.
enum class Opening { Press, SpaceKey, F2Key };
void OpenCell(DialogDriver& d, const ListView& list, int row, int col, Opening how);

// The dialog the press (or key) on a colour cell opened: the picker or the colour chooser.
HWND OpenColourCell(DialogDriver& d, const ListView& list, int row, int col, Opening how = Opening::Press);

// The colour the platform's chooser shows in its red, green and blue boxes.
COLORREF ChooserColour(const DialogDriver& chooser);
// Types a colour into the chooser's red, green and blue boxes.
void TypeChooserColour(DialogDriver& chooser, COLORREF colour);
// A press on custom colour `index` (0 to 15, row by row) of the chooser.
void ClickCustomColour(DialogDriver& chooser, int index);
// The sixteen custom colours, each read by a press on it.
std::vector<COLORREF> CustomColours(DialogDriver& chooser);
// Puts `colour` into custom colour 0 (the chooser adds into the first custom colour first), from
// a chooser opened in a contour dialog that is then confirmed.
void SetFirstCustomColour(COLORREF colour, ContourExport call = nullptr);
// The custom colours of a chooser opened in a contour dialog, which is then confirmed.
std::vector<COLORREF> ChooserCustomColours(ContourExport call = nullptr);

struct Warning {
    std::wstring title;
    std::wstring text;
};
// Answers with OK every message box the dialog shows from now on, until it shows no more.
std::vector<Warning> AnswerWarnings(DialogDriver& d);
