// The floor under a batch export: the same bytes written to the same number of files, each
// created or truncated in place and written with one call, with nothing drawn or encoded.
// Usage: bench_write_floor SAMPLE COUNT FOLDER   (writes FOLDER/1.png .. FOLDER/COUNT.png)

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SAMPLE COUNT FOLDER\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const long count = std::strtol(argv[2], nullptr, 10);
    for (long n = 1; n <= count; ++n) {
        const std::string path = std::string(argv[3]) + '/' + std::to_string(n) + ".png";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0 ||
            ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            ::close(fd) != 0) {
            std::perror(path.c_str());
            return 1;
        }
    }
    return 0;
}
