// tr2tool: decode, encode, summarise and check Tarn 2 stage files.
#include <iostream>

#include "tools/tr2tool/Commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tarn::tr2tool::Run(args, std::cout, std::cerr);
}
