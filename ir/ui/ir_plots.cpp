#include "ir/ui/ir_plots.h"

#include "base/translation.h"
#include "ir/resample.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace kx {

namespace {

constexpr char kWaveformTitle[] = QT_TRANSLATE_NOOP(
    "kx::TformImpulseResponse", "Waveform at %1 kHz: the first %2 samples (%3 ms) are loaded");
constexpr char kResponseTitle[] =
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Magnitude response of the loaded samples");
constexpr char kNothingLoaded[] =
    QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "Nothing loaded yet");
constexpr char kLoadedMark[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "loaded");
constexpr char kNotLoaded[] = QT_TRANSLATE_NOOP("kx::TformImpulseResponse", "not loaded");

// Decibels shown below the top of the response plot.
constexpr double kResponseRange_dB = 60.0;
constexpr double kGridStep_dB = 10.0;

// Grid of the frequency axis.
constexpr std::array<double, 10> kFrequencyGrid_hz{20, 50, 100, 200, 500, 1e3, 2e3, 5e3, 1e4, 2e4};

// The plot area inside a view: room for the title above, the axis labels left and below.
QRectF plot_area(const QWidget& view, const QString& widest_left_label) {
    const QFontMetrics metrics(view.font());
    const double left = metrics.horizontalAdvance(widest_left_label) + 10;
    const double top = metrics.height() + 8;
    const double bottom = metrics.height() + 8;
    return QRectF(left, top, view.width() - left - 14, view.height() - top - bottom);
}

void draw_frame(QPainter& painter, const QWidget& view, const QRectF& area, const QString& title) {
    const QPalette& palette = view.palette();
    painter.fillRect(view.rect(), palette.color(QPalette::Base));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(QPointF(area.left(), QFontMetrics(view.font()).ascent() + 3), title);
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(area);
}

void draw_nothing(QPainter& painter, const QWidget& view) {
    painter.fillRect(view.rect(), view.palette().color(QPalette::Base));
    painter.setPen(view.palette().color(QPalette::PlaceholderText));
    painter.drawText(view.rect(), Qt::AlignCenter,
                     ui_text("kx::TformImpulseResponse", kNothingLoaded));
}

// A step of 1, 2 or 5 times a power of ten that cuts `span` into at most about `ticks` parts.
double tick_step(double span, int ticks) {
    const double raw = span / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * power)
            return factor * power;
    return 10.0 * power;
}

QString frequency_label(double hz) {
    return hz >= 1000 ? QString::number(hz / 1000) + QLatin1Char('k') : QString::number(hz);
}

QColor faint(const QColor& color) {
    QColor faded = color;
    faded.setAlphaF(0.45f);
    return faded;
}

} // namespace

IrWaveformView::IrWaveformView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(480, 170);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void IrWaveformView::set_picture(const IrPicture& picture) {
    m_picture = picture;
    update();
}

QSize IrWaveformView::sizeHint() const {
    return {640, 200};
}

void IrWaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QList<double>& samples = m_picture.file_start;
    if (samples.isEmpty()) {
        draw_nothing(painter, *this);
        return;
    }
    const QFontMetrics metrics(font());
    const QRectF area = plot_area(*this, QStringLiteral("-1.0"));
    const double rate_khz = kPedalSampleRate_hz / 1000.0;
    draw_frame(painter, *this, area,
               ui_text("kx::TformImpulseResponse", kWaveformTitle)
                   .arg(rate_khz)
                   .arg(m_picture.loaded_count)
                   .arg(QString::number(m_picture.loaded_count / rate_khz, 'f', 1)));

    // Full scale is the edge, so that a quiet tail stays visible beside a loud start.
    const auto y_of = [&](double value) {
        return area.center().y() - std::clamp(value, -1.0, 1.0) * area.height() / 2;
    };
    const qsizetype count = samples.size();
    const auto x_of_sample = [&](double index) {
        return area.left() + area.width() * index / double(count);
    };

    const QColor text = palette().color(QPalette::Text);
    const QColor mid = palette().color(QPalette::Mid);
    painter.setPen(faint(mid));
    painter.drawLine(QPointF(area.left(), y_of(0)), QPointF(area.right(), y_of(0)));
    painter.setPen(text);
    for (double value : {1.0, 0.0, -1.0}) {
        const QString label = QString::number(value, 'f', 1);
        painter.drawText(QPointF(area.left() - metrics.horizontalAdvance(label) - 5,
                                 y_of(value) + metrics.ascent() / 2.0 - 1),
                         label);
    }

    // Time axis: milliseconds at the pedal's rate.
    const double span_ms = count / rate_khz;
    const double step_ms = tick_step(span_ms, std::max(2, int(area.width() / 80)));
    for (double ms = 0; ms <= span_ms + 1e-9; ms += step_ms) {
        const double x = x_of_sample(ms * rate_khz);
        painter.setPen(faint(mid));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(text);
        const QString label = QString::number(ms) + QStringLiteral(" ms");
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(std::clamp(x - width / 2, 0.0, double(this->width()) - width),
                                 area.bottom() + metrics.ascent() + 4),
                         label);
    }

    // One column per pixel: the lowest and highest sample it covers.
    const QColor loaded = palette().color(QPalette::Highlight);
    const int columns = std::max(1, int(area.width()));
    for (int column = 0; column < columns; ++column) {
        const qsizetype from = qsizetype(double(column) * count / columns);
        const qsizetype to = std::max(from + 1, qsizetype(double(column + 1) * count / columns));
        // From the column before's last sample, so that the trace has no gaps.
        const qsizetype first = from > 0 ? from - 1 : from;
        double low = samples[first];
        double high = samples[first];
        for (qsizetype i = first; i < std::min(to, count); ++i) {
            low = std::min(low, samples[i]);
            high = std::max(high, samples[i]);
        }
        painter.setPen(from < m_picture.loaded_count ? loaded : faint(text));
        const double x = area.left() + column + 0.5;
        // At least a pixel, so that a quiet stretch still shows as a line.
        painter.drawLine(QPointF(x, y_of(high)), QPointF(x, std::max(y_of(low), y_of(high) + 1)));
    }

    // Where the loaded part ends.
    const double end_x = x_of_sample(m_picture.loaded_count);
    QPen marker(text, 1, Qt::DashLine);
    painter.setPen(marker);
    painter.drawLine(QPointF(end_x, area.top()), QPointF(end_x, area.bottom()));
    const QString left_label = ui_text("kx::TformImpulseResponse", kLoadedMark);
    const QString right_label = ui_text("kx::TformImpulseResponse", kNotLoaded);
    const double label_y = area.top() + metrics.ascent() + 3;
    painter.setPen(loaded);
    painter.drawText(QPointF(end_x - metrics.horizontalAdvance(left_label) - 6, label_y),
                     left_label);
    if (end_x + metrics.horizontalAdvance(right_label) + 6 < area.right()) {
        painter.setPen(text);
        painter.drawText(QPointF(end_x + 6, label_y), right_label);
    }
}

IrResponseView::IrResponseView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(480, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void IrResponseView::set_picture(const IrPicture& picture) {
    m_picture = picture;
    update();
}

QSize IrResponseView::sizeHint() const {
    return {640, 240};
}

void IrResponseView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QList<double>& response = m_picture.response_db;
    const QList<double>& frequencies = m_picture.frequencies_hz;
    if (response.isEmpty() || response.size() != frequencies.size()) {
        draw_nothing(painter, *this);
        return;
    }
    const QFontMetrics metrics(font());
    const QRectF area = plot_area(*this, QStringLiteral("-100 dB"));
    draw_frame(painter, *this, area, ui_text("kx::TformImpulseResponse", kResponseTitle));

    const double peak = *std::max_element(response.cbegin(), response.cend());
    const double top = std::ceil(peak / kGridStep_dB) * kGridStep_dB;
    const double bottom = top - kResponseRange_dB;
    const double log_from = std::log10(kFrequencyGrid_hz.front());
    const double log_to = std::log10(kFrequencyGrid_hz.back());
    const auto x_of = [&](double hz) {
        return area.left() + area.width() * (std::log10(hz) - log_from) / (log_to - log_from);
    };
    const auto y_of = [&](double db) {
        return area.top() + area.height() * (top - std::clamp(db, bottom, top)) / (top - bottom);
    };

    const QColor text = palette().color(QPalette::Text);
    const QColor grid = faint(palette().color(QPalette::Mid));
    for (double hz : kFrequencyGrid_hz) {
        const double x = x_of(hz);
        painter.setPen(grid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(text);
        const QString label = frequency_label(hz) +
                              (hz == kFrequencyGrid_hz.back() ? QStringLiteral(" Hz") : QString());
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(std::clamp(x - width / 2, 0.0, double(this->width()) - width),
                                 area.bottom() + metrics.ascent() + 4),
                         label);
    }
    for (double db = bottom; db <= top + 1e-9; db += kGridStep_dB) {
        const double y = y_of(db);
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        const QString label = QString::number(db) + QStringLiteral(" dB");
        painter.drawText(QPointF(area.left() - metrics.horizontalAdvance(label) - 5,
                                 y + metrics.ascent() / 2.0 - 1),
                         label);
    }

    QPainterPath curve;
    for (qsizetype i = 0; i < response.size(); ++i) {
        const QPointF point(x_of(frequencies[i]), y_of(response[i]));
        if (i == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawPath(curve);
}

} // namespace kx
