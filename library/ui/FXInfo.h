#pragma once

#include "base/ui/built_on_use.h"

#include <QString>

class QTextBrowser;

namespace kx {

// Shows the selected effect's information page, held in memory; nothing is fetched from the
// network or the disk, so a picture the page refers to is left out.
class TformFXInfo : public BuiltOnUseWindow {
    Q_OBJECT
public:
    explicit TformFXInfo(QWidget* parent = nullptr);

    BuiltChild<QTextBrowser> WebBrowser1{this};

    // Shows `html` as a document whose relative references are taken against `base_name`.
    void show_html(const QString& html, const QString& base_name);

protected:
    void build() override;
};

} // namespace kx
