#include "host/hostlink.h"

#include <algorithm>
#include <cstring>

namespace corvane {

size_t HostLink::GetDataInto(char* buffer, int size) {
    if (size < 0) return 0;
    std::string text = GetData(size);
    size_t n = size > 0 ? std::min(text.size(), static_cast<size_t>(size)) : 0;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

void HostLink::SetDataRaw(const char* start, const char* end) {
    SetData(start ? start : "", end ? end : "");
}

void HostLink::set_texts(const std::string& start_utf8, const std::string& end_utf8) {
    SetData(from_utf8(start_utf8, code_page()), from_utf8(end_utf8, code_page()));
}

std::string HostLink::crlf() { return to_utf8(GetCRLF(), code_page()); }

std::string HostLink::file_path() { return to_utf8(GetFilePath(), code_page()); }

}  // namespace corvane
