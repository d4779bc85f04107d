#include "app/win32/ChangeLogFile.h"

#include "base/Error.h"
#include "base/SwallowedErrors.h"
#include "base/UiText.h"
#include "base/win32/SystemErrorText.h"

#include <windows.h>

namespace tavrix::win32 {

namespace {

[[noreturn]] void ThrowCannotWrite(const std::wstring& fileName) {
    const DWORD code = GetLastError();
    throw Error(Tr(L"Cannot write the log \"%1\": %2", {fileName, SystemErrorText(code)}));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

} // namespace

ChangeLogFile::ChangeLogFile(const std::wstring& fileName)
    : fileName_(fileName),
      file_(CreateFileW(fileName.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (!file_) {
        ThrowCannotWrite(fileName);
    }
}

void ChangeLogFile::Append(std::string_view line) {
    if (!WriteAll(file_.get(), line)) {
        LogSwallowed(L"ChangeLogFile::Append", SystemErrorText(GetLastError()));
    }
}

void WriteLogFile(const std::wstring& fileName, std::string_view bytes) {
    UniqueFile file(CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WriteAll(file.get(), bytes)) {
        ThrowCannotWrite(fileName);
    }
}

} // namespace tavrix::win32
