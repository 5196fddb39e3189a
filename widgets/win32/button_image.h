#pragma once
// One picture of an image button, and the grey and darker copies it shows at rest.
#include <windows.h>

#include "base/win32/gdi.h"

namespace tarvik {

// An icon (with its own mask or alpha), or a bitmap with a transparent colour. Owns its handle.
class ButtonImage {
  public:
    ButtonImage() = default;
    static ButtonImage FromIcon(HICON icon);
    static ButtonImage FromBitmap(HBITMAP bitmap, COLORREF transparent);

    // Copies of the same size and transparency; empty when the pixels cannot be read.
    ButtonImage GreyCopy() const;
    ButtonImage DarkerCopy() const;

    bool Empty() const { return !icon_ && !bitmap_; }
    SIZE Size() const { return size_; }
    HICON Icon() const { return icon_.Get(); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    COLORREF Transparent() const { return transparent_; }

    void Draw(HDC dc, int x, int y) const;

  private:
    enum class Tint { kGrey, kDarker };
    ButtonImage TintedCopy(Tint tint) const;
    ButtonImage TintedBitmap(Tint tint) const;
    ButtonImage TintedIcon(Tint tint) const;

    OwnedIcon icon_;
    GdiBitmap bitmap_;
    COLORREF transparent_ = 0;
    SIZE size_{};
};

}  // namespace tarvik
