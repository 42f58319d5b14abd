#include "help/help_picture.h"

#include <objbase.h>
#include <wincodec.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "ui/resource.h"

namespace qrv {
namespace {

// A PNG this large is no picture of ours.
constexpr UINT kMaxSide = 4096;

// Releases a COM interface with its owner.
template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  Interface** Out() { return &pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

// COM for the calling thread while the picture is read.
class ComScope {
 public:
  ComScope() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialized_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialized_;
};

struct Pixels {
  UINT width = 0;
  UINT height = 0;
  std::vector<std::uint8_t> bgrx;  // 32 bits a pixel, rows from the top
};

// Decodes the PNG through the system's imaging components.
bool Decode(const std::uint8_t* data, DWORD size, Pixels& pixels) {
  ComScope com;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.Out()))) ||
      FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&pixels.width, &pixels.height)) || pixels.width == 0 || pixels.height == 0 ||
      pixels.width > kMaxSide || pixels.height > kMaxSide)
    return false;
  pixels.bgrx.resize(static_cast<std::size_t>(pixels.width) * pixels.height * 4);
  return SUCCEEDED(
      converter->CopyPixels(nullptr, pixels.width * 4, static_cast<UINT>(pixels.bgrx.size()), pixels.bgrx.data()));
}

void AppendHex(std::string& out, const std::uint8_t* bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (std::size_t n = 0; n < count; ++n) {
    out += kDigits[bytes[n] >> 4];
    out += kDigits[bytes[n] & 0xF];
  }
}

// The pixels as a device-independent bitmap in a rich-text picture group.
std::string PictureGroup(const Pixels& pixels) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = static_cast<LONG>(pixels.width);
  header.biHeight = static_cast<LONG>(pixels.height);  // rows from the bottom
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  char sizes[160];
  std::snprintf(sizes, sizeof sizes, "{\\rtf1{\\pict\\dibitmap0\\picw%u\\pich%u\\picwgoal%u\\pichgoal%u ", pixels.width,
                pixels.height, pixels.width * 15, pixels.height * 15);  // twips at 96 DPI
  std::string rtf = sizes;
  rtf.reserve(rtf.size() + 2 * (sizeof header + pixels.bgrx.size() + 4) + 4);
  const auto headerBytes = std::bit_cast<std::array<std::uint8_t, sizeof header>>(header);
  AppendHex(rtf, headerBytes.data(), headerBytes.size());
  const std::size_t row = static_cast<std::size_t>(pixels.width) * 4;
  for (std::size_t y = pixels.height; y-- > 0;) AppendHex(rtf, pixels.bgrx.data() + y * row, row);
  // Some rich edits read a picture's pixels from four bytes past where they
  // start: four spare bytes keep that read inside the picture.
  const std::uint8_t spare[4]{};
  AppendHex(rtf, spare, sizeof spare);
  rtf += "}}";
  return rtf;
}

}  // namespace

std::string HelpPictureRtf(const wchar_t* name) {
  const auto data = ResourceData(name);
  Pixels pixels;
  if (data.empty() || !Decode(data.data(), static_cast<DWORD>(data.size()), pixels)) return {};
  return PictureGroup(pixels);
}

}  // namespace qrv
