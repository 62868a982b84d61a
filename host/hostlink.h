// The C++ face of the editor link.  Everything else talks to the editor
// through a HostLink&, so tests can pass a recording fake.
#pragma once
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
    // Code page of every text on the link.
    virtual CodePage code_page() const = 0;

    // --- UTF-8 face used by the dialogs.
    void set_texts(const std::string& start_utf8, const std::string& end_utf8);
    std::string crlf();
    std::string file_path();
};

}  // namespace corvane
