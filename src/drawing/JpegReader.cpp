#include "drawing/JpegReader.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include <unistd.h>

#include <jerror.h>
#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub; // first, so libjpeg's pointer is also ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace output
    ++cinfo->err->num_warnings;
    // Stray bytes between markers are common in camera files and harmless.
    // Every other warning means the picture would come out damaged (a
    // truncated file is filled with grey), so decoding stops right here
    // instead of finishing a picture that will be refused.
    if (cinfo->err->msg_code != JWRN_EXTRANEOUS_DATA)
        ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}

using AttachSource = void (*)(j_decompress_ptr, void*);

// Everything libjpeg touches lives here, outside the frame that calls
// setjmp, so nothing local is changed between setjmp and a longjmp.
struct DecodeState
{
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    JpegResult result;
    std::uint64_t maxPixels = kMaxPicturePixels;
};

void Refuse(DecodeState& s, JpegStatus status, const char* detail)
{
    jpeg_destroy_decompress(&s.cinfo);
    s.result.status = status;
    s.result.detail = QString::fromLatin1(detail);
    s.result.picture = CDecodedPicture();
}

void ExpandGreyRow(unsigned char* row, std::size_t width)
{
    // Right to left, so each grey value is read before its bytes are reused.
    for (std::size_t x = width; x-- > 0;)
        row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = row[x];
}

void Decode(DecodeState& s, AttachSource attach, void* source)
{
    std::memset(&s.cinfo, 0, sizeof s.cinfo);
    s.cinfo.err = jpeg_std_error(&s.error.pub);
    s.error.pub.error_exit = ErrorExit;
    s.error.pub.emit_message = EmitMessage;
    s.error.pub.output_message = OutputMessage;
    if (setjmp(s.error.jump)) {
        jpeg_destroy_decompress(&s.cinfo);
        s.result.status = JpegStatus::Failed;
        s.result.detail = QString::fromLocal8Bit(s.error.message);
        s.result.picture = CDecodedPicture();
        return;
    }
    jpeg_create_decompress(&s.cinfo);
    attach(&s.cinfo, source);
    jpeg_read_header(&s.cinfo, TRUE);

    // Checked before libjpeg sizes its own buffers from the header.
    const std::uint64_t width = s.cinfo.image_width;
    const std::uint64_t height = s.cinfo.image_height;
    if (width * height > s.maxPixels)
        return Refuse(s, JpegStatus::TooLarge, "The picture is too large");
    if (s.cinfo.num_components == 1)
        s.cinfo.out_color_space = JCS_GRAYSCALE;
    else if (s.cinfo.num_components == 3)
        s.cinfo.out_color_space = JCS_RGB;
    else
        return Refuse(s, JpegStatus::Failed, "Only grey and RGB pictures can be read (CMYK cannot)");

    jpeg_start_decompress(&s.cinfo);
    if (s.cinfo.output_components != 1 && s.cinfo.output_components != 3)
        return Refuse(s, JpegStatus::Failed, "Only grey and RGB pictures can be read (CMYK cannot)");
    try {
        s.result.picture.rgb.resize(std::size_t(width * height * 3));
    } catch (const std::bad_alloc&) {
        return Refuse(s, JpegStatus::TooLarge, "Out of memory");
    }
    const bool grey = s.cinfo.output_components == 1;
    while (s.cinfo.output_scanline < s.cinfo.output_height) {
        JSAMPROW row = s.result.picture.rgb.data() + std::size_t(s.cinfo.output_scanline) * width * 3;
        jpeg_read_scanlines(&s.cinfo, &row, 1);
        if (grey)
            ExpandGreyRow(row, std::size_t(width));
    }
    jpeg_finish_decompress(&s.cinfo);
    jpeg_destroy_decompress(&s.cinfo);
    s.result.picture.width = int(width);
    s.result.picture.height = int(height);
    s.result.status = JpegStatus::Ok;
}

struct MemoryInput
{
    const unsigned char* data;
    std::size_t size;
};

} // namespace

JpegResult ReadJpegFile(const QString& path, std::uint64_t maxPixels)
{
    const int fd = OpenRegularFile(path);
    std::FILE* file = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!file) {
        if (fd >= 0)
            ::close(fd);
        JpegResult r;
        r.status = JpegStatus::CannotOpen;
        return r;
    }
    auto state = std::make_unique<DecodeState>();
    state->maxPixels = maxPixels;
    Decode(*state, [](j_decompress_ptr c, void* f) { jpeg_stdio_src(c, static_cast<std::FILE*>(f)); }, file);
    std::fclose(file);
    return std::move(state->result);
}

JpegResult ReadJpegMemory(const unsigned char* data, std::size_t size, std::uint64_t maxPixels)
{
    auto state = std::make_unique<DecodeState>();
    state->maxPixels = maxPixels;
    MemoryInput input{data, size};
    Decode(*state, [](j_decompress_ptr c, void* in) {
        const auto* m = static_cast<const MemoryInput*>(in);
        jpeg_mem_src(c, m->data, static_cast<unsigned long>(m->size));
    }, &input);
    return std::move(state->result);
}
