#pragma once
// What the change log shows and writes: the cells of its rows, the tab-separated copy, the CSV
// file (UTF-8 with a byte order mark, fields quoted where they need it) and the JSON line of a
// change, which holds the facts of the change and never its content.
#include "clipboard/ChangeLog.h"

#include <array>
#include <span>
#include <string>

namespace tavrix {

enum class ChangeColumn { Time, Sequence, Owner, Formats, Size, Content };
inline constexpr std::size_t kChangeColumns = 6;

// The column headings, in order.
std::array<std::wstring, kChangeColumns> ChangeHeadings();
// A row's cells: local time "HH:MM:SS.mmm", "N" or "N (+K)", "exe (pid N)" or "no window",
// the format count, the total size or "?", the content or what stands for it.
std::array<std::wstring, kChangeColumns> ChangeCells(const ChangeLog& log, const ChangeRow& row);

// The rows (indexes into the log) as tab-separated lines under a heading line.
std::wstring ChangeTabText(const ChangeLog& log, std::span<const std::size_t> rows);
// The rows as a CSV file: byte order mark, heading line, CRLF line ends.
std::string ChangeCsv(const ChangeLog& log, std::span<const std::size_t> rows);
// One change as a line of JSON, line break included.
std::string ChangeJsonLine(const ChangeLog& log, const ChangeRow& row);

// "2026-12-10T09:41:07.123+01:00", and the time of day alone.
std::string IsoTime(ChangeMoment time);
std::wstring TimeOfDay(ChangeMoment time);

} // namespace tavrix
