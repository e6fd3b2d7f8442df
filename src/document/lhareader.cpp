#include "document/lhareader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <lhasa.h>

#include "document/crc16.h"

namespace klettra::document {

namespace {

/// The archive bytes as a liblhasa input stream.
struct MemoryStream
{
    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;

    static int read(void *handle, void *buf, size_t len)
    {
        auto *self = static_cast<MemoryStream *>(handle);
        const std::size_t count = std::min(len, self->bytes.size() - self->pos);
        std::memcpy(buf, self->bytes.data() + self->pos, count);
        self->pos += count;
        return static_cast<int>(count);
    }

    static int skip(void *handle, size_t len)
    {
        auto *self = static_cast<MemoryStream *>(handle);
        if (len > self->bytes.size() - self->pos)
            return 0;
        self->pos += len;
        return 1;
    }

    static void close(void *) {}
};

const LHAInputStreamType MemoryStreamType{&MemoryStream::read, &MemoryStream::skip, &MemoryStream::close};

struct StreamDeleter
{
    void operator()(LHAInputStream *s) const { lha_input_stream_free(s); }
};
struct ReaderDeleter
{
    void operator()(LHAReader *r) const { lha_reader_free(r); }
};

bool isNamed(const LHAFileHeader *header, std::string_view name)
{
    return header->filename != nullptr && std::strcmp(header->compress_method, LHA_COMPRESS_TYPE_DIR) != 0 &&
           name == header->filename;
}

LhaMember decodeCurrent(LHAReader *reader, const LHAFileHeader *header, std::size_t maxSize)
{
    if (header->length > maxSize)
        return {LhaReadError::TooLarge, {}};
    std::vector<std::uint8_t> data(header->length);
    std::size_t got = 0;
    while (got < data.size()) {
        const std::size_t n = lha_reader_read(reader, data.data() + got, data.size() - got);
        if (n == 0)
            break;
        got += n;
    }
    if (got != data.size() || crc16(data) != header->crc)
        return {LhaReadError::Corrupt, {}};
    return {LhaReadError::None, std::move(data)};
}

} // namespace

LhaMember extractLhaMember(std::span<const std::uint8_t> archive, std::string_view name, std::size_t maxSize)
{
    MemoryStream memory{archive};
    const std::unique_ptr<LHAInputStream, StreamDeleter> stream(
        lha_input_stream_new(&MemoryStreamType, &memory));
    if (!stream)
        return {LhaReadError::NotArchive, {}};
    const std::unique_ptr<LHAReader, ReaderDeleter> reader(lha_reader_new(stream.get()));
    if (!reader)
        return {LhaReadError::NotArchive, {}};

    bool sawMember = false;
    while (const LHAFileHeader *header = lha_reader_next_file(reader.get())) {
        sawMember = true;
        if (isNamed(header, name))
            return decodeCurrent(reader.get(), header, maxSize);
    }
    return {sawMember ? LhaReadError::NoMember : LhaReadError::NotArchive, {}};
}

} // namespace klettra::document
