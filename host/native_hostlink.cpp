#include "host/native_hostlink.h"

#include <cstdlib>
#include <cstring>

#include "host/pelinorn.h"

namespace corvane {

namespace {
std::string copy_text(const char* p) { return p ? std::string(p) : std::string(); }
}  // namespace

NativeHostLink::NativeHostLink() {
#ifdef _WIN32
    // The editor speaks the system's ANSI code page, whatever it is
    // (Shift_JIS on Japanese Windows).
    code_page_ = CodePage::SystemAnsi;
#else
    // On other systems the host is the stand-in link, which takes its code
    // page from the same variable.
    const char* enc = std::getenv("PELINOR_ENCODING");
    code_page_ = enc && std::strcmp(enc, "cp932") == 0 ? CodePage::Cp932 : CodePage::Utf8;
#endif
}

void NativeHostLink::SetData(const std::string& start, const std::string& end) {
    pelr_SetData(start.c_str(), end.c_str());
}

void NativeHostLink::SetDataRaw(const char* start, const char* end) {
    pelr_SetData(start ? start : "", end ? end : "");
}

std::string NativeHostLink::GetCRLF() { return copy_text(pelr_GetCRLF()); }

std::string NativeHostLink::GetFilePath() { return copy_text(pelr_GetFilePath()); }

void NativeHostLink::GetPosAuto(int& left, int& top, int width, int height) {
    pelr_GetPosAuto(&left, &top, width, height);
}

int NativeHostLink::GetPosSize(int which) { return pelr_GetPosSize(which); }

int NativeHostLink::GetBufSize(int which) { return pelr_GetBufSize(which); }

std::string NativeHostLink::GetData(int size) {
    return read_host_buffer(size, [](char* buffer) { pelr_GetData(buffer, ""); });
}

void NativeHostLink::FillDataInto(char* buffer, int size) {
    if (size < 0) return;
    pelr_GetData(buffer, "");
    buffer[size] = '\0';  // the text ends within the buffer, whatever the host wrote
}

size_t NativeHostLink::GetDataInto(char* buffer, int size) {
    if (size < 0) return 0;
    FillDataInto(buffer, size);
    return std::strlen(buffer);
}

}  // namespace corvane
