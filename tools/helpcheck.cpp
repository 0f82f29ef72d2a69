// helpcheck FILE: reads a help file as the program does and checks that it
// is sound and that every context number the program asks for has its
// topic. Prints each fault as "FILE:LINE: message" and exits with 1 when
// there is one, 2 when the file cannot be read, else 0.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "textsvc/HelpContexts.h"
#include "textsvc/HelpFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: helpcheck FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 2;
    }
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    HelpFile file;
    HelpError error;
    if (!ParseHelpFile(data.data(), data.size(), file, error)) {
        std::fprintf(stderr, "%s:%d: %s\n", argv[1], error.line, error.message.c_str());
        return 1;
    }
    std::vector<int> missing = MissingContexts(file, ProgramHelpContexts, ProgramHelpContextCount);
    for (int context : missing)
        std::fprintf(stderr, "%s: no topic has context number %d, which the program uses\n",
                     argv[1], context);
    return missing.empty() ? 0 : 1;
}
