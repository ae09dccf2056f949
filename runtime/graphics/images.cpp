#include "runtime/graphics/images.h"

#include "runtime/base/never_destroyed.h"
#include "runtime/base/numbered_table.h"
#include "runtime/graphics/image_file_layout.h"
#include "runtime/system/owned_handle.h"

#include <cstring>
#include <vector>

namespace {

struct Image {
    OwnedGdiObject bitmap;
    OwnedIcon icon;
    int32_t width = 0;
    int32_t height = 0;
    int32_t depth = 0;
    uint8_t flags = 0;

    HANDLE Handle() const {
        return icon ? static_cast<HANDLE>(icon.Get()) : static_cast<HANDLE>(bitmap.Get());
    }
};

NeverDestroyed<NumberedTable<Image>> g_images;

Image* FindImage(int32_t number) {
    Image* image = g_images->Find(number);
    return image != nullptr && image->Handle() != nullptr ? image : nullptr;
}

int32_t StoreImage(int32_t requested, Image&& image) {
    const int32_t claimed = g_images->Claim(requested);
    if (claimed < 0) {
        return 0;
    }
    HANDLE handle = image.Handle();
    g_images->Store(claimed, std::move(image));
    return CreateResult(requested, claimed, handle);
}

// A top-down-agnostic 32-bit section; its pixels are set afterwards.
HBITMAP CreateSection(HDC dc, int32_t width, int32_t height, int32_t depth) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(depth);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// A new bitmap of the same kind as the image: like the display, or a section of its depth.
HBITMAP CreateLike(const Image& image, int32_t width, int32_t height) {
    const OwnedWindowDc screen = TakeWindowDc(nullptr);
    if (!screen) {
        return nullptr;
    }
    if (image.flags & kDisplayCompatible) {
        return CreateCompatibleBitmap(screen.Get().dc, width, height);
    }
    return CreateSection(screen.Get().dc, width, height, image.depth);
}

bool CopyPicture(HBITMAP from, int32_t fromWidth, int32_t fromHeight, HBITMAP to, int32_t toWidth,
                 int32_t toHeight) {
    OwnedMemoryDc source(CreateCompatibleDC(nullptr));
    OwnedMemoryDc target(CreateCompatibleDC(nullptr));
    if (!source || !target) {
        return false;
    }
    const DcSelection sourceSelection = SelectInto(source.Get(), from);
    const DcSelection targetSelection = SelectInto(target.Get(), to);
    if (!sourceSelection || !targetSelection) {
        return false;
    }
    if (fromWidth == toWidth && fromHeight == toHeight) {
        return BitBlt(target.Get(), 0, 0, toWidth, toHeight, source.Get(), 0, 0, SRCCOPY);
    }
    // HALFTONE averages the source pixels instead of dropping rows and columns.
    SetStretchBltMode(target.Get(), HALFTONE);
    SetBrushOrgEx(target.Get(), 0, 0, nullptr);
    return StretchBlt(target.Get(), 0, 0, toWidth, toHeight, source.Get(), 0, 0, fromWidth,
                      fromHeight, SRCCOPY);
}

bool SizeOfIcon(HICON icon, int32_t& width, int32_t& height, int32_t& depth) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return false;
    }
    OwnedGdiObject colour(info.hbmColor);
    OwnedGdiObject mask(info.hbmMask);
    BITMAP bitmap{};
    if (colour && GetObjectA(colour.Get(), sizeof(bitmap), &bitmap)) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight;
        depth = bitmap.bmBitsPixel;
        return true;
    }
    if (mask && GetObjectA(mask.Get(), sizeof(bitmap), &bitmap)) {
        // A monochrome icon keeps picture and mask one above the other in its mask.
        width = bitmap.bmWidth;
        height = bitmap.bmHeight / 2;
        depth = 1;
        return true;
    }
    return false;
}

int32_t LoadBitmapFile(int32_t number, const uint8_t* data, const BitmapFileLayout& layout) {
    // The header and colour table are copied so the system reads them aligned.
    std::vector<uint32_t> info((layout.infoBytes + 3) / 4);
    std::memcpy(info.data(), data + layout.infoOffset, layout.infoBytes);
    const OwnedWindowDc screen = TakeWindowDc(nullptr);
    if (!screen) {
        return 0;
    }
    const int32_t rows = layout.height < 0 ? -layout.height : layout.height;
    Image image;
    image.bitmap.Reset(CreateSection(screen.Get().dc, layout.width, rows, 32));
    if (!image.bitmap) {
        return 0;
    }
    const int copied = SetDIBits(screen.Get().dc, static_cast<HBITMAP>(image.bitmap.Get()), 0,
                                 static_cast<UINT>(rows), data + layout.pixelOffset,
                                 reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    if (copied <= 0) {
        return 0;
    }
    image.width = layout.width;
    image.height = rows;
    image.depth = 32;
    image.flags = 0;
    return StoreImage(number, std::move(image));
}

int32_t LoadIconFile(int32_t number, const uint8_t* data, const IconFileLayout& layout) {
    Image image;
    image.icon.Reset(CreateIconFromResourceEx(const_cast<PBYTE>(data + layout.imageOffset),
                                              static_cast<DWORD>(layout.imageBytes), TRUE,
                                              0x00030000, 0, 0, LR_DEFAULTCOLOR));
    if (!image.icon || !SizeOfIcon(image.icon.Get(), image.width, image.height, image.depth)) {
        return 0;
    }
    return StoreImage(number, std::move(image));
}

} // namespace

