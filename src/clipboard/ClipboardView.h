#pragma once
// What the window shows of the clipboard, kept off the clipboard itself: the reader thread lists
// the formats and reads the data of the selected node into a snapshot, and the engine shows the
// node from the snapshot when its data is there. While a read goes on the window answers as
// always; from half a second on the status bar names what it waits for, and Esc or another
// selection stops waiting: the node then shows "(not delivered)" and its size "?".
#include "clipboard/ClipboardCapture.h"
#include "clipboard/ClipboardReader.h"
#include "clipboard/ReadProgress.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tavrix {

class ClipboardEngine;
class MainWindowSurface;
class SnapshotBackend;

class ClipboardView {
public:
    struct Parts {
        ClipboardReader& reader;
        SnapshotBackend& shown; // the backend under the engine's port
        ClipboardEngine& engine;
        MainWindowSurface& surface;
        PictureMaker makePicture;
        std::function<std::uint32_t()> tickCount;
        // The clipboard was held at a refresh: another refresh soon, please.
        std::function<void()> refreshAgain;
        // What the window knows of the clipboard grew: a new listing, or data read for it.
        std::function<void(const ClipboardSnapshot&)> learnt;
    };

    explicit ClipboardView(Parts parts);
    ClipboardView(const ClipboardView&) = delete;
    ClipboardView& operator=(const ClipboardView&) = delete;

    // Lists the clipboard anew; a refresh not started yet is replaced.
    void Refresh();
    // The tree's selection: shows the node now when its data is in the snapshot, else when the
    // reader has read it.
    void ShowNode(int node);
    // Esc: stops waiting for the data being read.
    void StopWaiting();
    // Shows, changes or ends the status bar's wait message (the window's timer calls it).
    void UpdateWaitMessage();
    // True from a refresh or a read asked for until its result is shown or given up.
    bool Busy() const;
    // The results the reader has finished (the window calls it when the reader says so).
    void RunFinished();

private:
    CaptureNeeds NeedsOf(int node);
    void Display(int node);
    void OnListed(const std::shared_ptr<ClipboardSnapshot>& listed);
    void OnRead(const std::shared_ptr<ClipboardSnapshot>& read, std::uint64_t generation);
    std::wstring FormatName(ClipFormat format);
    std::wstring WaitText();

    Parts parts_;
    std::shared_ptr<ReadProgress> progress_;
    std::shared_ptr<std::atomic<bool>> stop_;
    ReaderJobId refreshJob_ = 0;
    ReaderJobId readJob_ = 0;
    int wantedNode_ = -1;
    std::uint64_t generation_ = 0;
    std::uint32_t seenSerial_ = 0;
    std::uint32_t serialSince_ = 0;
    bool messageShown_ = false;
};

} // namespace tavrix
