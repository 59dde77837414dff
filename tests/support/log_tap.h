#pragma once

#include "base/log.h"

#include <QStringList>

namespace kx {

// Keeps every line it is given and hands it on, so a test can read what the editor wrote to
// its log console.
struct LogTap : public Log {
    Log* next = nullptr;
    QStringList lines;
    void print_line(const QString& text) override {
        lines << text;
        if (next)
            next->print_line(text);
    }
    void append_line(const QString& text) override {
        lines << text;
        if (next)
            next->append_line(text);
    }
};

} // namespace kx
