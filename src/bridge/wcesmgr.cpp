// wcesmgr: the sync manager the program asks to quit before it copies. No manager stays resident on
// this system, so "/quit" has nothing to stop and succeeds.

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "/quit") == 0) {
        return 0;
    }
    std::fprintf(stderr, "usage: wcesmgr /quit\n");
    return 2;
}
