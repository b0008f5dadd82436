#pragma once

#include <QApplication>

// The one application of the Qt tests, on the offscreen platform unless another is asked for.
// It is made on first use and ends after the last test, while Qt's own globals still live.
QApplication& qtTestApplication();
