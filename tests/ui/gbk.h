// Host strings for the tests: GBK bytes made from wide literals with code page 936.
#pragma once
#include <windows.h>

#include <string>

inline std::string Gbk(const std::wstring& text) {
    const int bytes = WideCharToMultiByte(936, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(936, 0, text.c_str(), -1, gbk.data(), bytes, nullptr, nullptr);
    gbk.resize(static_cast<std::size_t>(bytes > 0 ? bytes - 1 : 0));
    return gbk;
}
