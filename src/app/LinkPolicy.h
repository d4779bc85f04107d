#pragma once
// Which links from clipboard content may be opened. Rich text on the clipboard comes from any
// program, so a link is opened only when it is a web or mail address; file paths, "file:" URLs
// and anything that would start a program are refused.
#include <string>

namespace tavrix {

// True for addresses starting with "http:", "https:", "ftp:", "mailto:" or "www." (letter case
// ignored, leading blanks skipped).
bool IsOpenableLink(const std::wstring& link);

} // namespace tavrix
