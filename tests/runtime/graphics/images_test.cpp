#include "support/gui_test_support.h"

#include "runtime/graphics/image_file_layout.h"
#include "runtime/graphics/images.h"
#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadgets.h"
#include "support/scratch_folder.h"

#include <utility>
#include <vector>

namespace {

// The side picture the installer carries: 110 x 300 pixels, 8 bits with a 256-colour table.
const std::vector<uint8_t>& Picture() {
    static const FileBytes file = ReadWholeFile(QUORREL_PAYLOAD_DIR "/setup_picture.bmp");
    return file.bytes;
}

using ImageTest = guitest::GuiTest;

// A picture box shows the loaded picture's pixels as they are.
TEST_F(ImageTest, CarriedDialogPictureLoadsAsTrueColourAndAPictureBoxShowsThePaletteColours) {
    const unsigned char* file = Picture().data();
    ASSERT_NE(LoadImageFromMemory(1, file, Picture().size()), 0);
    EXPECT_EQ(ImageWidth(1) * 1000 + ImageHeight(1), 110300);
    BITMAP bitmap{};
    ASSERT_NE(GetObjectA(ImageBitmapHandle(1), sizeof bitmap, &bitmap), 0);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);
    // The file: 256 palette entries at 54, then rows of 112 bytes from 1078, bottom row first.
    std::vector<uint32_t> wanted;
    for (int y = 299; y >= 0; --y) {
        for (int x = 0; x < 110; ++x) {
            const unsigned char* entry = file + 54 + 4 * file[1078 + y * 112 + x];
            wanted.push_back(static_cast<uint32_t>(entry[2] << 16 | entry[1] << 8 | entry[0]));
        }
    }
    EXPECT_EQ(guitest::PixelsOfBitmap(ImageBitmapHandle(1), 110, 300), wanted);
    ASSERT_NE(CreateAppWindow(1, 0, 0, 482, 314, "SETUP", 1), 0);
    ASSERT_NE(AttachGadgetList(AppWindowHandle(1)), nullptr);
    ASSERT_NE(CreatePictureBox(5, 0, 0, 110, 300, ImageBitmapHandle(1)), 0);
    EXPECT_EQ(guitest::PrintedPixels(GadgetHandle(5), 110, 300), wanted);
}

TEST_F(ImageTest, DataThatIsNoWholePictureGivesZeroAndLeavesTheNumberFree) {
    const std::vector<uint8_t>& good = Picture();
    // A four-byte field at an offset set to a value that makes the file unusable: no "BM", pixels
    // past the end or inside the header, header size too small or past the end, width zero or
    // negative, taller than the data, 7 bits per pixel, unknown compression, 257 colours.
    const std::pair<size_t, uint32_t> broken[] = {
        {0, 'X'},          {10, 1100}, {10, 20}, {14, 12}, {14, 40000}, {18, 0},
        {18, 0xFFFFFFF0u}, {22, 301},  {28, 7},  {30, 4},  {46, 257}};
    for (const auto& [at, value] : broken) {
        std::vector<uint8_t> data = good;
        for (int i = 0; i < 4; ++i) {
            data[at + i] = static_cast<uint8_t>(value >> (8 * i));
        }
        EXPECT_FALSE(ReadBitmapFileLayout(data.data(), data.size()).valid) << at << ": " << value;
    }
    for (size_t size : {size_t{0}, size_t{13}, size_t{53}, good.size() - 1}) {
        EXPECT_EQ(LoadImageFromMemory(5, good.data(), size), 0) << size;
    }
    const char garbage[] = "GIF89a this is no bitmap at all, nor an icon";
    EXPECT_EQ(LoadImageFromMemory(5, garbage, sizeof garbage) + LoadImageFromMemory(5, nullptr, 0),
              0);
    EXPECT_EQ(ImageExists(5), 0);
}

} // namespace
