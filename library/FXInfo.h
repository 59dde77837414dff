#pragma once

#include <QWidget>

class QTextBrowser;

namespace kx {

// Shows the selected effect's information page.
class TformFXInfo : public QWidget {
    Q_OBJECT
public:
    explicit TformFXInfo(QWidget* parent = nullptr);

    QTextBrowser* WebBrowser1;
};

} // namespace kx
