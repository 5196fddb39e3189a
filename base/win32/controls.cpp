#include "base/win32/controls.h"

namespace tarvik {

namespace {
// Reads an item text the control reports the length of first; the control writes the closing
// zero too, which the string's own storage has room for.
template <typename Read>
std::string TextOfLength(LRESULT length, Read read) {
    if (length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    const LRESULT copied = read(text.data());
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}
}  // namespace

std::string Control::Text() const {
    const int length = GetWindowTextLengthA(hwnd_);
    return TextOfLength(
        length, [this, length](char* buffer) { return GetWindowTextA(hwnd_, buffer, length + 1); });
}

void Control::SetFont(HFONT font, bool redraw) const {
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

HFONT Control::Font() const {
    return reinterpret_cast<HFONT>(Send(WM_GETFONT));
}

int ListBox::AddString(const std::string& text) const {
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int ListBox::InsertString(int index, const std::string& text) const {
    return static_cast<int>(
        Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

int ListBox::DeleteString(int index) const {
    return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

int ListBox::Dir(UINT attributes, const std::string& wildcardPath) const {
    return static_cast<int>(
        Send(LB_DIR, attributes, reinterpret_cast<LPARAM>(wildcardPath.c_str())));
}

std::string ListBox::Text(int index) const {
    const auto item = static_cast<WPARAM>(index);
    return TextOfLength(Send(LB_GETTEXTLEN, item), [this, item](char* buffer) {
        return Send(LB_GETTEXT, item, reinterpret_cast<LPARAM>(buffer));
    });
}

std::vector<std::string> ListBox::Texts() const {
    std::vector<std::string> texts;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        texts.push_back(Text(i));
    }
    return texts;
}

int ListBox::FindExact(const std::string& text) const {
    return static_cast<int>(
        Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
}

int ComboBox::AddString(const std::string& text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::string ComboBox::Text(int index) const {
    const auto item = static_cast<WPARAM>(index);
    return TextOfLength(Send(CB_GETLBTEXTLEN, item), [this, item](char* buffer) {
        return Send(CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(buffer));
    });
}

void Trackbar::SetRange(int low, int high, bool redraw) const {
    Send(TBM_SETRANGEMIN, FALSE, low);
    Send(TBM_SETRANGEMAX, redraw ? TRUE : FALSE, high);
}

int RadioGroup::CheckedId() const {
    for (int id = firstId_; id <= lastId_; ++id) {
        if (IsDlgButtonChecked(dialog_, id) == BST_CHECKED) {
            return id;
        }
    }
    return 0;
}

int ListView::InsertColumn(int index, const std::string& heading, int width) const {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(heading.c_str());
    column.cx = width;
    column.iSubItem = index;
    return static_cast<int>(
        Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int ListView::Selection() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string ListView::ItemText(int row, int column) const {
    // The view has no length query: read into a buffer that fits any text it shows.
    std::string text(260, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const LRESULT copied =
        Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

}  // namespace tarvik
