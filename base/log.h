#pragma once

#include <QString>
#include <QStringList>

namespace kx {

// Where the editor writes its diagnostic lines (the log console in the running program).
class Log {
public:
    virtual ~Log() = default;
    // Appends a line and, when the console follows the end, scrolls to it.
    virtual void print_line(const QString& text) = 0;
    // Appends a line without scrolling.
    virtual void append_line(const QString& text) = 0;
};

// Keeps the lines in memory; for tests, and as the log before the console exists.
class MemoryLog : public Log {
public:
    QStringList lines;
    void print_line(const QString& text) override { lines << text; }
    void append_line(const QString& text) override { lines << text; }
};

// Drops every line.
class NullLog : public Log {
public:
    void print_line(const QString&) override {}
    void append_line(const QString&) override {}
};

} // namespace kx
