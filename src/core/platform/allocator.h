#pragma once

#include <cstddef>

// How this process's memory allocator treats large blocks.
namespace allocator {

// Blocks of this size and more are mapped from the system each on its own, and given back to it
// as soon as they are freed: the lists that hold every row of a large file.
inline constexpr std::size_t largeBlockBytes = std::size_t(4) << 20;
// Free room at the top of the heap up to this size is kept for the next block rather than given
// back: the buffers of a few megabytes that a workbook's every part is read through.
inline constexpr std::size_t keptTopBytes = std::size_t(32) << 20;

// Keeps both bounds fixed. Left to itself, the C library raises the first to the largest block
// freed so far (up to 32 MB); the large lists of an import, a check or a submission are then
// carved from the heap, where what is freed around them stays resident, and a second dry run of
// a large workbook in the same session peaked some 25 MB above the first. Called first thing in
// main; false where the C library has no such settings.
bool mapLargeBlocks();

} // namespace allocator
