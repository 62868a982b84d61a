// An editor link that answers without an editor, for the programs that only
// render dialogs (corvane_shots, corvane_winshots).
#pragma once
#include "host/hostlink.h"

namespace corvane {

class StillHost final : public HostLink {
public:
    explicit StillHost(int left = 0, int top = 0) : left_(left), top_(top) {}
    void SetData(const std::string&, const std::string&) override {}
    std::string GetCRLF() override { return "\r\n"; }
    std::string GetFilePath() override { return {}; }
    void GetPosAuto(int& l, int& t, int, int) override {
        l = left_;
        t = top_;
    }
    int GetPosSize(int) override { return 0; }
    int GetBufSize(int) override { return 0; }
    std::string GetData(int) override { return {}; }
    CodePage code_page() const override { return CodePage::Utf8; }

private:
    int left_, top_;
};

}  // namespace corvane
