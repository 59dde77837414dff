#pragma once

#include <QTextBrowser>
#include <QWidget>

#include <functional>

class QPushButton;

namespace kx {

// The guide's pages: Markdown from the editor's resources, each heading an anchor that links
// and F1 can scroll to.
class GuideView : public QTextBrowser {
    Q_OBJECT
public:
    explicit GuideView(QWidget* parent = nullptr);

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    // Names each heading of the page just loaded by its anchor; false when they had theirs.
    bool name_headings();
};

// The user guide, inside the editor: Contents, Back and Forward over the guide's pages. A link
// out of the guide goes to the desktop's browser through `open_outside`.
class TformGuide : public QWidget {
    Q_OBJECT
public:
    explicit TformGuide(std::function<void(const QUrl&)> open_outside, QWidget* parent = nullptr);

    // Shows `place` (a page of the guide, with the section's anchor or none) at its top.
    void open_at(const QUrl& place);

    GuideView* txtGuide;
    QPushButton* btnContents;
    QPushButton* btnBack;
    QPushButton* btnForward;
    QPushButton* btnClose;

private:
    void follow_link(const QUrl& link);

    std::function<void(const QUrl&)> m_open_outside;
};

} // namespace kx
