#include "support/TempFolder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

TempFolder::TempFolder()
{
    static std::atomic<int> serial{0};
    path = std::filesystem::temp_directory_path() /
           ("quarbel-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(path);
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

std::string ReadWholeFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& fileName, const std::string& bytes)
{
    std::ofstream out(fileName, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
