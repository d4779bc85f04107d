#include "clipboard/DataStream.h"

namespace tavrix {

std::size_t ReadFully(DataStream& stream, std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        std::size_t n = stream.Read(buffer.subspan(done));
        if (n == 0) {
            break;
        }
        done += n;
    }
    return done;
}

} // namespace tavrix
