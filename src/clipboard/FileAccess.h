#pragma once
// The files the clipboard file routines read and write. The Win32 adapter uses the platform's
// file functions (sharing modes, replacing a file in one step); StdFileAccess works on any
// platform with the standard library.
#include "clipboard/DataStream.h"

#include <memory>
#include <string>

namespace tavrix {

// A new file written under a temporary name beside its target. Commit puts it in the target's
// place in one step; without Commit the temporary file is removed, and the target keeps its
// old content.
class ReplacementFile {
public:
    virtual ~ReplacementFile() = default;
    virtual DataStream& Stream() = 0;
    // Throws Error "Cannot create file ..." when the target cannot be replaced; the temporary
    // file is removed then.
    virtual void Commit() = 0;
};

class FileAccess {
public:
    virtual ~FileAccess() = default;

    // True when path names an existing file; false for a folder or a missing path.
    virtual bool IsExistingFile(const std::wstring& path) = 0;
    // Opens an existing file for reading; other programs may read it meanwhile but not write
    // it. Throws Error "Cannot open file ..." with the system's reason.
    virtual std::unique_ptr<DataStream> OpenForReading(const std::wstring& path) = 0;
    // Creates the temporary file that will replace path. Throws Error "Cannot create file ..."
    // with the system's reason.
    virtual std::unique_ptr<ReplacementFile> CreateReplacement(const std::wstring& path) = 0;
};

// The error texts for files: what (a sentence with "%1" where the file's name goes), a blank and
// the system's reason.
std::wstring FileErrorText(const std::wstring& what, const std::wstring& path,
                           const std::wstring& reason);

} // namespace tavrix
