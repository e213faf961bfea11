#include "skin/gdi/WicJpegDecoder.h"

#include <windows.h>
#include <wincodec.h>

#include <cstdint>

namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef()
    {
        if (p_)
            p_->Release();
    }
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }

private:
    T* p_ = nullptr;
};

// The same caps as for bitmaps: a hostile header never asks for much memory.
constexpr UINT kMaxSide = 16384;
constexpr uint64_t kMaxPixels = uint64_t(16) << 20;

}  // namespace

std::optional<Image24> TacWicJpegDecoder::Decode(std::span<const uint8_t> jpeg) const
{
    if (jpeg.empty() || jpeg.size() > UINT32_MAX)
        return std::nullopt;
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.Out()))))
        return std::nullopt;
    ComRef<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(jpeg.data()), DWORD(jpeg.size()))))
        return std::nullopt;
    ComRef<IWICBitmapDecoder> decoder;
    GUID format{};
    if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.Out())) ||
        FAILED(decoder->GetContainerFormat(&format)) || format != GUID_ContainerFormatJpeg)
        return std::nullopt;
    ComRef<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    if (FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(frame->GetSize(&width, &height)))
        return std::nullopt;
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide || uint64_t(width) * height > kMaxPixels)
        return std::nullopt;
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return std::nullopt;
    // Image24 rows are blue, green, red, three bytes per pixel, without padding.
    Image24 image(static_cast<int>(width), static_cast<int>(height));
    UINT stride = width * 3;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(&image.At(0, 0)))))
        return std::nullopt;
    return image;
}
