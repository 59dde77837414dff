#include "platform/diagnosis.h"

#include "base/translation.h"

#include <algorithm>

// What every system's doctor shares: the summary and the report of its findings.
namespace kx::doctor {

int Diagnosis::count(Severity severity) const {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.severity == severity;
    }));
}

QString Diagnosis::summary() const {
    const int problems = count(Severity::Problem);
    if (ready && problems == 0)
        return ui_text("Link", "A pedal is ready to connect.");
    if (ready && problems == 1)
        return ui_text("Link", "A pedal is ready to connect. A problem with another port is "
                               "listed below.");
    if (ready)
        return ui_text("Link", "A pedal is ready to connect. Problems with %1 other ports are "
                               "listed below.")
            .arg(problems);
    return ui_text("Link", "No pedal is ready to connect. What to do is written with each "
                           "problem.");
}

QString report_text(const Diagnosis& diagnosis) {
    QString out;
    for (const Finding& finding : diagnosis.findings) {
        const char* mark = finding.severity == Severity::Ok     ? "[ok]"
                           : finding.severity == Severity::Note ? "[note]"
                                                                : "[problem]";
        out += QStringLiteral("%1 %2\n    %3\n")
                   .arg(QLatin1String(mark), finding.subject, finding.text);
        if (!finding.advice.isEmpty())
            out += ui_text("Link", "    What to do: %1\n").arg(finding.advice);
        if (!finding.command.isEmpty())
            out += QStringLiteral("      %1\n").arg(finding.command);
    }
    out += diagnosis.summary() + QLatin1Char('\n');
    return out;
}

} // namespace kx::doctor
