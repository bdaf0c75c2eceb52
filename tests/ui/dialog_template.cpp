// DLGTEMPLATEEX parsing (the layout of the "DLGTEMPLATEEX structure" and "DLGITEMTEMPLATEEX"
// pages: variable-length strings or ordinals, controls aligned on DWORDs).
#include "dialog_template.h"

#include <cstdint>

namespace {

class Reader {
public:
    explicit Reader(const BYTE* at) noexcept : m_at(at) {}
    template <class T>
    T Take() {
        T value;
        memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    std::wstring String() {
        std::wstring text;
        for (wchar_t c = Take<wchar_t>(); c; c = Take<wchar_t>()) text += c;
        return text;
    }
    // A string, or an ordinal (0xFFFF then a number) named through `ordinalName`.
    std::wstring StringOrOrdinal(std::wstring (*ordinalName)(WORD)) {
        WORD first;
        memcpy(&first, m_at, sizeof first);
        if (first == 0) {
            m_at += 2;
            return L"";
        }
        if (first == 0xFFFF) {
            m_at += 2;
            return ordinalName(Take<WORD>());
        }
        return String();
    }
    void AlignDword(const BYTE* base) {
        while ((m_at - base) % 4) ++m_at;
    }
    void Skip(std::size_t bytes) { m_at += bytes; }

private:
    const BYTE* m_at;
};

std::wstring ClassName(WORD ordinal) {
    switch (ordinal) {
    case 0x80: return L"BUTTON";
    case 0x81: return L"EDIT";
    case 0x82: return L"STATIC";
    case 0x83: return L"LISTBOX";
    case 0x84: return L"SCROLLBAR";
    case 0x85: return L"COMBOBOX";
    default: return L"#" + std::to_wstring(ordinal);
    }
}

std::wstring OrdinalText(WORD ordinal) { return L"#" + std::to_wstring(ordinal); }

}  // namespace

DialogTemplate LoadDialogTemplate(HMODULE module, int id, WORD language) {
    DialogTemplate dialog;
    HRSRC resource = FindResourceExW(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */, MAKEINTRESOURCEW(id), language);
    if (!resource) return dialog;
    const auto* base = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    Reader r(base);
    if (r.Take<WORD>() != 1 || r.Take<WORD>() != 0xFFFF) return dialog;  // version 1, extended
    dialog.found = true;
    r.Take<DWORD>();  // help id
    r.Take<DWORD>();  // extended style
    dialog.style = r.Take<DWORD>();
    const WORD count = r.Take<WORD>();
    dialog.rect = RECT{r.Take<short>(), r.Take<short>(), r.Take<short>(), r.Take<short>()};
    r.StringOrOrdinal(&OrdinalText);  // menu
    r.StringOrOrdinal(&OrdinalText);  // class
    dialog.title = r.String();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = r.Take<WORD>();
        r.Take<WORD>();  // weight
        r.Take<BYTE>();  // italic
        r.Take<BYTE>();  // character set
        dialog.font = r.String();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword(base);
        TemplateControl control;
        r.Take<DWORD>();  // help id
        r.Take<DWORD>();  // extended style
        control.style = r.Take<DWORD>();
        control.rect = RECT{r.Take<short>(), r.Take<short>(), r.Take<short>(), r.Take<short>()};
        control.id = static_cast<int>(static_cast<std::int32_t>(r.Take<DWORD>()));
        // Class names are case-insensitive; compilers store them either way.
        control.windowClass = r.StringOrOrdinal(&ClassName);
        CharUpperW(control.windowClass.data());
        control.text = r.StringOrOrdinal(&OrdinalText);
        r.Skip(r.Take<WORD>());  // creation data
        dialog.controls.push_back(control);
    }
    return dialog;
}
