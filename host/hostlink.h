// The C++ face of the editor link.  Everything else talks to the editor
// through a HostLink&, so tests can pass a recording fake.
#pragma once
#include <cstring>
#include <string>
#include <string_view>

#include "common/codepage.h"

namespace corvane {

class HostLink {
public:
    virtual ~HostLink() = default;

    // --- Raw calls: byte strings in the host's code page.  Returned texts are
    // copied at once; a null result reads as empty.
    virtual void SetData(const std::string& start, const std::string& end) = 0;
    virtual std::string GetCRLF() = 0;
    virtual std::string GetFilePath() = 0;
    virtual void GetPosAuto(int& left, int& top, int width, int height) = 0;
    virtual int GetPosSize(int which) = 0;
    virtual int GetBufSize(int which) = 0;
    // The selection, `size` bytes asked for, cut at its first NUL.  A
    // negative size reads as an empty selection.
    virtual std::string GetData(int size) = 0;
    // The same two calls for a text that may be large, without copies:
    // GetDataInto has the host write the selection and a NUL straight into
    // `buffer`, which holds size + 1 bytes (size >= 0), and returns its
    // length up to the first NUL; SetDataRaw hands over texts the caller
    // holds NUL-terminated.  By default both go through the calls above.
    virtual size_t GetDataInto(char* buffer, int size);
    virtual void SetDataRaw(const char* start, const char* end);
    // GetDataInto without the measuring, for a caller that walks the text
    // anyway and measures it on the way: the text ends at its first NUL,
    // buffer[size] at the latest.
    virtual void FillDataInto(char* buffer, int size) { GetDataInto(buffer, size); }
    // Code page of every text on the link.
    virtual CodePage code_page() const = 0;

    // --- UTF-8 face used by the dialogs.
    void set_texts(const std::string& start_utf8, const std::string& end_utf8);
    std::string crlf();
    std::string file_path();
};

// Reads a text that the host writes into a caller's buffer: `fill` gets a
// buffer of size + 1 zeroed bytes and writes the text and a NUL into it; the
// result is cut at its first NUL.  A negative size reads as empty and `fill`
// is not called: such a size tells nothing about how much the host would
// write, so no buffer can be safe.
template <class Fill>
std::string read_host_buffer(int size, Fill&& fill) {
    if (size < 0) return std::string();
    std::string buffer(static_cast<size_t>(size) + 1, '\0');
    fill(buffer.data());
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

}  // namespace corvane
