#pragma once

#include <QByteArrayView>
#include <cstddef>
#include <memory>
#include <vector>

// Many short texts kept end to end in large blocks, for a pass that holds tens of megabytes of
// them at once (the rendered records of a whole return). A block is never grown or moved, so
// adding costs one copy of the text; where the system allows it, the blocks are backed by huge
// pages, which spares it a fault for every few kilobytes first touched.
class TextBlocks {
public:
    void add(QByteArrayView text);
    std::size_t count() const { return m_texts.size(); }
    QByteArrayView at(std::size_t index) const { return m_texts[index]; }

private:
    struct FreeBlock {
        void operator()(char* block) const;
    };
    struct Block {
        std::unique_ptr<char, FreeBlock> bytes;
        qsizetype used = 0;
        qsizetype size = 0;
    };
    void addBlock(qsizetype least);

    std::vector<Block> m_blocks;
    std::vector<QByteArrayView> m_texts;
};
