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

HRESULT encode(IWICImagingFactory *factory, const std::wstring &path, const Surface &surface)
{
    Com<IWICStream> stream;
    HRESULT result = factory->CreateStream(stream.out());
    if (SUCCEEDED(result))
        result = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
    Com<IWICBitmapEncoder> encoder;
    if (SUCCEEDED(result))
        result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
    if (SUCCEEDED(result))
        result = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
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
    if (SUCCEEDED(result))
        result = stream->Commit(STGC_DEFAULT);
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

unsigned long savePng(const std::wstring &path, const Surface &surface)
{
    Com<IWICImagingFactory> factory;
    if (!makeFactory(factory))
        return ERROR_NOT_SUPPORTED;
    // A new file beside the target, moved over it only once it is complete.
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : path.substr(0, slash == 0 ? 1 : slash);
    wchar_t temporary[MAX_PATH + 1]{};
    if (GetTempFileNameW(folder.c_str(), L"ort", 0, temporary) == 0)
        return GetLastError();
    const HRESULT result = encode(factory.get(), temporary, surface);
    if (FAILED(result)) {
        DeleteFileW(temporary);
        return HRESULT_CODE(result) ? HRESULT_CODE(result) : ERROR_WRITE_FAULT;
    }
    if (!MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary);
        return error;
    }
    return 0;
}

} // namespace ortelana::win32
