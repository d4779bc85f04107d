#pragma once
// The files the change log writes: the /LOG file, to which every change is appended as one line
// written whole (so that a crash leaves whole lines), and the saved log, written at once.
#include "base/win32/KernelHandles.h"

#include <string>
#include <string_view>

namespace tavrix::win32 {

class ChangeLogFile {
public:
    // Opens the file for appending, making it when it is not there. Throws Error
    // "Cannot write the log …" with the system's reason.
    explicit ChangeLogFile(const std::wstring& fileName);
    // Appends the line in one write. A failure is logged; the program goes on.
    void Append(std::string_view line);

private:
    std::wstring fileName_;
    UniqueFile file_;
};

// Writes bytes as the whole new content of the file. Throws Error "Cannot write the log …".
void WriteLogFile(const std::wstring& fileName, std::string_view bytes);

} // namespace tavrix::win32
