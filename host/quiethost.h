// An editor link with no editor behind it: no file, an empty selection,
// CR LF line breaks, every window placed at one corner.  For running dialogs
// where nobody edits (the design check, pictures of the dialogs).
#pragma once
#include "host/hostlink.h"

namespace corvane {

class QuietHost final : public HostLink {
public:
    explicit QuietHost(int corner = 0) : corner_(corner) {}
    void SetData(const std::string&, const std::string&) override {}
    std::string GetCRLF() override { return "\r\n"; }
    std::string GetFilePath() override { return {}; }
    void GetPosAuto(int& l, int& t, int, int) override { l = t = corner_; }
    int GetPosSize(int) override { return 0; }
    int GetBufSize(int) override { return 0; }
    std::string GetData(int) override { return {}; }
    CodePage code_page() const override { return CodePage::Utf8; }

private:
    int corner_;
};

}  // namespace corvane
