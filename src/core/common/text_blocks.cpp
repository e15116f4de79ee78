#include "core/common/text_blocks.h"

#include <cstdlib>
#include <cstring>
#include <new>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr qsizetype hugePage = 2 * 1024 * 1024;
constexpr qsizetype blockSize = 2 * hugePage;

} // namespace

void TextBlocks::FreeBlock::operator()(char* block) const {
    std::free(block);
}

void TextBlocks::addBlock(qsizetype least) {
    // A text longer than a block gets one of its own, rounded up to whole huge pages.
    const qsizetype size =
        least <= blockSize ? blockSize : (least + hugePage - 1) / hugePage * hugePage;
    auto* bytes = static_cast<char*>(std::aligned_alloc(hugePage, static_cast<std::size_t>(size)));
    if (!bytes)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    // Only advice: where huge pages are not to be had, the block is an ordinary one.
    madvise(bytes, static_cast<std::size_t>(size), MADV_HUGEPAGE);
#endif
    m_blocks.push_back({std::unique_ptr<char, FreeBlock>(bytes), 0, size});
}

void TextBlocks::add(QByteArrayView text) {
    if (m_blocks.empty() || m_blocks.back().size - m_blocks.back().used < text.size())
        addBlock(text.size());
    Block& block = m_blocks.back();
    char* at = block.bytes.get() + block.used;
    if (!text.isEmpty())
        std::memcpy(at, text.data(), static_cast<std::size_t>(text.size()));
    block.used += text.size();
    m_texts.emplace_back(at, text.size());
}
