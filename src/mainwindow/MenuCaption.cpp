#include "mainwindow/MenuCaption.h"

namespace mainwindow {

std::string PlainCaption(const std::string& caption)
{
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    if (plain.ends_with("..."))
        plain.resize(plain.size() - 3);
    return plain;
}

} // namespace mainwindow
