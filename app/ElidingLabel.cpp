#include "app/ElidingLabel.h"

#include "base/plain_text.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace kx {

void ElidingLabel::set_text(const QString& text) {
    setTextFormat(Qt::PlainText);
    setText(text);
    update_tooltip();
}

QString ElidingLabel::displayed_text() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void ElidingLabel::paintEvent(QPaintEvent* event) {
    // The frame and any style sheet background as QLabel draws them; only the text differs.
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), displayed_text(), foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    update_tooltip();
}

void ElidingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A look may bring another font.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        update_tooltip();
}

void ElidingLabel::update_tooltip() {
    setToolTip(displayed_text() == text() ? QString() : plain_tooltip(text()));
}

} // namespace kx
