// Renders every dialog to PNG with the Win32 view (under Wine, from
// scripts/shots --win), as it shows with the given case settings, with the
// window's own frame and title bar.
// Usage: corvane_winshots OUTDIR [ELEMENT ATTRIBUTE VALUE]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/switches.h"
#include "frame/win32/win32platform.h"
#include "frame/win32/win32view.h"
#include "host/quiethost.h"
#include "setup/setup.h"

namespace {

// --- A PNG file without a compressor: deflate's stored blocks. -------------
unsigned crc32(const unsigned char* p, size_t n, unsigned crc = 0) {
    static unsigned table[256];
    if (!table[1])
        for (unsigned i = 0; i < 256; ++i) {
            unsigned c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void put32(std::string& s, unsigned v) {
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void chunk(std::string& png, const char* type, const std::string& data) {
    put32(png, static_cast<unsigned>(data.size()));
    std::string body = std::string(type, 4) + data;
    png += body;
    put32(png, crc32(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
}

bool write_png(const std::string& path, int w, int h, const std::vector<unsigned char>& rgb) {
    std::string raw;
    for (int y = 0; y < h; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(&rgb[static_cast<size_t>(y) * w * 3]), static_cast<size_t>(w) * 3);
    }
    std::string z = "\x78\x01";
    unsigned a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0;) {
        size_t n = std::min<size_t>(65535, raw.size() - at);
        z += static_cast<char>(at + n >= raw.size() ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, at, n);
        at += n;
        if (n == 0) break;
    }
    put32(z, (b << 16) | a);
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string ihdr;
    put32(ihdr, static_cast<unsigned>(w));
    put32(ihdr, static_cast<unsigned>(h));
    ihdr += std::string("\x08\x02\x00\x00\x00", 5);
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", "");
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(png.data(), 1, png.size(), f);
    return std::fclose(f) == 0;
}

void pump(DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    MSG msg;
    while (static_cast<int>(until - GetTickCount()) > 0) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

// The window as the screen shows it, frame and title bar included.
bool capture(HWND hwnd, const std::string& path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
    const auto* px = static_cast<const unsigned char*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
        rgb[i * 3] = px[i * 4 + 2];
        rgb[i * 3 + 1] = px[i * 4 + 1];
        rgb[i * 3 + 2] = px[i * 4];
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return write_png(path, w, h, rgb);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: corvane_winshots OUTDIR [ELEMENT ATTRIBUTE VALUE]\n");
        return 2;
    }
    corvane::CaseSettings cs;
    std::string suffix;
    if (argc == 5) {
        cs = {std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4])};
        suffix = "-" + std::string(argv[2]) + argv[3] + argv[4];
    }
    const std::string out = argv[1];
    CreateDirectoryA(out.c_str(), nullptr);
    corvane::QuietHost host(40);
    corvane::Win32Platform platform;
    std::vector<const corvane::DialogDesign*> designs;
    for (const corvane::SwitchRow& row : corvane::all_switches())
        if (row.action == corvane::Action::TagDialog) designs.push_back(&row.design());
    designs.push_back(&corvane::TFormSetup());
    int failed = 0;
    for (const corvane::DialogDesign* design : designs) {
        corvane::Dialog dialog(*design, host, platform);
        dialog.create();
        dialog.set_case_settings(cs);
        corvane::Win32DialogWindow window(dialog);
        window.show();
        pump(250);
        const std::string file = out + "\\" + design->class_name + suffix + "-win.png";
        if (capture(window.hwnd(), file)) std::printf("%s\n", file.c_str());
        else ++failed;
    }
    return failed ? 1 : 0;
}
