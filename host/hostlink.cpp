#include "host/hostlink.h"

namespace corvane {

void HostLink::set_texts(const std::string& start_utf8, const std::string& end_utf8) {
    SetData(from_utf8(start_utf8, code_page()), from_utf8(end_utf8, code_page()));
}

std::string HostLink::crlf() { return to_utf8(GetCRLF(), code_page()); }

std::string HostLink::file_path() { return to_utf8(GetFilePath(), code_page()); }

}  // namespace corvane
