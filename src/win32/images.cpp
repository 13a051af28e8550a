// WIC decoding and encoding.
#include "win32/images.h"

#include <wincodec.h>

#include <utility>

namespace ortelana::win32 {

namespace {

// Releases a COM interface with its owner.
template <typename T>
class Com
{
public:
    Com() = default;
    ~Com() { if (pointer) pointer->Release(); }
    Com(const Com &) = delete;
    Com &operator=(const Com &) = delete;
    T **out() { return &pointer; }
    T *operator->() const { return pointer; }
    T *get() const { return pointer; }

private:
    T *pointer = nullptr;
};

bool makeFactory(Com<IWICImagingFactory> &factory)
{
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void **>(factory.out())));
}

HRESULT encode(IWICImagingFactory *factory, IStream *stream, const Surface &surface)
{
    Com<IWICBitmapEncoder> encoder;
    HRESULT result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
    if (SUCCEEDED(result))
        result = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    Com<IWICBitmapFrameEncode> frame;
    if (SUCCEEDED(result))
        result = encoder->CreateNewFrame(frame.out(), nullptr);
    if (SUCCEEDED(result))
        result = frame->Initialize(nullptr);
    if (SUCCEEDED(result))
        result = frame->SetSize(UINT(surface.width()), UINT(surface.height()));
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(result))
        result = frame->SetPixelFormat(&format);
    // The encoder may ask for another pixel format; the surface's is 32-bit BGRX.
    Com<IWICBitmap> source;
    if (SUCCEEDED(result))
        result = factory->CreateBitmapFromMemory(UINT(surface.width()), UINT(surface.height()),
                                                 GUID_WICPixelFormat32bppBGR, UINT(surface.width() * 4),
                                                 UINT(surface.width() * surface.height() * 4),
                                                 reinterpret_cast<BYTE *>(const_cast<std::uint32_t *>(surface.pixels())),
                                                 source.out());
    if (SUCCEEDED(result))
        result = frame->WriteSource(source.get(), nullptr);
    if (SUCCEEDED(result))
        result = frame->Commit();
    if (SUCCEEDED(result))
        result = encoder->Commit();
    return result;
}

} // namespace

Bitmap loadPngResource(int id, SIZE *size)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    Com<IWICImagingFactory> factory;
    if (!bytes || !makeFactory(factory))
        return {};
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    HRESULT result = factory->CreateStream(stream.out());
    if (SUCCEEDED(result))
        result = stream->InitializeFromMemory(static_cast<BYTE *>(const_cast<void *>(bytes)),
                                              SizeofResource(module, found));
    if (SUCCEEDED(result))
        result = factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.out());
    if (SUCCEEDED(result))
        result = decoder->GetFrame(0, frame.out());
    if (SUCCEEDED(result))
        result = factory->CreateFormatConverter(converter.out());
    if (SUCCEEDED(result))
        result = converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                       WICBitmapPaletteTypeCustom);
    UINT width = 0, height = 0;
    if (SUCCEEDED(result))
        result = converter->GetSize(&width, &height);
    if (FAILED(result))
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = LONG(width);
    info.bmiHeader.biHeight = -LONG(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *pixels = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap || FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE *>(pixels))))
        return {};
    *size = SIZE{LONG(width), LONG(height)};
    return bitmap;
}

WriteResult savePng(const std::wstring &path, const Surface &surface)
{
    // Encoded in memory, so that every write to the disk goes through the one writer
    // that checks it: the encoder never meets a disk error, told only as E_FAIL.
    Com<IWICImagingFactory> factory;
    Com<IStream> stream;
    HRESULT result = makeFactory(factory) ? S_OK : REGDB_E_CLASSNOTREG;
    if (SUCCEEDED(result))
        result = CreateStreamOnHGlobal(nullptr, TRUE, stream.out());
    if (SUCCEEDED(result))
        result = encode(factory.get(), stream.get(), surface);
    HGLOBAL memory = nullptr;
    if (SUCCEEDED(result))
        result = GetHGlobalFromStream(stream.get(), &memory);
    STATSTG size{};
    if (SUCCEEDED(result))
        result = stream->Stat(&size, STATFLAG_NONAME);
    if (FAILED(result))
        return {WriteResult::Status::Failed, static_cast<unsigned long>(result), errorText(static_cast<unsigned long>(result))};
    const void *bytes = GlobalLock(memory);
    const std::string content(static_cast<const char *>(bytes), std::size_t(size.cbSize.QuadPart));
    GlobalUnlock(memory);
    return writeFileSafely(path, content);
}

} // namespace ortelana::win32
