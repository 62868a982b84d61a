// HostLink over the linked pelinorn library (the editor's, or the stand-in).
#pragma once
#include "host/hostlink.h"

namespace corvane {

class NativeHostLink final : public HostLink {
public:
    NativeHostLink();
    void SetData(const std::string& start, const std::string& end) override;
    std::string GetCRLF() override;
    std::string GetFilePath() override;
    void GetPosAuto(int& left, int& top, int width, int height) override;
    int GetPosSize(int which) override;
    int GetBufSize(int which) override;
    std::string GetData(int size) override;
    size_t GetDataInto(char* buffer, int size) override;
    void FillDataInto(char* buffer, int size) override;
    void SetDataRaw(const char* start, const char* end) override;
    CodePage code_page() const override { return code_page_; }

private:
    CodePage code_page_;
};

}  // namespace corvane
