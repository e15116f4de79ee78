#include "core/import/zip_package.h"

#include <zlib.h>

namespace zippackage {

Deflater::Deflater()
    : m_stream(std::make_unique<z_stream>()) {
    deflateInit2(m_stream.get(), Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                 Z_DEFAULT_STRATEGY);
    m_result.crc = static_cast<quint32>(crc32(0, nullptr, 0));
}

Deflater::~Deflater() {
    deflateEnd(m_stream.get());
}

void Deflater::run(QByteArrayView bytes, int flush) {
    m_stream->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    m_stream->avail_in = static_cast<uInt>(bytes.size());
    int result = Z_OK;
    do {
        const qsizetype before = m_result.bytes.size();
        m_result.bytes.resize(before + 64 * 1024);
        m_stream->next_out = reinterpret_cast<Bytef*>(m_result.bytes.data() + before);
        m_stream->avail_out = 64 * 1024;
        result = deflate(m_stream.get(), flush);
        m_result.bytes.resize(before + 64 * 1024 - static_cast<qsizetype>(m_stream->avail_out));
    } while (result != Z_STREAM_ERROR &&
             (m_stream->avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END)));
}

void Deflater::add(QByteArrayView bytes) {
    m_result.crc =
        static_cast<quint32>(crc32(m_result.crc, reinterpret_cast<const Bytef*>(bytes.constData()),
                                   static_cast<uInt>(bytes.size())));
    m_result.size += bytes.size();
    run(bytes, Z_NO_FLUSH);
}

Deflated Deflater::finish() {
    run({}, Z_FINISH);
    return std::move(m_result);
}

} // namespace zippackage
