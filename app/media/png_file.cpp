#include "app/media/png_file.h"

#include <png.h>

#include <vector>

#include "app/media/bmp.h"

namespace quarrion {
namespace {

bool Fail(std::string* error, const std::string& message) {
  if (error != nullptr) *error = "picture: " + message;
  return false;
}

// libpng's simplified reader frees what it holds when the object goes, on every return path.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  std::string Message() const { return image.message[0] != '\0' ? image.message : "damaged PNG"; }
};

}  // namespace

bool DecodePngFile(std::span<const uint8_t> bytes, Bitmap& out, std::string* error) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return Fail(error, "not a PNG file");
  PngImage png;
  if (!png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size())) return Fail(error, png.Message());
  const png_uint_32 width = png.image.width, height = png.image.height;
  // the header alone must not make us allocate absurd memory
  if (width == 0 || height == 0 || width > png_uint_32(kMaxBitmapSide) || height > png_uint_32(kMaxBitmapSide) ||
      int64_t(width) * int64_t(height) > kMaxBitmapPixels)
    return Fail(error, "a picture of " + std::to_string(width) + " x " + std::to_string(height) + " is too large");
  png.image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(png.image));
  if (!png_image_finish_read(&png.image, nullptr, rgba.data(), 0, nullptr)) return Fail(error, png.Message());
  Bitmap bitmap;
  bitmap.width = int(width);
  bitmap.height = int(height);
  bitmap.pixels.resize(std::size_t(width) * height);
  for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) {
    const uint8_t* p = rgba.data() + 4 * i;
    bitmap.pixels[i] = p[3] < 128 ? kMagenta : uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
  }
  out = std::move(bitmap);
  return true;
}

}  // namespace quarrion
