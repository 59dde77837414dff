#include "app/GuideBrowser.h"

#include "app/guide_places.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace kx {

namespace {
constexpr int kWidth = 760;
constexpr int kHeight = 640;
} // namespace

GuideView::GuideView(QWidget* parent) : QTextBrowser(parent) {
    // Links are followed by the window: a page of the guide here, a web address outside.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // Back and Forward load a page without doSetSource().
    connect(this, &QTextBrowser::sourceChanged, this, [this] { name_headings(); });
}

void GuideView::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    if (type == QTextDocument::UnknownResource && name.path().endsWith(QLatin1String(".md")))
        type = QTextDocument::MarkdownResource;
    QTextBrowser::doSetSource(name, type);
    // Markdown gives headings no anchors: they are named once the page is in, and the section
    // is scrolled to (to the top of the view, as far as the page goes) after that.
    name_headings();
    if (name.hasFragment())
        scrollToAnchor(name.fragment());
    else
        verticalScrollBar()->setValue(0);
}

bool GuideView::name_headings() {
    QSet<QString> taken;
    bool named = false;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const auto fragments = block.begin();
        if (!fragments.atEnd() && !fragments.fragment().charFormat().anchorNames().isEmpty())
            return false; // this page has been named already
        // A second heading of the same words gets "-1", "-2", ... as on GitHub.
        const QString base = heading_anchor(block.text());
        QString anchor = base;
        for (int n = 1; taken.contains(anchor); ++n)
            anchor = base + QLatin1Char('-') + QString::number(n);
        taken.insert(anchor);
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({anchor});
        cursor.mergeCharFormat(format);
        named = true;
    }
    return named;
}

TformGuide::TformGuide(std::function<void(const QUrl&)> open_outside, QWidget* parent)
    : QWidget(parent, Qt::Window), txtGuide(new GuideView(this)),
      btnContents(new QPushButton(this)), btnBack(new QPushButton(this)),
      btnForward(new QPushButton(this)), btnClose(new QPushButton(this)),
      m_open_outside(std::move(open_outside)) {
    setObjectName(QStringLiteral("formGuide"));
    // The captions follow a change of language.
    set_translated(this, "windowTitle", "kx::TformGuide",
                   QT_TRANSLATE_NOOP("kx::TformGuide", "Kestrel X Editor User Guide"));
    set_translated(btnContents, "text", "kx::TformGuide",
                   QT_TRANSLATE_NOOP("kx::TformGuide", "&Contents"));
    set_translated(btnBack, "text", "kx::TformGuide", QT_TRANSLATE_NOOP("kx::TformGuide", "&Back"));
    set_translated(btnForward, "text", "kx::TformGuide",
                   QT_TRANSLATE_NOOP("kx::TformGuide", "&Forward"));
    set_translated(btnClose, "text", "kx::TformGuide",
                   QT_TRANSLATE_NOOP("kx::TformGuide", "Close"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kWidth, kHeight);

    txtGuide->setObjectName(QStringLiteral("txtGuide"));
    set_translated(txtGuide, "accessibleName", "kx::TformGuide",
                   QT_TRANSLATE_NOOP("kx::TformGuide", "User guide"));
    btnContents->setObjectName(QStringLiteral("btnContents"));
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnForward->setObjectName(QStringLiteral("btnForward"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnBack->setEnabled(false);
    btnForward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtGuide, 1);

    connect(btnContents, &QPushButton::clicked, this, [this] {
        open_at(QUrl(QString::fromLatin1(kGuideRoot) + QString::fromLatin1(kGuideContents)));
    });
    connect(btnBack, &QPushButton::clicked, txtGuide, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, txtGuide, &QTextBrowser::forward);
    connect(txtGuide, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(txtGuide, &QTextBrowser::forwardAvailable, btnForward, &QPushButton::setEnabled);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(txtGuide, &QTextBrowser::anchorClicked, this, &TformGuide::follow_link);
    close_on_escape(this);
}

void TformGuide::open_at(const QUrl& place) {
    txtGuide->setSource(place);
}

void TformGuide::follow_link(const QUrl& link) {
    const QUrl target = txtGuide->source().resolved(link);
    if (target.scheme() == QLatin1String("qrc"))
        txtGuide->setSource(target);
    else if (m_open_outside)
        m_open_outside(target);
}

} // namespace kx
