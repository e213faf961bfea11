// The Windows JPEG decoder over the platform's imaging component, and the
// skin loader's pattern rule through it (Wine provides WIC).

#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include "skin/model/SkinTestPackages.h"
#include "skin/model/SkinModel.h"
#include "skin/gdi/WicJpegDecoder.h"

namespace {

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released()
    {
        if (p)
            p->Release();
    }
};

// A grey JPEG of the given size made by the platform's encoder; empty when
// the platform has none.
std::vector<uint8_t> EncodeJpeg(UINT width, UINT height)
{
    Released<IWICImagingFactory> factory;
    Released<IStream> memory;
    Released<IWICBitmapEncoder> encoder;
    Released<IWICBitmapFrameEncode> frame;
    Released<IPropertyBag2> options;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory.p))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &memory.p)) ||
        FAILED(factory.p->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder.p)) ||
        FAILED(encoder.p->Initialize(memory.p, WICBitmapEncoderNoCache)) ||
        FAILED(encoder.p->CreateNewFrame(&frame.p, &options.p)) || FAILED(frame.p->Initialize(options.p)) ||
        FAILED(frame.p->SetSize(width, height)))
        return {};
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    std::vector<BYTE> pixels(std::size_t(width) * 3 * height, 128);
    if (FAILED(frame.p->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR ||
        FAILED(frame.p->WritePixels(height, width * 3, UINT(pixels.size()), pixels.data())) ||
        FAILED(frame.p->Commit()) || FAILED(encoder.p->Commit()))
        return {};
    STATSTG stat{};
    LARGE_INTEGER start{};
    if (FAILED(memory.p->Stat(&stat, STATFLAG_NONAME)) || FAILED(memory.p->Seek(start, STREAM_SEEK_SET, nullptr)))
        return {};
    std::vector<uint8_t> bytes(std::size_t(stat.cbSize.QuadPart));
    ULONG read = 0;
    if (FAILED(memory.p->Read(bytes.data(), ULONG(bytes.size()), &read)) || read != bytes.size())
        return {};
    return bytes;
}

}  // namespace

TEST(WicJpegDecoder, DecodesToTwentyFourBitPixelsOfTheRightSize)
{
    std::vector<uint8_t> jpeg = EncodeJpeg(37, 21);
    if (jpeg.empty())
        GTEST_SKIP() << "no JPEG encoder to make a test picture";
    std::optional<Image24> image = TacWicJpegDecoder().Decode(jpeg);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 37);
    EXPECT_EQ(image->Height(), 21);
    Rgb24 p = image->At(18, 10);
    EXPECT_NEAR(p.g, 128, 4);
}

TEST(WicJpegDecoder, OtherDataIsNotDecoded)
{
    TacWicJpegDecoder decoder;
    EXPECT_FALSE(decoder.Decode(SolidBmp(4, 4, 0)));
    EXPECT_FALSE(decoder.Decode(Bytes("not a picture")));
    EXPECT_FALSE(decoder.Decode({}));
}

TEST(WicJpegDecoder, LargeTexturesStayPatternsSmallOnesBecomeTextureMasks)
{
    std::vector<uint8_t> big = EncodeJpeg(300, 300), small = EncodeJpeg(299, 300);
    if (big.empty() || small.empty())
        GTEST_SKIP() << "no JPEG encoder to make a test picture";
    TacWicJpegDecoder decoder;
    TsSkinModel model;
    model.LoadFromPackageData(BuildPackage({{"Options.dat", Bytes("[PANEL]\r\nPATTERN=Big.jpg\r\nHOTPATTERN=small.JPG\r\n")},
                                            {"BIG.JPG", big},
                                            {"Small.jpg", small}}),
                              {.JpegDecoder = &decoder});
    ASSERT_EQ(model.Patterns().size(), 1u);
    EXPECT_EQ(model.Patterns()[0].Image.Width(), 300);
    ASSERT_EQ(model.Masks().size(), 1u);
    EXPECT_EQ(model.Masks()[0].ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(model.Masks()[0].Image.Width(), 299);
}
