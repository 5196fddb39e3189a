#include "widgets/win32/button_image.h"

#include "widgets/button_colors.h"

namespace tarvik {

namespace {

constexpr DibPixel kColorBits = 0x00FFFFFFu;

DibPixel Tinted(DibPixel pixel, bool grey) {
    int red = static_cast<int>((pixel >> 16) & 0xFF);
    int green = static_cast<int>((pixel >> 8) & 0xFF);
    int blue = static_cast<int>(pixel & 0xFF);
    if (grey) {
        red = green = blue = GreyLevel(red, green, blue);
    } else {
        red = DarkerLevel(red);
        green = DarkerLevel(green);
        blue = DarkerLevel(blue);
    }
    // Alpha stays: an icon keeps its soft edges.
    return (pixel & ~kColorBits) | (static_cast<DibPixel>(red) << 16) |
           (static_cast<DibPixel>(green) << 8) | static_cast<DibPixel>(blue);
}

}  // namespace

ButtonImage ButtonImage::FromIcon(HICON icon) {
    ButtonImage image;
    if (!icon) {
        return image;
    }
    image.icon_.Reset(icon);
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
        GdiBitmap color(info.hbmColor);
        GdiBitmap mask(info.hbmMask);
        if (color) {
            image.size_ = BitmapSize(color.Get());
        } else {
            // A monochrome icon keeps its AND and XOR masks one above the other.
            image.size_ = BitmapSize(mask.Get());
            image.size_.cy /= 2;
        }
    }
    return image;
}

ButtonImage ButtonImage::FromBitmap(HBITMAP bitmap, COLORREF transparent) {
    ButtonImage image;
    image.bitmap_.Reset(bitmap);
    image.transparent_ = transparent;
    image.size_ = BitmapSize(bitmap);
    return image;
}

ButtonImage ButtonImage::GreyCopy() const {
    return TintedCopy(Tint::kGrey);
}
ButtonImage ButtonImage::DarkerCopy() const {
    return TintedCopy(Tint::kDarker);
}

ButtonImage ButtonImage::TintedCopy(Tint tint) const {
    if (bitmap_) {
        return TintedBitmap(tint);
    }
    return icon_ ? TintedIcon(tint) : ButtonImage{};
}

ButtonImage ButtonImage::TintedBitmap(Tint tint) const {
    DibImage pixels = ReadDibPixels(bitmap_.Get());
    if (pixels.Empty()) {
        return {};
    }
    const DibPixel key = DibPixelOf(transparent_);
    for (DibPixel& pixel : pixels.pixels) {
        if ((pixel & kColorBits) == key) {
            continue;  // transparent stays transparent
        }
        pixel = Tinted(pixel, tint == Tint::kGrey);
        if ((pixel & kColorBits) == key) {
            pixel ^= 1;  // a visible pixel must not turn into the key colour
        }
    }
    GdiBitmap copy = MakeDibSection(pixels);
    return copy ? FromBitmap(copy.Release(), transparent_) : ButtonImage{};
}

ButtonImage ButtonImage::TintedIcon(Tint tint) const {
    ICONINFO info{};
    if (!GetIconInfo(icon_.Get(), &info)) {
        return {};
    }
    GdiBitmap color(info.hbmColor);
    GdiBitmap mask(info.hbmMask);
    if (!color) {
        // Black and white already; a plain copy is as grey (and as dark) as it gets.
        return FromIcon(CopyIcon(icon_.Get()));
    }
    DibImage pixels = ReadDibPixels(color.Get());
    if (pixels.Empty()) {
        return {};
    }
    for (DibPixel& pixel : pixels.pixels) {
        pixel = Tinted(pixel, tint == Tint::kGrey);
    }
    GdiBitmap copy = MakeDibSection(pixels);
    if (!copy) {
        return {};
    }
    // The same mask: the copy is transparent exactly where the original is.
    ICONINFO made{};
    made.fIcon = TRUE;
    made.hbmMask = mask.Get();
    made.hbmColor = copy.Get();
    return FromIcon(CreateIconIndirect(&made));
}

void ButtonImage::Draw(HDC dc, int x, int y) const {
    if (icon_) {
        DrawIconEx(dc, x, y, icon_.Get(), size_.cx, size_.cy, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!bitmap_) {
        return;
    }
    MemoryDc source(CreateCompatibleDC(dc));
    if (!source) {
        return;
    }
    SelectionGuard selected(source.Get(), bitmap_.Get());
    TransparentBlt(dc, x, y, size_.cx, size_.cy, source.Get(), 0, 0, size_.cx, size_.cy,
                   transparent_);
}

}  // namespace tarvik
