#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace kx {

// Shows the selected effect's information page, held in memory; nothing is fetched from the
// network or the disk, so a picture the page refers to is left out.
class TformFXInfo : public QWidget {
    Q_OBJECT
public:
    explicit TformFXInfo(QWidget* parent = nullptr);

    QTextBrowser* WebBrowser1;

    // Shows `html` as a document whose relative references are taken against `base_name`.
    void show_html(const QString& html, const QString& base_name);
};

} // namespace kx
