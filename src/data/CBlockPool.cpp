#include "data/CBlockPool.h"

#include <mutex>
#include <vector>

namespace {

struct IdleBlocks
{
    std::mutex lock;
    std::vector<char*> blocks;

    ~IdleBlocks()
    {
        for (char* block : blocks)
            delete[] block;
    }
};

IdleBlocks& Idle()
{
    static IdleBlocks idle;
    return idle;
}

} // namespace

char* CBlockPool::Take()
{
    IdleBlocks& idle = Idle();
    {
        const std::lock_guard<std::mutex> guard(idle.lock);
        if (!idle.blocks.empty()) {
            char* block = idle.blocks.back();
            idle.blocks.pop_back();
            return block;
        }
    }
    return new char[blockSize];
}

void CBlockPool::Give(char* block)
{
    IdleBlocks& idle = Idle();
    {
        const std::lock_guard<std::mutex> guard(idle.lock);
        if (idle.blocks.size() < idleLimit) {
            idle.blocks.push_back(block);
            return;
        }
    }
    delete[] block;
}
