#pragma once

#include <string>

namespace mainwindow {

// A menu or button caption as a sentence names it: without its access-key marks ("&&" stays one
// "&") and without a trailing "...": "Save &As..." is "Save As".
std::string PlainCaption(const std::string& caption);

} // namespace mainwindow
