#pragma once

// The rows of ./bench.sh's closing table. Every benchmark that measures a goal appends one line
// to the file named by KX_BENCH_TABLE (tab-separated: what, measured, anchor, ratio, goal,
// verdict); bench.sh prints them together once all have run. Without the variable the line
// goes to standard error, so a benchmark run by hand still shows its verdict.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace kx::bench {

inline void table_line(const QString& what, const QString& measured, const QString& anchor,
                       const QString& ratio, const QString& goal, const QString& verdict) {
    const QString line =
        QStringList{what, measured, anchor, ratio, goal, verdict}.join(QLatin1Char('\t')) +
        QLatin1Char('\n');
    const QString path = qEnvironmentVariable("KX_BENCH_TABLE");
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::Append | QIODevice::Text)) {
        std::fputs(line.toUtf8().constData(), stderr);
        return;
    }
    file.write(line.toUtf8());
}

inline void table_line(const QString& what, const QString& measured, const QString& anchor,
                       const QString& ratio, const QString& goal, bool met) {
    table_line(what, measured, anchor, ratio, goal,
               met ? QStringLiteral("PASS") : QStringLiteral("FAIL"));
}

inline QString with_unit(double value, const char* unit, int decimals = 1) {
    return QString::number(value, 'f', decimals) + QLatin1Char(' ') + QLatin1String(unit);
}

// A goal relative to an anchor measured or computed in the same run: measured <= limit x anchor.
inline void ratio_row(const QString& what, double measured, const QString& anchor_text,
                      double anchor, const char* unit, double limit, int decimals = 1) {
    const double ratio = anchor > 0 ? measured / anchor : 0;
    table_line(what, with_unit(measured, unit, decimals), anchor_text,
               QString::number(ratio, 'f', 2) + QStringLiteral("x"),
               QStringLiteral("<= %1x").arg(limit), anchor > 0 && ratio <= limit);
}

// An absolute goal; the anchor, when there is one, is shown for comparison only.
inline void limit_row(const QString& what, double measured, const QString& anchor_text,
                      double limit, const char* unit, int decimals = 1) {
    table_line(what, with_unit(measured, unit, decimals), anchor_text, QStringLiteral("-"),
               QStringLiteral("<= ") + with_unit(limit, unit, 0), measured <= limit);
}

// A measurement shown next to an anchor for understanding, with no goal of its own.
inline void note_row(const QString& what, double measured, const QString& anchor_text,
                     double anchor, const char* unit, int decimals = 1) {
    table_line(what, with_unit(measured, unit, decimals), anchor_text,
               anchor > 0 ? QString::number(measured / anchor, 'f', 2) + QStringLiteral("x")
                          : QStringLiteral("-"),
               QStringLiteral("-"), QStringLiteral("-"));
}

inline double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace kx::bench
