#pragma once
// The viewer's document as what a search reads: straight from its source, in the search's own
// chunks, so the view's buffer stays where the view is. The document's stream has one position:
// a search runs on the thread that draws, or on a stream of its own.
#include "viewer/FindSource.h"
#include "viewer/ViewerDocument.h"

namespace tavrix {

class DocumentFindSource final : public FindSource {
public:
    explicit DocumentFindSource(const ViewerDocument& document) : document_(document) {}
    std::int64_t Size() const override { return document_.Size(); }
    std::span<const std::uint8_t> Fetch(std::int64_t offset,
                                        std::span<std::uint8_t> scratch) override {
        const std::optional<std::int64_t> count = document_.Read(offset, scratch);
        return scratch.first(count ? static_cast<std::size_t>(*count) : 0);
    }

private:
    const ViewerDocument& document_;
};

} // namespace tavrix
