#pragma once
// The catalogue of clipboard formats the program can name: 26 entries with a display name and a
// one-sentence description each. Every other format has no entry.
#include "clipboard/ClipboardFormat.h"

#include <string>
#include <vector>

namespace tavrix {

struct CatalogueFormat {
    ClipFormat format = 0;
    std::wstring name;
    std::wstring description;
};

class FormatCatalogue {
public:
    // Appends the 26 entries in their fixed order. The registered identifiers (PictureFormat,
    // ComponentFormat, RtfFormat, HtmlFormat) must already hold their values.
    void BuildFormatCatalogue();

    // Name / description of the first entry for format; empty when the format has no entry.
    const std::wstring& GetFormatName(ClipFormat format) const;
    const std::wstring& GetFormatDescription(ClipFormat format) const;

    const std::vector<CatalogueFormat>& Entries() const { return entries_; }

private:
    const CatalogueFormat* Find(ClipFormat format) const;
    std::vector<CatalogueFormat> entries_;
};

} // namespace tavrix
