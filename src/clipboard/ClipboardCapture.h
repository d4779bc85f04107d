#pragma once
// The reader thread's side of a snapshot: lists the clipboard's formats and reads the data the
// window is about to show, under one open of the clipboard.
#include "clipboard/ClipboardFormat.h"
#include "clipboard/ClipboardSnapshot.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace tavrix {

class ClipboardPort;
class ReadProgress;

// What a job reads for the window.
struct CaptureNeeds {
    std::vector<ClipFormat> blocks; // whole memory blocks (or their kind, for other handles)
    bool picture = false;           // the clipboard picture
    bool measure = false;           // block sizes in order, as the Preview's size figure wants
    // Blocks at most this large; a larger one is measured only (the privacy flags: four bytes).
    std::vector<ClipFormat> smallBlocks;
};

// True when snapshot holds everything needs asks for (read, or known not to be there).
bool HasEverything(const ClipboardSnapshot& snapshot, const CaptureNeeds& needs);

// Makes an empty picture of the platform for the picture to be loaded into.
using PictureMaker = std::function<std::unique_ptr<ClipboardPicture>()>;

// Decides what the Preview needs once the formats are known.
using PreviewRule = std::function<CaptureNeeds(const ClipboardSnapshot&)>;

class ClipboardCapture {
public:
    ClipboardCapture(ClipboardPort& clipboard, ReadProgress& progress, PictureMaker makePicture)
        : clipboard_(clipboard), progress_(progress), makePicture_(std::move(makePicture)) {}

    // The formats in the clipboard's order with names and availability; held when the
    // clipboard stayed held by another program for wait.
    ClipboardSnapshot List(std::chrono::milliseconds wait);
    // Opens the clipboard, trying again while another program holds it, until it opens (true)
    // or stop is set (false).
    bool OpenWhenFree(const std::atomic<bool>& stop);
    // Reads what needs asks into the snapshot's formats (clipboard opened for the call). Throws
    // Error when the clipboard cannot be opened.
    void Read(ClipboardSnapshot& snapshot, const CaptureNeeds& needs);

private:
    void ReadBlock(CapturedFormat& entry, std::size_t limit);
    void Measure(ClipboardSnapshot& snapshot);
    void ReadPicture(ClipboardSnapshot& snapshot);

    ClipboardPort& clipboard_;
    ReadProgress& progress_;
    PictureMaker makePicture_;
};

} // namespace tavrix
