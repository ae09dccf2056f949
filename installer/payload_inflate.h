// Unpacks a carried block: its zlib stream back into the carried file.
#pragma once

#include "installer/payload.h"

#include <cstdint>
#include <vector>

// Inflates the block straight into the write buffer of the open numbered file, one buffer at a
// time. True when the stream ended exactly at the block's size, with all of its stored bytes
// used, and every write took; false as soon as either fails.
bool InflateIntoFile(const PackedBlock& block, int32_t fileNumber);

// The whole inflated block, for a picture that is loaded from memory; empty when the block does
// not inflate to exactly its size.
std::vector<unsigned char> InflateIntoMemory(const PackedBlock& block);
