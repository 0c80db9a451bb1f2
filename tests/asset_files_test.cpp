// Checks the committed image assets (written by tools/make_assets.py) have the
// exact layout the window code and resource compiler rely on.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef NORVASQUEL_ASSETS_DIR
#error "NORVASQUEL_ASSETS_DIR must name the window/assets folder"
#endif

namespace {

std::vector<unsigned char> readFile(const std::string& name) {
    std::ifstream in(std::string(NORVASQUEL_ASSETS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian reads; out-of-range offsets read as zero so a short file
// fails the checks instead of crashing the test.
std::uint32_t le16(const std::vector<unsigned char>& b, std::size_t at) {
    if (at + 2 > b.size()) return 0;
    return b[at] | (b[at + 1] << 8);
}

std::uint32_t le32(const std::vector<unsigned char>& b, std::size_t at) {
    if (at + 4 > b.size()) return 0;
    return le16(b, at) | (le16(b, at + 2) << 16);
}

std::int32_t le32s(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::int32_t>(le32(b, at));
}

}  // namespace

TEST(AssetFiles, IconHasTwoImagesOfTheRightKinds) {
    const auto ico = readFile("NorvasquelSetup.ico");
    ASSERT_EQ(ico.size(), 4214u);
    EXPECT_EQ(le16(ico, 0), 0u);  // reserved
    EXPECT_EQ(le16(ico, 2), 1u);  // type: icon
    EXPECT_EQ(le16(ico, 4), 2u);  // image count

    const std::uint32_t bits[] = {8, 32};
    const std::uint32_t sizes[] = {1736, 2440};
    const std::uint32_t offsets[] = {38, 1774};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(ico[entry + 0], 24);  // width
        EXPECT_EQ(ico[entry + 1], 24);  // height
        EXPECT_EQ(ico[entry + 2], 0);   // colour count: 0 = 256 (or none)
        EXPECT_EQ(ico[entry + 3], 0);   // reserved
        EXPECT_EQ(le16(ico, entry + 4), 1u);  // planes
        EXPECT_EQ(le16(ico, entry + 6), bits[i]);
        EXPECT_EQ(le32(ico, entry + 8), sizes[i]);
        EXPECT_EQ(le32(ico, entry + 12), offsets[i]);

        const std::size_t dib = offsets[i];
        EXPECT_EQ(le32(ico, dib), 40u);       // BITMAPINFOHEADER
        EXPECT_EQ(le32s(ico, dib + 4), 24);   // width
        EXPECT_EQ(le32s(ico, dib + 8), 48);   // XOR + AND heights
        EXPECT_EQ(le16(ico, dib + 12), 1u);   // planes
        EXPECT_EQ(le16(ico, dib + 14), bits[i]);
        EXPECT_EQ(le32(ico, dib + 16), 0u);   // uncompressed
    }
    EXPECT_EQ(le32(ico, 38 + 32), 256u);      // 8-bit image: biClrUsed
}

TEST(AssetFiles, IconShowsAnOpaqueGreyShapeOnATransparentBackground) {
    const auto ico = readFile("NorvasquelSetup.ico");
    ASSERT_EQ(ico.size(), 4214u);
    const std::size_t pixels = 1774 + 40, mask = pixels + 24 * 24 * 4;
    int transparent = 0, opaqueGrey = 0, maskMismatches = 0;
    for (int row = 0; row < 24; ++row) {
        for (int col = 0; col < 24; ++col) {
            const std::size_t p = pixels + (row * 24 + col) * 4;
            const int b = ico[p], g = ico[p + 1], r = ico[p + 2], a = ico[p + 3];
            const bool masked = (ico[mask + row * 4 + col / 8] >> (7 - col % 8)) & 1;
            if (a == 0) ++transparent;
            if (a == 255 && r > 60 && std::abs(r - g) <= 12 && std::abs(g - b) <= 12) ++opaqueGrey;
            if (masked != (a < 128)) ++maskMismatches;
        }
    }
    EXPECT_GT(transparent, 100);
    EXPECT_GT(opaqueGrey, 50);
    EXPECT_EQ(maskMismatches, 0);
}

TEST(AssetFiles, BannerIsA24BitBottomUpBitmap) {
    const auto bmp = readFile("banner.bmp");
    ASSERT_EQ(bmp.size(), 154544u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(le32(bmp, 2), 154544u);    // bfSize
    EXPECT_EQ(le32(bmp, 10), 54u);       // bfOffBits
    EXPECT_EQ(le32(bmp, 14), 40u);       // biSize
    EXPECT_EQ(le32s(bmp, 18), 164);      // width
    EXPECT_EQ(le32s(bmp, 22), 314);      // positive: rows bottom-up
    EXPECT_EQ(le16(bmp, 26), 1u);        // planes
    EXPECT_EQ(le16(bmp, 28), 24u);       // bits per pixel
    EXPECT_EQ(le32(bmp, 30), 0u);        // BI_RGB
    EXPECT_EQ(le32(bmp, 34), 154490u);   // biSizeImage
    EXPECT_EQ(le32s(bmp, 38), 5904);     // pixels per metre, x
    EXPECT_EQ(le32s(bmp, 42), 5904);     // pixels per metre, y
}

TEST(AssetFiles, BannerIsMostlyBlue) {
    const auto bmp = readFile("banner.bmp");
    ASSERT_EQ(bmp.size(), 154544u);
    long long blue = 0, red = 0;
    const long long count = 164LL * 314;
    for (std::size_t p = 54; p < 54 + 164 * 314 * 3; p += 3) {
        blue += bmp[p];
        red += bmp[p + 2];
    }
    EXPECT_GT(blue / count, red / count + 60);
}
