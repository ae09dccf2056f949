#include "gui_test_support.h"

#include "installer/payload.h"
#include "runtime/app_windows.h"
#include "runtime/drawing.h"
#include "runtime/fonts.h"
#include "runtime/gadgets.h"
#include "runtime/image_file_layout.h"
#include "runtime/images.h"
#include "runtime/owned_handle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kRed = 0x0000FF;

const PayloadItem& Picture() {
    return PayloadItemAt(kDialogPictureItem);
}

uint32_t U32At(const unsigned char* p) {
    return static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<uint32_t>(p[3]) << 24;
}

// The image's pixels top-down as 0x00RRGGBB.
std::vector<uint32_t> PixelsOf(int32_t image) {
    return guitest::PixelsOfBitmap(ImageBitmapHandle(image), ImageWidth(image), ImageHeight(image));
}

class ImageTest : public ::testing::Test {
  protected:
    void TearDown() override {
        EndDrawing();
        ReleaseAllImages();
        DestroyAppWindow(1);
        guitest::DrainEvents();
    }
};

TEST_F(ImageTest, CarriedSidePictureLoadsAsTrueColourWithTheFilesPaletteColours) {
    const PayloadItem& file = Picture();
    ASSERT_EQ(file.size, 34678);
    const int32_t result = LoadImageFromMemory(1, file.bytes, static_cast<size_t>(file.size));
    ASSERT_NE(result, 0);
    EXPECT_EQ(result, static_cast<int32_t>(reinterpret_cast<intptr_t>(ImageBitmapHandle(1))));
    EXPECT_EQ(ImageWidth(1), 110);
    EXPECT_EQ(ImageHeight(1), 300);
    EXPECT_EQ(ImageDepth(1), 32);
    BITMAP bitmap{};
    ASSERT_NE(GetObjectA(ImageBitmapHandle(1), sizeof bitmap, &bitmap), 0);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);

    const unsigned char* bytes = file.bytes;
    const uint32_t pixelOffset = U32At(bytes + 10);
    const unsigned char* palette = bytes + 14 + U32At(bytes + 14);
    const std::vector<uint32_t> pixels = PixelsOf(1);
    int mismatches = 0;
    for (int y = 0; y < 300; ++y) {
        const unsigned char* row = bytes + pixelOffset + (299 - y) * 112; // stored bottom-up
        for (int x = 0; x < 110; ++x) {
            const unsigned char* entry = palette + 4 * row[x];
            const uint32_t wanted = entry[2] << 16 | entry[1] << 8 | entry[0];
            mismatches += pixels[static_cast<size_t>(y) * 110 + x] != wanted ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(ImageTest, ScalingToTheSameSizeKeepsTheHandle) {
    ASSERT_NE(LoadImageFromMemory(1, Picture().bytes, Picture().size), 0);
    HBITMAP before = ImageBitmapHandle(1);
    EXPECT_EQ(ScaleImage(1, 110, 300), before);
    EXPECT_EQ(ImageBitmapHandle(1), before);
    EXPECT_EQ(ScaleImage(9, 110, 300), nullptr);
}

TEST_F(ImageTest, DataThatIsNoAcceptedPictureLeavesTheNumberFree) {
    const char garbage[] = "GIF89a this is no bitmap at all, nor an icon";
    EXPECT_EQ(LoadImageFromMemory(5, garbage, sizeof garbage), 0);
    EXPECT_EQ(ImageExists(5), 0);
    EXPECT_EQ(LoadImageFromMemory(-1, garbage, sizeof garbage), 0);
    // The carried picture cut short by one byte is refused as a whole.
    EXPECT_EQ(LoadImageFromMemory(5, Picture().bytes, Picture().size - 1), 0);
    EXPECT_EQ(ImageExists(5), 0);
    EXPECT_EQ(LoadImageFromMemory(5, nullptr, 0), 0);
}

TEST(BitmapFileLayout, OnlyFilesWhosePartsLieInsideTheDataAreAccepted) {
    const std::vector<unsigned char> good(Picture().bytes, Picture().bytes + Picture().size);
    const BitmapFileLayout layout = ReadBitmapFileLayout(good.data(), good.size());
    ASSERT_TRUE(layout.valid);
    EXPECT_EQ(layout.width, 110);
    EXPECT_EQ(layout.height, 300);
    EXPECT_EQ(layout.pixelOffset, 1078u);
    EXPECT_EQ(layout.infoBytes, 40u + 1024u);
    EXPECT_EQ(layout.pixelBytes, 112u * 300u);

    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        int bytes;
    };
    const Case broken[] = {
        {"not BM", 0, 'X', 1},
        {"pixel data beyond the end", 10, 1100, 4},
        {"pixel data inside the header", 10, 20, 4},
        {"header size too small", 14, 12, 4},
        {"header size beyond the end", 14, 40000, 4},
        {"width zero", 18, 0, 4},
        {"width negative", 18, 0xFFFFFFF0u, 4},
        {"height too big for the data", 22, 301, 4},
        {"two planes", 26, 2, 2},
        {"seven bits per pixel", 28, 7, 2},
        {"unknown compression", 30, 4, 4},
        {"more colours than 8 bits hold", 46, 257, 4},
    };
    for (const Case& c : broken) {
        std::vector<unsigned char> data = good;
        for (int i = 0; i < c.bytes; ++i) {
            data[c.at + i] = static_cast<unsigned char>(c.value >> (8 * i));
        }
        EXPECT_FALSE(ReadBitmapFileLayout(data.data(), data.size()).valid) << c.what;
    }
    // Stored top-down: same size of data, negative height.
    std::vector<unsigned char> topDown = good;
    const uint32_t minus300 = static_cast<uint32_t>(-300);
    std::memcpy(topDown.data() + 22, &minus300, 4);
    EXPECT_TRUE(ReadBitmapFileLayout(topDown.data(), topDown.size()).valid);
    for (size_t size : {size_t{0}, size_t{13}, size_t{53}, good.size() - 1}) {
        EXPECT_FALSE(ReadBitmapFileLayout(good.data(), size).valid) << size;
    }
}

// A 2 x 2 icon file with one 32-bit picture.
std::vector<unsigned char> SmallIconFile() {
    std::vector<unsigned char> file(6 + 16 + 40 + 2 * 2 * 4 + 2 * 4, 0);
    file[2] = 1; // type icon
    file[4] = 1; // one picture
    unsigned char* entry = file.data() + 6;
    entry[0] = 2;
    entry[1] = 2;
    entry[4] = 1;
    entry[6] = 32;
    const uint32_t bytes = 40 + 16 + 8, offset = 22;
    std::memcpy(entry + 8, &bytes, 4);
    std::memcpy(entry + 12, &offset, 4);
    unsigned char* info = file.data() + offset;
    const uint32_t headerSize = 40, width = 2, height = 4;
    std::memcpy(info, &headerSize, 4);
    std::memcpy(info + 4, &width, 4);
    std::memcpy(info + 8, &height, 4);
    info[12] = 1;
    info[14] = 32;
    for (int i = 0; i < 16; i += 4) {
        info[40 + i + 2] = 0xFF; // red, opaque
        info[40 + i + 3] = 0xFF;
    }
    return file;
}

TEST_F(ImageTest, IconFileImageBecomesAnIconSizedByItsColourBitmap) {
    const std::vector<unsigned char> icon = SmallIconFile();
    ASSERT_TRUE(ReadIconFileLayout(icon.data(), icon.size()).valid);
    EXPECT_FALSE(ReadIconFileLayout(icon.data(), icon.size() - 1).valid);
    const int32_t number = LoadImageFromMemory(-1, icon.data(), icon.size());
    ASSERT_NE(number, 0);
    EXPECT_EQ(ImageWidth(number), 2);
    EXPECT_EQ(ImageHeight(number), 2);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(ImageBitmapHandle(number)), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(ImageTest, BlankImageIsBlackAndAsDeepAsTheDisplay) {
    const int32_t number = CreateBlankImage(-1, 20, 10);
    ASSERT_GE(number, 0x10000);
    EXPECT_EQ(ImageExists(number), 1);
    WindowDc screen(nullptr);
    EXPECT_EQ(ImageDepth(number), GetDeviceCaps(screen.Get(), BITSPIXEL));
    for (uint32_t pixel : PixelsOf(number)) {
        ASSERT_EQ(pixel, 0u);
    }
    EXPECT_EQ(CreateBlankImage(2, 0, 10), 0);
    EXPECT_EQ(ImageExists(2), 0);
}

TEST_F(ImageTest, DuplicateIsAnIndependentCopyEvenOntoItsOwnNumber) {
    ASSERT_NE(LoadImageFromMemory(1, Picture().bytes, Picture().size), 0);
    ASSERT_NE(DuplicateImage(1, 3), 0);
    EXPECT_NE(ImageBitmapHandle(3), ImageBitmapHandle(1));
    EXPECT_EQ(ImageDepth(3), 32);
    EXPECT_EQ(PixelsOf(3), PixelsOf(1));
    const std::vector<uint32_t> original = PixelsOf(1);
    ASSERT_NE(DuplicateImage(1, 1), 0);
    EXPECT_EQ(PixelsOf(1), original);
    EXPECT_EQ(DuplicateImage(8, 4), 0);
    EXPECT_EQ(ImageExists(4), 0);
}

// Whether this system's StretchBlt averages in HALFTONE mode (Wine 8 drops pixels instead).
bool SystemHalftoneAverages() {
    WindowDc screen(nullptr);
    OwnedGdiObject source(CreateCompatibleBitmap(screen.Get(), 2, 1));
    OwnedGdiObject target(CreateCompatibleBitmap(screen.Get(), 1, 1));
    OwnedMemoryDc from(CreateCompatibleDC(nullptr));
    OwnedMemoryDc to(CreateCompatibleDC(nullptr));
    HGDIOBJ oldFrom = SelectObject(from.Get(), source.Get());
    HGDIOBJ oldTo = SelectObject(to.Get(), target.Get());
    SetPixelV(from.Get(), 0, 0, RGB(0, 0, 0));
    SetPixelV(from.Get(), 1, 0, RGB(255, 255, 255));
    SetStretchBltMode(to.Get(), HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    StretchBlt(to.Get(), 0, 0, 1, 1, from.Get(), 0, 0, 2, 1, SRCCOPY);
    const int red = GetRValue(GetPixel(to.Get(), 0, 0));
    SelectObject(from.Get(), oldFrom);
    SelectObject(to.Get(), oldTo);
    return red > 60 && red < 200;
}

TEST_F(ImageTest, ScalingAveragesThePixelsInsteadOfDroppingThem) {
    // Both kinds of image: a 32-bit section (the loaded picture) and a display bitmap.
    ASSERT_NE(LoadImageFromMemory(0, Picture().bytes, Picture().size), 0);
    ASSERT_NE(CreateBlankImage(1, 110, 300), 0);
    const bool averages = SystemHalftoneAverages();
    for (int32_t image : {0, 1}) {
        ASSERT_NE(BeginImageDrawing(image), 0);
        FillBox(0, 0, 110, 300, 0);
        for (int x = 0; x < 110; x += 2) {
            FillBox(x, 0, 1, 300, kWhite); // one-pixel white columns between black ones
        }
        EndDrawing();
        const std::vector<uint32_t> striped = PixelsOf(image);
        ASSERT_EQ(striped[5 * 110 + 0], 0xFFFFFFu);
        ASSERT_EQ(striped[5 * 110 + 1], 0u);
        const int32_t depth = ImageDepth(image);
        ASSERT_NE(ScaleImage(image, 55, 150), nullptr);
        EXPECT_EQ(ImageWidth(image), 55);
        EXPECT_EQ(ImageHeight(image), 150);
        EXPECT_EQ(ImageDepth(image), depth);
        const uint32_t middle = PixelsOf(image)[75 * 55 + 27];
        const int red = (middle >> 16) & 0xFF;
        if (averages) {
            EXPECT_GT(red, 60) << image << ": " << std::hex << middle;
            EXPECT_LT(red, 200) << image << ": " << std::hex << middle;
        } else {
            EXPECT_TRUE(red == 0 || red == 255) << image << ": " << std::hex << middle;
        }
    }
}

TEST_F(ImageTest, OneByOneBoxChangesExactlyOnePixel) {
    ASSERT_NE(CreateBlankImage(0, 20, 20), 0);
    ASSERT_NE(BeginImageDrawing(0), 0);
    EXPECT_EQ(FillBox(5, 7, 1, 1, kWhite), 1);
    SetDrawingMode(kDrawXor);
    EXPECT_EQ(FillBox(5, 7, 1, 1, kRed), 1); // white XOR red leaves green and blue
    EndDrawing();
    const std::vector<uint32_t> pixels = PixelsOf(0);
    int changed = 0;
    for (uint32_t pixel : pixels) {
        changed += pixel != 0 ? 1 : 0;
    }
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(pixels[7 * 20 + 5], 0x00FFFFu);
}

TEST_F(ImageTest, BoxModesFillOutlineAndXor) {
    ASSERT_NE(CreateBlankImage(0, 20, 20), 0);
    ASSERT_NE(BeginImageDrawing(0), 0);
    SetDrawingMode(kDrawOutlineOnly);
    FillBox(0, 0, 10, 10, kRed);
    SetDrawingMode(0);
    FillBox(10, 10, 10, 10, kRed);
    SetDrawingMode(kDrawXor);
    FillBox(15, 15, 5, 5, kRed);
    EndDrawing();
    const std::vector<uint32_t> pixels = PixelsOf(0);
    EXPECT_EQ(pixels[0], 0xFF0000u);            // outline
    EXPECT_EQ(pixels[5 * 20 + 5], 0u);          // inside the outline
    EXPECT_EQ(pixels[12 * 20 + 12], 0xFF0000u); // filled
    EXPECT_EQ(pixels[17 * 20 + 17], 0u);        // red XOR red
}

TEST_F(ImageTest, TransparentTextLeavesThePixelsBetweenTheLettersUnchanged) {
    ASSERT_NE(CreateFontObject(0, "Arial", 24, kFontBold), 0);
    for (int32_t mode : {kDrawTransparentText, 0}) {
        ASSERT_NE(CreateBlankImage(0, 200, 60), 0);
        ASSERT_NE(BeginImageDrawing(0), 0);
        FillBox(0, 0, 200, 60, kRed);
        SetDrawingFont(FontObjectHandle(0));
        SetDrawingMode(mode);
        const int32_t after = DrawTextAt(10, 10, "Setup", kWhite);
        EndDrawing();
        EXPECT_GT(after, 40);
        EXPECT_LT(after, 200);
        const std::vector<uint32_t> pixels = PixelsOf(0);
        int red = 0, white = 0, other = 0;
        for (int y = 10; y < 40; ++y) {
            for (int x = 10; x < after; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * 200 + x];
                red += p == 0xFF0000u ? 1 : 0;
                white += p == 0xFFFFFFu ? 1 : 0;
                other += (p != 0xFF0000u && p != 0xFFFFFFu) ? 1 : 0;
            }
        }
        EXPECT_GT(white, 50) << mode;
        if (mode == kDrawTransparentText) {
            EXPECT_GT(red, white) << "the red ground shows between the letters";
        } else {
            EXPECT_LT(red, 10) << "an opaque text cell covers the ground";
        }
    }
}

TEST_F(ImageTest, DrawingWithoutABegunDrawingDoesNothing) {
    EXPECT_EQ(BeginImageDrawing(42), 0);
    EXPECT_EQ(FillBox(0, 0, 1, 1, kWhite), 0);
    EXPECT_EQ(DrawTextAt(0, 0, "x", kWhite), 0);
    ASSERT_NE(CreateBlankImage(0, 10, 10), 0);
    ASSERT_NE(BeginImageDrawing(0), 0);
    EXPECT_EQ(DrawTextAt(3, 4, "", kWhite), 3);
}

TEST_F(ImageTest, PictureBoxShowsTheImagesPixels) {
    ASSERT_NE(LoadImageFromMemory(1, Picture().bytes, Picture().size), 0);
    ASSERT_NE(CreateAppWindow(1, 0, 0, 482, 314, "SETUP", 1), 0);
    ASSERT_NE(AttachGadgetList(AppWindowHandle(1)), nullptr);
    ASSERT_NE(CreatePictureBox(5, 0, 0, 110, 300, ImageBitmapHandle(1)), 0);
    HWND picture = GadgetHandle(5);
    EXPECT_EQ(GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    OwnedGdiObject shown(guitest::PrintControl(picture, 110, 300));
    const std::vector<uint32_t> onScreen =
        guitest::PixelsOfBitmap(static_cast<HBITMAP>(shown.Get()), 110, 300);
    const std::vector<uint32_t> pixels = PixelsOf(1);
    int compared = 0, equal = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        ++compared;
        equal += onScreen[i] == pixels[i] ? 1 : 0;
    }
    EXPECT_EQ(equal, compared);
}

TEST(FontHeight, PointSizeBecomesPixelsRoundedLikeMulDiv) {
    struct Case {
        int32_t points, dpi, pixels;
    };
    const Case cases[] = {{8, 96, -11},  {24, 96, -32},  {10, 96, -13}, {7, 96, -9},
                          {6, 120, -10}, {19, 120, -32}, {8, 144, -16}};
    for (const Case& c : cases) {
        EXPECT_EQ(FontPixelHeight(c.points, c.dpi), c.pixels) << c.points << " at " << c.dpi;
    }
}

TEST(Fonts, NumberedFontsFollowTheTableRules) {
    const int32_t bold = CreateFontObject(-1, "Arial", 10, kFontBold | kFontItalic);
    ASSERT_GE(bold, 0x10000);
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(FontObjectHandle(bold), sizeof font, &font), 0);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_FALSE(font.lfUnderline);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    WindowDc screen(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(10, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72));
    EXPECT_EQ(FontObjectHandle(12345), nullptr);
    ReleaseAllFonts();
    EXPECT_EQ(FontObjectHandle(bold), nullptr);
}

} // namespace
