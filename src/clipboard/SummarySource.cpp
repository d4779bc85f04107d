#include "clipboard/SummarySource.h"

#include "clipboard/ClipboardSnapshot.h"
#include "clipboard/EncodedPictures.h"

namespace tavrix {

SummarySource ChooseSummarySource(const std::function<bool(ClipFormat)>& has,
                                  const SummaryFormats& formats,
                                  const std::function<ClipFormat()>& firstEncoded) {
    auto offered = [&has](ClipFormat format) { return format != 0 && has(format); };
    if (offered(cf::Text) || offered(cf::OemText) || offered(cf::UnicodeText)) {
        return {SummaryKind::Text, 0};
    }
    if (offered(cf::Riff) || offered(cf::Wave)) {
        return {SummaryKind::Sound, 0};
    }
    if (offered(cf::Bitmap) || offered(cf::MetafilePict) || offered(cf::EnhMetafile) ||
        offered(formats.picture)) {
        return {SummaryKind::Picture, 0};
    }
    if (offered(formats.icon)) {
        return {SummaryKind::Icon, formats.icon};
    }
    if (const ClipFormat encoded = firstEncoded(); encoded != 0) {
        return {SummaryKind::EncodedPicture, encoded};
    }
    if (offered(formats.html)) {
        return {SummaryKind::Html, formats.html};
    }
    if (offered(cf::HDrop)) {
        return {SummaryKind::FileList, cf::HDrop};
    }
    return {SummaryKind::Other, 0};
}

CaptureNeeds PreviewNeeds(const ClipboardSnapshot& snapshot, const SummaryFormats& formats) {
    auto has = [&snapshot](ClipFormat format) {
        const CapturedFormat* entry = snapshot.Find(format);
        return entry != nullptr && entry->available;
    };
    ClipFormat firstEncoded = 0;
    for (const CapturedFormat& entry : snapshot.formats) {
        if (entry.format >= cf::FirstRegistered && IsEncodedPictureName(entry.registeredName)) {
            firstEncoded = entry.format;
            break;
        }
    }
    CaptureNeeds needs;
    const SummarySource source =
        ChooseSummarySource(has, formats, [firstEncoded] { return firstEncoded; });
    switch (source.kind) {
    case SummaryKind::Text:
        if (has(cf::UnicodeText)) {
            needs.blocks.push_back(cf::UnicodeText);
        } else if (has(cf::Text)) {
            needs.blocks.push_back(cf::Text);
        }
        break;
    case SummaryKind::Picture:
        needs.picture = true;
        needs.measure = true;
        break;
    case SummaryKind::Icon:
    case SummaryKind::EncodedPicture:
        needs.blocks.push_back(source.format);
        needs.measure = true;
        break;
    case SummaryKind::Html:
    case SummaryKind::FileList:
        needs.blocks.push_back(source.format);
        break;
    case SummaryKind::Sound:
    case SummaryKind::Other:
        needs.measure = true;
        break;
    }
    for (ClipFormat flag : {formats.history, formats.cloud}) {
        if (flag != 0 && has(flag)) {
            needs.smallBlocks.push_back(flag);
        }
    }
    return needs;
}

} // namespace tavrix
