#include "platform/imagefiles.h"

#include <QCoreApplication>
#include <QBuffer>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct ImageFiles {
    Q_DECLARE_TR_FUNCTIONS(ImageFiles)
};

// libjpeg's own error handler ends the process; this one returns to the encoder with the message.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
};

[[noreturn]] void returnToEncoder(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Everything the encoder touches lives here, set up before the jump point, so that nothing is
// lost or left indeterminate when libjpeg reports an error.
struct JpegJob {
    jpeg_compress_struct compressor{};
    JpegErrors errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    ~JpegJob()
    {
        jpeg_destroy_compress(&compressor);
        std::free(buffer);
    }
};

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality, QString* error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    JpegJob job;
    job.compressor.err = jpeg_std_error(&job.errors.manager);
    job.errors.manager.error_exit = returnToEncoder;
    if (setjmp(job.errors.jump)) {
        if (error)
            *error = QString::fromLocal8Bit(job.errors.message);
        return {};
    }
    jpeg_create_compress(&job.compressor);
    jpeg_mem_dest(&job.compressor, &job.buffer, &job.size);
    job.compressor.image_width = static_cast<JDIMENSION>(rgb.width());
    job.compressor.image_height = static_cast<JDIMENSION>(rgb.height());
    job.compressor.input_components = 3;
    job.compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job.compressor);
    jpeg_set_quality(&job.compressor, quality, TRUE);
    // Full colour resolution (4:4:4): the pictures document exact colours, and halved chroma
    // would blur them into their neighbours.
    for (int c = 0; c < job.compressor.num_components; ++c)
        job.compressor.comp_info[c].h_samp_factor = job.compressor.comp_info[c].v_samp_factor = 1;
    job.compressor.write_JFIF_header = TRUE;
    jpeg_start_compress(&job.compressor, TRUE);
    while (job.compressor.next_scanline < job.compressor.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(job.compressor.next_scanline)));
        jpeg_write_scanlines(&job.compressor, &row, 1);
    }
    jpeg_finish_compress(&job.compressor);
    return QByteArray(reinterpret_cast<const char*>(job.buffer), static_cast<qsizetype>(job.size));
}

QByteArray encodeBmp(const QImage& image, QString* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        if (error)
            *error = ImageFiles::tr("Die Bitmapgrafik kann nicht geschrieben werden.");
        return {};
    }
    return bytes;
}

} // namespace Tintara