int32_t LoadImageFromMemory(int32_t number, const void* address, size_t size) {
    if (number < kAnyNumber) {
        return 0;
    }
    g_images->Remove(number);
    const auto* data = static_cast<const uint8_t*>(address);
    const BitmapFileLayout bitmap = ReadBitmapFileLayout(data, size);
    if (bitmap.valid) {
        return LoadBitmapFile(number, data, bitmap);
    }
    const IconFileLayout icon = ReadIconFileLayout(data, size);
    if (icon.valid) {
        return LoadIconFile(number, data, icon);
    }
    return 0;
}

HBITMAP ScaleImage(int32_t number, int32_t width, int32_t height) {
    Image* image = FindImage(number);
    if (image == nullptr || width < 1 || height < 1) {
        return nullptr;
    }
    if (width == image->width && height == image->height) {
        return static_cast<HBITMAP>(image->Handle());
    }
    if (image->icon) {
        HICON scaled =
            static_cast<HICON>(CopyImage(image->icon.Get(), IMAGE_ICON, width, height, 0));
        if (scaled == nullptr) {
            return nullptr;
        }
        image->icon.Reset(scaled);
        image->width = width;
        image->height = height;
        return reinterpret_cast<HBITMAP>(scaled);
    }
    OwnedGdiObject scaled(CreateLike(*image, width, height));
    if (!scaled) {
        return nullptr;
    }
    const bool copied =
        CopyPicture(static_cast<HBITMAP>(image->bitmap.Get()), image->width, image->height,
                    static_cast<HBITMAP>(scaled.Get()), width, height);
    if (!copied) {
        g_images->Remove(number);
        return nullptr;
    }
    image->bitmap = std::move(scaled);
    image->width = width;
    image->height = height;
    return static_cast<HBITMAP>(image->bitmap.Get());
}

int32_t CreateBlankImage(int32_t number, int32_t width, int32_t height) {
    if (number < kAnyNumber) {
        return 0;
    }
    g_images->Remove(number);
    if (width < 1 || height < 1) {
        return 0;
    }
    const OwnedWindowDc screen = TakeWindowDc(nullptr);
    if (!screen) {
        return 0;
    }
    Image image;
    image.bitmap.Reset(CreateCompatibleBitmap(screen.Get().dc, width, height));
    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!image.bitmap || !dc) {
        return 0;
    }
    {
        const DcSelection selected = SelectInto(dc.Get(), image.bitmap.Get());
        PatBlt(dc.Get(), 0, 0, width, height, BLACKNESS);
    }
    image.width = width;
    image.height = height;
    image.depth = GetDeviceCaps(screen.Get().dc, BITSPIXEL);
    image.flags = kDisplayCompatible;
    return StoreImage(number, std::move(image));
}

int32_t DuplicateImage(int32_t source, int32_t number) {
    Image* original = FindImage(source);
    if (number < kAnyNumber) {
        return 0;
    }
    if (number != source) {
        g_images->Remove(number);
    }
    if (original == nullptr) {
        return 0;
    }
    // The copy is complete before it takes the number, which may be the source's own.
    Image copy;
    copy.width = original->width;
    copy.height = original->height;
    copy.depth = original->depth;
    copy.flags = original->flags;
    if (original->icon) {
        copy.icon.Reset(CopyIcon(original->icon.Get()));
        if (!copy.icon) {
            return 0;
        }
    } else {
        copy.bitmap.Reset(CreateLike(*original, original->width, original->height));
        if (!copy.bitmap ||
            !CopyPicture(static_cast<HBITMAP>(original->bitmap.Get()), original->width,
                         original->height, static_cast<HBITMAP>(copy.bitmap.Get()), copy.width,
                         copy.height)) {
            return 0;
        }
    }
    return StoreImage(number, std::move(copy));
}

int32_t ImageExists(int32_t number) {
    return FindImage(number) != nullptr ? 1 : 0;
}

HBITMAP ImageBitmapHandle(int32_t number) {
    Image* image = FindImage(number);
    return image != nullptr ? static_cast<HBITMAP>(image->Handle()) : nullptr;
}

int32_t ImageWidth(int32_t number) {
    Image* image = FindImage(number);
    return image != nullptr ? image->width : 0;
}

int32_t ImageHeight(int32_t number) {
    Image* image = FindImage(number);
    return image != nullptr ? image->height : 0;
}

void ReleaseAllImages() {
    g_images->Clear();
}
