#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// The text of each page of a PDF file, as `pdftotext -layout` (poppler-utils) reads it; nothing
// when the file cannot be read.
inline std::vector<std::string> PdfPageTexts(const std::filesystem::path& pdf)
{
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, got);
    if (pclose(pipe) != 0)
        return {};
    // Every page ends with a form feed.
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
        pages.push_back(text.substr(start, end - start));
    return pages;
}

// How many times `word` stands in `text`.
inline int Occurrences(const std::string& text, const std::string& word)
{
    int count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size()))
        ++count;
    return count;
}
