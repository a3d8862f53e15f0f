#pragma once

#include <cstddef>

// Recycles the fixed-size memory blocks that static cursors keep their rows in, so that reading one
// large result after another reuses memory instead of handing it back to the system and faulting
// it in again. At most idleLimit blocks wait idle; beyond that, blocks are freed.
class CBlockPool final
{
public:
    static constexpr size_t blockSize = 64 * 1024;
    static constexpr size_t idleLimit = 1024;

    static char* Take();
    static void Give(char* block);
};
