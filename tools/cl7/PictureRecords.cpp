#include "PictureRecords.h"

#include "base/Error.h"
#include "clipboard/PlaceableMetafileHeader.h"

#include <algorithm>
#include <vector>

namespace tavrix {

namespace {

// The window origin and extent come first in the metafiles that set them: a look at the first
// bytes finds them.
constexpr std::size_t kScannedBits = 64 * 1024;

} // namespace

std::optional<MetafileRecordHead> ReadPictureRecord(DataStream& file,
                                                    const ClipboardRecord& record) {
    if (record.format != kMetafileRecordFormat) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> prefix(
        static_cast<std::size_t>(std::min<std::uint64_t>(record.size, kMetafileRecordHeadSize)));
    file.Seek(record.DataOffset());
    if (ReadFully(file, prefix) != prefix.size()) {
        return std::nullopt;
    }
    return ParseMetafileRecordHead(prefix, record.size);
}

std::wstring PictureText(const MetafileRecordHead& head, const RecordNames& names) {
    std::wstring name = names.Name(head.format);
    while (!name.empty() && name.back() == L' ') {
        name.pop_back();
    }
    return L"picture " + name + L" (" + std::to_wstring(head.bitsSize) + L" bytes of metafile)";
}

void WritePictureHeader(DataStream& file, const ClipboardRecord& record,
                        const MetafileRecordHead& head, DataStream& out) {
    const std::uint64_t bits = record.DataOffset() + head.bitsOffset;
    if (IsMetafilePictureFormat(head.format)) {
        std::vector<std::uint8_t> first(
            static_cast<std::size_t>(std::min<std::uint64_t>(head.bitsSize, kScannedBits)));
        file.Seek(bits);
        if (ReadFully(file, first) != first.size()) {
            throw Error(L"The file ended inside the record.");
        }
        out.Write(PlaceableMetafileHeader(head, first));
    }
    file.Seek(bits);
}

} // namespace tavrix
