#include "music/TrimName.h"

std::string TrimName(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) < 33)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) < 33)
        --end;
    return text.substr(begin, end - begin);
}
