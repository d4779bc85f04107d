#include "app/ChangeLogText.h"

#include "base/UiText.h"
#include "base/Unicode.h"
#include "clipboard/FactsPanelTexts.h"

#include <cstdio>

namespace tavrix {

namespace {

struct CivilTime {
    int year, month, day, hour, minute, second, millisecond;
};

// The local calendar time of a moment (the days-from-civil inverse, valid for any year).
CivilTime LocalCivil(ChangeMoment time) {
    const std::int64_t local = time.utcMilliseconds + std::int64_t{time.offsetMinutes} * 60000;
    std::int64_t days = local / 86400000;
    std::int64_t ms = local % 86400000;
    if (ms < 0) {
        ms += 86400000;
        --days;
    }
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const auto month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year,
            month,
            day,
            static_cast<int>(ms / 3600000),
            static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60),
            static_cast<int>(ms % 1000)};
}

std::string JsonString(std::wstring_view text) {
    std::string out = "\"";
    for (const char c : Utf8FromWide(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const char* JsonFlag(LoggedFlag flag) {
    return flag == LoggedFlag::Yes ? "true" : flag == LoggedFlag::No ? "false" : "null";
}

std::string CsvField(const std::wstring& text) {
    const std::string bytes = Utf8FromWide(text);
    if (bytes.find_first_of(",\"\r\n") == std::string::npos) {
        return bytes;
    }
    std::string out = "\"";
    for (const char c : bytes) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

} // namespace

std::string IsoTime(ChangeMoment time) {
    const CivilTime t = LocalCivil(time);
    const int offset = time.offsetMinutes < 0 ? -time.offsetMinutes : time.offsetMinutes;
    char text[40];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d", t.year,
                  t.month, t.day, t.hour, t.minute, t.second, t.millisecond,
                  time.offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::wstring TimeOfDay(ChangeMoment time) {
    const CivilTime t = LocalCivil(time);
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"%02d:%02d:%02d.%03d", t.hour, t.minute, t.second,
                  t.millisecond);
    return text;
}

std::array<std::wstring, kChangeColumns> ChangeHeadings() {
    return {Tr(L"Time"), L"#", Tr(L"Owner"), Tr(L"Formats"), Tr(L"Size"), Tr(L"Content")};
}

std::array<std::wstring, kChangeColumns> ChangeCells(const ChangeLog& log, const ChangeRow& row) {
    std::wstring sequence = std::to_wstring(row.sequence);
    if (row.skipped > 0) {
        sequence += L" (+" + std::to_wstring(row.skipped) + L")";
    }
    const std::wstring owner =
        row.HasOwner() ? ProcessText({log.OwnerName(row), row.ownerPid}) : Tr(L"no window");
    const std::optional<std::uint64_t> size = row.TotalSize();
    std::wstring content = row.content;
    if (row.excluded == LoggedFlag::Yes) {
        content = Tr(L"(excluded from clipboard history)");
    } else if (row.Empty()) {
        content = Tr(L"Cleared");
    }
    if (row.atStart) {
        content = Tr(L"At start") + (content.empty() ? L"" : L": " + content);
    }
    return {TimeOfDay(row.time),
            sequence,
            owner,
            row.listed ? std::to_wstring(row.formats.size()) : L"?",
            size ? std::to_wstring(*size) : L"?",
            content};
}

std::wstring ChangeTabText(const ChangeLog& log, std::span<const std::size_t> rows) {
    auto line = [](const std::array<std::wstring, kChangeColumns>& cells) {
        std::wstring text;
        for (const std::wstring& cell : cells) {
            if (!text.empty()) {
                text += L'\t';
            }
            text += cell;
        }
        return text + L"\r\n";
    };
    std::wstring text = line(ChangeHeadings());
    for (const std::size_t index : rows) {
        text += line(ChangeCells(log, log.Row(index)));
    }
    return text;
}

std::string ChangeCsv(const ChangeLog& log, std::span<const std::size_t> rows) {
    auto line = [](const std::array<std::wstring, kChangeColumns>& cells) {
        std::string text;
        for (const std::wstring& cell : cells) {
            if (!text.empty()) {
                text += ',';
            }
            text += CsvField(cell);
        }
        return text + "\r\n";
    };
    std::string text = "\xEF\xBB\xBF" + line(ChangeHeadings());
    for (const std::size_t index : rows) {
        text += line(ChangeCells(log, log.Row(index)));
    }
    return text;
}

std::string ChangeJsonLine(const ChangeLog& log, const ChangeRow& row) {
    std::string line = "{\"time\":\"" + IsoTime(row.time) +
                       "\",\"seq\":" + std::to_string(row.sequence) + ",\"owner\":";
    if (row.HasOwner()) {
        line += "{\"exe\":" + JsonString(log.OwnerName(row)) +
                ",\"pid\":" + std::to_string(row.ownerPid) + "}";
    } else {
        line += "null";
    }
    line += ",\"formats\":";
    if (row.listed) {
        line += "[";
        for (const LoggedFormat& format : row.formats) {
            line += (line.back() == '[' ? "" : ",");
            line += "{\"id\":" + std::to_string(format.id) +
                    ",\"name\":" + JsonString(log.FormatName(format.id)) + ",\"size\":" +
                    (format.size == LoggedFormat::kUnknownSize ? std::string("null")
                                                               : std::to_string(format.size)) +
                    "}";
        }
        line += "]";
    } else {
        line += "null";
    }
    line += std::string(",\"empty\":") + (row.listed ? (row.Empty() ? "true" : "false") : "null");
    line += std::string(",\"excluded\":") + JsonFlag(row.excluded);
    line += std::string(",\"cloud\":") + JsonFlag(row.cloud) + "}\n";
    return line;
}

} // namespace tavrix
