// The baseline of the tool's listing benchmark: only what any lister of a clipboard file
// must do, reading each 6-byte record header with one positioned read and jumping over the
// data. Prints one line per record, as the listing does, without names.
//   cl7walkbaseline list FILE       (the tool's command line, for the same script)
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const int fd = open(argv[2], O_RDONLY);
    if (fd < 0) {
        return 1;
    }
    const off_t end = lseek(fd, 0, SEEK_END);
    off_t at = 0;
    unsigned char header[6];
    while (at < end && pread(fd, header, 6, at) == 6) {
        const unsigned format = header[0] | (header[1] << 8);
        const std::uint32_t size = header[2] | (header[3] << 8) | (header[4] << 16) |
                                   (static_cast<std::uint32_t>(header[5]) << 24);
        std::printf("%u\t\t%u\n", format, size);
        at += 6 + static_cast<off_t>(size);
    }
    close(fd);
    return 0;
}
