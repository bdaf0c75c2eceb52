// The walk over an extended template: its header, then its controls, each on a 4-byte boundary
// (the DLGTEMPLATEEX and DLGITEMTEMPLATEEX layouts).
#include "core/dialog_template.h"

#include <cstddef>
#include <cstring>

namespace core {
namespace {

constexpr std::uint16_t kExtendedSignature = 0xFFFF;
constexpr std::uint32_t kSetFont = 0x40;     // DS_SETFONT: a font follows the title
constexpr std::uint16_t kOrdinal = 0xFFFF;  // a number instead of a string follows

// Reads forward through the bytes; once past their end every read fails.
class Cursor {
public:
    explicit Cursor(const std::vector<std::uint8_t>& bytes) noexcept : m_bytes(bytes) {}
    bool Ok() const noexcept { return m_ok; }
    std::size_t At() const noexcept { return m_at; }

    template <class T>
    T Take() noexcept {
        T value{};
        if (!Skip(sizeof value)) return value;
        std::memcpy(&value, m_bytes.data() + m_at - sizeof value, sizeof value);
        return value;
    }
    bool Skip(std::size_t count) noexcept {
        m_ok = m_ok && count <= m_bytes.size() - m_at;
        if (m_ok) m_at += count;
        return m_ok;
    }
    // A string ended by a zero character.
    void SkipString() noexcept {
        while (m_ok && Take<std::uint16_t>() != 0) {
        }
    }
    // A string, nothing (a zero), or an ordinal (0xFFFF and a number).
    void SkipStringOrOrdinal() noexcept {
        const std::uint16_t first = Take<std::uint16_t>();
        if (first == kOrdinal) Take<std::uint16_t>();
        else if (first != 0) SkipString();
    }
    void AlignTo(std::size_t boundary) noexcept { Skip((boundary - m_at % boundary) % boundary); }

private:
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_at = 0;
    bool m_ok = true;
};

// Where the style of control `id` lies in the bytes, or 0 when there is none.
std::size_t ControlStyleOffset(const std::vector<std::uint8_t>& bytes, std::uint32_t id) {
    Cursor c(bytes);
    c.Take<std::uint16_t>();  // version
    if (c.Take<std::uint16_t>() != kExtendedSignature) return 0;
    c.Skip(2 * sizeof(std::uint32_t));  // help id, extended style
    const auto dialogStyle = c.Take<std::uint32_t>();
    const auto controls = c.Take<std::uint16_t>();
    c.Skip(4 * sizeof(std::int16_t));  // x, y, cx, cy
    c.SkipStringOrOrdinal();           // menu
    c.SkipStringOrOrdinal();           // window class
    c.SkipString();                    // title
    if (dialogStyle & kSetFont) {
        c.Skip(2 * sizeof(std::uint16_t) + 2);  // point size, weight, italic, character set
        c.SkipString();                         // typeface
    }
    for (std::uint16_t i = 0; i < controls && c.Ok(); ++i) {
        c.AlignTo(4);
        c.Skip(2 * sizeof(std::uint32_t));  // help id, extended style
        const std::size_t styleAt = c.At();
        c.Skip(sizeof(std::uint32_t) + 4 * sizeof(std::int16_t));  // style, x, y, cx, cy
        const auto controlId = c.Take<std::uint32_t>();
        c.SkipStringOrOrdinal();  // window class
        c.SkipStringOrOrdinal();  // title
        c.Skip(c.Take<std::uint16_t>());  // creation data
        if (c.Ok() && controlId == id) return styleAt;
    }
    return 0;
}

}  // namespace

bool AddControlStyle(std::vector<std::uint8_t>& bytes, std::uint32_t id, std::uint32_t style) {
    const std::size_t at = ControlStyleOffset(bytes, id);
    if (at == 0) return false;
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    value |= style;
    std::memcpy(bytes.data() + at, &value, sizeof value);
    return true;
}

}  // namespace core
