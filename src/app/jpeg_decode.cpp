#include "app/jpeg_decode.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <jpeglib.h>

namespace orvik {
namespace {

// Far above any picture this program carries, far below what a forged header
// could ask for (up to 65500 by 65500).
constexpr qint64 kMaxPixels = qint64(1) << 26;

struct ErrorManager {
    jpeg_error_mgr pub; // first, so libjpeg's pointer to it is a pointer to us
    std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// libjpeg reports damaged data as a warning and goes on with grey; a warning
// (level -1) ends the decoding like an error. Trace messages are ignored.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        leave(info);
}

// No object with a destructor lives in this frame across libjpeg's calls, so
// the longjmp out of an error skips nothing. `out` lives in the caller.
bool decodeInto(const QByteArray& data, QImage& out)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = leave;
    errors.pub.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 ||
        qint64(info.output_width) * info.output_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    out = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (out.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

std::optional<QImage> decodeJpeg(const QByteArray& data)
{
    QImage image;
    if (!decodeInto(data, image))
        return std::nullopt;
    return image;
}

} // namespace orvik
