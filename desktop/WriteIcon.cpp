// Writes the program's icon as PNG files for the desktop:
//   quarbel_write_icon SIZE FILE [SIZE FILE]...
#include "shell/gui/ApplicationIcon.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s SIZE FILE [SIZE FILE]...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || !ApplicationIconImage(size).save(argv[i + 1], "PNG")) {
            std::fprintf(stderr, "%s: could not write a %s-pixel icon to %s\n", argv[0], argv[i], argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
