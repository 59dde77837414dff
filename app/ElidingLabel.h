#pragma once

#include <QLabel>

namespace kx {

// A one-line label for texts that may not fit its fixed width: it draws the text with the
// middle left out ("FT230X Ba…connected"), so both ends stay readable, and then offers the
// whole text as its tooltip. text() and screen readers get the whole text.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void set_text(const QString& text);
    // What the label draws at its present width and font.
    QString displayed_text() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void update_tooltip();
};

} // namespace kx
