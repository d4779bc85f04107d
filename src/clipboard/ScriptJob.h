#pragma once
// A script's clipboard work on the reader thread, waited for by the thread that has no window to
// keep alive: it gives up when another program takes longer than the time-out to deliver one
// format. The stuck reader is left to the process's exit.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ClipboardFormat.h"
#include "clipboard/ClipboardReader.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace tavrix {

// "<exe> (pid N) did not deliver <format name> within S s", or "The clipboard did not deliver …"
// when the owner is not known.
std::wstring DeliveryTimeoutText(const std::optional<ClipboardProcess>& owner,
                                 const std::wstring& formatName, std::chrono::seconds timeout);

// Runs work on the reader and waits for it. An Error that work throws is thrown here again; a
// format that does not come within timeout throws Error with stuck(format) as its text.
void RunScriptJob(ClipboardReader& reader, const ClipboardReader::Work& work,
                  std::chrono::seconds timeout,
                  const std::function<std::wstring(ClipFormat)>& stuck);

} // namespace tavrix
