#include "widgets/JpegImage.h"

#include "data/uShare.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {}

// Plain C data only between setjmp and longjmp.
bool decode(const QByteArray &bytes, QImage &image)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.output_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0
        || info.output_width > 16384 || info.output_height > 16384) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage loadJpeg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QImage image;
    if (bytes.isEmpty() || !decode(bytes, image))
        return {};
    return image;
}

QImage loadPicture(const QString &name)
{
    const QString path = GetAppPath() + QStringLiteral("pictures/") + name;
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        return loadJpeg(path);
    return QImage(path);
}

QPixmap loadPixmap(const QString &name)
{
    return QPixmap::fromImage(loadPicture(name));
}
